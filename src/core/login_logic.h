#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct WorkingState;
class Database;
class Log;

// The login window's logic: the list of users who may log in, the departments offered for the chosen
// user, and the password check. The window shows the lists and passes the choice back.
class LoginLogic {
public:
    struct User {
        QString oper_nom;
        QString oper;
    };
    enum class Result { Accepted, NoDepartment, WrongPassword, NoUser };

    LoginLogic(WorkingState& ws, Database& db, Log& log, QString userFile);

    // Activation of the window: the user list (blocked users left out; in central mode only cashiers)
    // and the entry to preselect (the one remembered in the "user" file, else the first).
    void activate();
    const QList<User>& users() const { return users_; }
    int initialIndex() const { return initial_; }

    // The user with this index was chosen: reads the workstation's address and the user's department,
    // role and shift, and builds the department list.
    void selectUser(int index);
    const QStringList& departments() const { return departments_; }
    // The user's own department when it is in the list, else the first (-1 for an empty list).
    int departmentIndex() const { return podrIndex_; }
    QString selectedRole() const { return role_; }
    QString clientAddress() const { return address_; }

    // Enter: logs in the user with the department and password. Accepted fills cur_oper_nom, cur_podr and
    // cur_pass_hash and remembers the index in the "user" file.
    Result login(int userIndex, const QString& podr, const QString& password);

    // Exchange steps of central mode: before the user list is read (refresh the users from the server)
    // and after a user and department were chosen (services and schema scripts). Empty in other modes.
    std::function<void()> beforeUserList;
    std::function<void()> afterChoice;

    static constexpr const char* kWrongPassword = "Неправильный пароль!";

private:
    WorkingState& ws_;
    Database& db_;
    Log& log_;
    QString userFile_;
    QList<User> users_;
    int initial_ = 0;
    QStringList departments_;
    int podrIndex_ = -1;
    QString role_;
    QString address_;
};
