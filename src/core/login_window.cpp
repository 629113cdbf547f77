#include "core/login_window.h"
#include "core/login_logic.h"
#include "db/db_error.h"
#include "util/user_dialogs.h"
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

LoginWindow::LoginWindow(LoginLogic& logic, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), logic_(logic), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Введите пароль"));
    setModal(true);
    users_ = new QComboBox(this);
    users_->setObjectName(QStringLiteral("cbUsers"));
    users_->setMinimumWidth(260);
    podr_ = new QComboBox(this);
    podr_->setObjectName(QStringLiteral("cbPodr"));
    podr_->setEditable(false);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("edPassword"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(10);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Пользователь"), users_);
    form->addRow(QStringLiteral("Подразделение"), podr_);
    form->addRow(QStringLiteral("Пароль"), password_);
    for (QWidget* w : {static_cast<QWidget*>(users_), static_cast<QWidget*>(podr_), static_cast<QWidget*>(password_)})
        w->installEventFilter(this);
    connect(users_, &QComboBox::currentIndexChanged, this, &LoginWindow::userChanged);
}

void LoginWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (loaded_)
        return;
    loaded_ = true;
    try {
        logic_.activate();
    } catch (const DbError& err) {
        dialogs_.message(err.message(), QString(), UserDialogs::Icon::Error);
    }
    {
        const QSignalBlocker block(users_);
        users_->clear();
        for (const LoginLogic::User& u : logic_.users())
            users_->addItem(u.oper);
        users_->setCurrentIndex(logic_.users().isEmpty() ? -1 : logic_.initialIndex());
    }
    userChanged(users_->currentIndex());
    password_->setFocus();
}

void LoginWindow::userChanged(int index)
{
    try {
        logic_.selectUser(index);
    } catch (const DbError& err) {
        dialogs_.message(err.message(), QString(), UserDialogs::Icon::Error);
    }
    podr_->clear();
    podr_->addItems(logic_.departments());
    podr_->setCurrentIndex(logic_.departmentIndex());
}

void LoginWindow::tryLogin()
{
    if (podr_->currentText().isEmpty())
        return;
    LoginLogic::Result r = LoginLogic::Result::NoUser;
    try {
        r = logic_.login(users_->currentIndex(), podr_->currentText(), password_->text());
    } catch (const DbError& err) {
        dialogs_.message(err.message(), QString(), UserDialogs::Icon::Error);
    }
    switch (r) {
    case LoginLogic::Result::Accepted:
        accept();
        break;
    case LoginLogic::Result::WrongPassword:
        password_->clear();
        dialogs_.message(QString::fromUtf8(LoginLogic::kWrongPassword));
        password_->setFocus();
        break;
    case LoginLogic::Result::NoDepartment:
    case LoginLogic::Result::NoUser:
        break;
    }
}

void LoginWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        tryLogin();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool LoginWindow::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            tryLogin();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
