#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct WorkingState;
class Database;
class DbUtils;
class Log;
class RegisterSession;
class StatusRefresh;

// "Сменить подразделение": the user's open shift and its payments move to another department.
class ChangeDepartment {
public:
    ChangeDepartment(WorkingState& ws, Database& db, DbUtils& utils, Log& log, RegisterSession& reg,
                     StatusRefresh& status);

    // The departments offered (the cashier's restriction as at login).
    QStringList departments();
    // Shows the list (the department choice window) and returns the chosen code; nothing on "Отмена".
    std::function<std::optional<QString>(const QStringList&)> choose;
    // The main window's payment list.
    std::function<void()> refreshLists;

    // The whole command; false when nothing was chosen.
    bool change_department();
    // "ОК" with a department: cur_podr, the shift and its payments, the department's headers.
    void apply(const QString& podr);

private:
    WorkingState& ws_;
    Database& db_;
    DbUtils& utils_;
    Log& log_;
    RegisterSession& reg_;
    StatusRefresh& status_;
};
