#pragma once
#include <QDialog>
#include <optional>

class QListWidget;

// "Выберите подразделение": a list of department codes, "ОК" and "Отмена". The first entry is preselected.
class DepartmentWindow : public QDialog {
    Q_OBJECT
public:
    explicit DepartmentWindow(const QStringList& departments, QWidget* parent = nullptr);
    QString chosen() const;
    // Shows the window modally; the chosen code, nothing on "Отмена" or an empty list.
    static std::optional<QString> choose(const QStringList& departments, QWidget* parent);

private:
    QListWidget* list_;
};
