#pragma once
#include <QString>
#include <functional>

struct WorkingState;
class Database;
class Log;
class UserDialogs;

// "Изменить пароль": the old password, the new one twice; stored locally or, with a central server,
// changed there ("pswdch") and taken back from the refreshed user row.
class PasswordChange {
public:
    PasswordChange(WorkingState& ws, Database& db, Log& log, UserDialogs& dialogs);

    // Central mode: sends "pswdch" with the parameter text ("newpass=" + MD5 text) and merges the reply
    // into the user row (the exchange layer). Unset: the request cannot be sent.
    std::function<void(const QString& command, const QString& params)> centralRequest;
    // The main window's payment list.
    std::function<void()> refreshLists;

    enum class Result { Cancelled, WrongOld, Mismatch, Changed, Failed };
    Result run();

    static constexpr const char* kCaption = "Смена пароля";

private:
    QString storedPass();

    WorkingState& ws_;
    Database& db_;
    Log& log_;
    UserDialogs& dialogs_;
};
