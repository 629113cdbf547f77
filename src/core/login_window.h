#pragma once
#include <QDialog>

class LoginLogic;
class UserDialogs;
class QComboBox;
class QLineEdit;

// "Введите пароль": user, department and password. Enter logs in (nothing happens without a department),
// Escape closes without login. exec() gives Accepted when a user logged in.
class LoginWindow : public QDialog {
    Q_OBJECT
public:
    LoginWindow(LoginLogic& logic, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Enter.
    void tryLogin();

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void userChanged(int index);

    LoginLogic& logic_;
    UserDialogs& dialogs_;
    QComboBox* users_;
    QComboBox* podr_;
    QLineEdit* password_;
    bool loaded_ = false;
};
