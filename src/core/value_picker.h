#pragma once
#include "core/value_picker_logic.h"
#include <QDialog>

class DbUtils;
class QLineEdit;
class QTableView;
class UserDialogs;

// The value picker `Form37` "Выберите значение двойным щелчком": a grid over a statement with :FLT,
// refiltered by "Найти: "; a double click chooses the row and closes.
class Form37 : public QDialog {
    Q_OBJECT
public:
    Form37(ValuePickerLogic& logic, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the picker modally over `sql`; the chosen row's texts, or nothing when nothing was chosen
    // (the caller may then read `filterText`).
    static std::optional<QStringList> pick(Transaction& tr, UserDialogs& dialogs, const QString& sql,
                                           QWidget* parent = nullptr, QString* filterText = nullptr,
                                           const QVariantMap& params = {}, DbUtils* journal = nullptr);

    bool chosen() const { return chosen_; }
    QStringList chosenRow() const;
    QTableView* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void choose(int row);
    void buildDirectoryPanel(QLayout* layout);

    ValuePickerLogic& logic_;
    UserDialogs& dialogs_;
    QLineEdit* filter_;
    QTableView* grid_;
    QLineEdit* code_ = nullptr;  // the directory panel of KBK and OKATO lists
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    bool chosen_ = false;
    int row_ = -1;
};
