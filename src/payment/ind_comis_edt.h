#pragma once
#include <QDialog>
#include <QStringList>

class DepartmentCommissions;
class UserDialogs;
class QComboBox;
class QLineEdit;
class QPushButton;

// Edit window of a department's commission for a service ("Введите значения").
class IndComisEdt : public QDialog {
    Q_OBJECT
public:
    IndComisEdt(DepartmentCommissions& logic, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the department list (the given department current, else the first) and the three values.
    void prepare(const QString& kodSrv, const QStringList& departments, const QString& podr = QString(),
                 const QString& komis = QString(), const QString& minSum = QString(), const QString& maxSum = QString());

    QComboBox* podrBox() const { return podr_; }
    QLineEdit* komisEdit() const { return komis_; }
    QLineEdit* minEdit() const { return min_; }
    QLineEdit* maxEdit() const { return max_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void onOk();

    DepartmentCommissions& logic_;
    UserDialogs& dialogs_;
    QString kodSrv_;
    QComboBox* podr_;
    QLineEdit* komis_;
    QLineEdit* min_;
    QLineEdit* max_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
