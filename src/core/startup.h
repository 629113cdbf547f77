#pragma once
#include "core/register_session.h"
#include "core/work_folder.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct WorkingState;
class Database;
class DbUtils;
class Log;
class Clock;
class UserDialogs;
class MenuState;
class StatusRefresh;
class SingleInstance;

// Brings the workstation from launch to the working state, on the main window's first activation:
// configuration files, the single-copy check, the database, the program update, the login, the user's
// row, today's shift, the department, the named settings, the register connection and the shift decision.
// Headless: windows are reached through the hooks below, questions through UserDialogs.
class Startup {
public:
    enum class Outcome {
        Ready,          // a cashier works
        Stop,           // start-up cannot go on or nobody logged in: the program ends
        Restarted,      // the program was replaced and the new copy started: this one ends
        CloseRequested, // the cashier chose to end the program when the shift could not be opened
    };

    Startup(WorkFolder folder, WorkingState& ws, Database& db, DbUtils& utils, Log& log, Clock& clock,
            UserDialogs& dialogs, RegisterSession& reg, ShiftOperations& shifts, MenuState& menus,
            StatusRefresh& status);
    ~Startup();

    // --- hooks and replaceable parts
    // Shows the login window; true when a user logged in.
    std::function<bool()> login;
    // The main window's day pickers get this day.
    std::function<void(const QDate&)> setDay;
    // The main window's shift list and payment list.
    std::function<void()> refreshLists;
    // Whether a serial port's device can be opened (serial_port_exists unless replaced).
    PortCheck portExists;
    // The executable the program update replaces, and the arguments of the new start.
    QString executable;
    QStringList arguments;
    std::function<bool(const QString&, const QStringList&)> startProgram;
    // Central-mode download of a new program version (the exchange layer).
    std::function<bool(const QString& target)> downloadProgram;

    Outcome run();
    // Why start-up stopped (empty when it did not).
    QString error() const { return error_; }

    static constexpr const char* kSecondCopy = "Обнаружена еще одна работающая копия программы!";
    static constexpr const char* kRegisterOff =
        "Фискальный регистратор выключен или не настроен COM порт. Использование функций ФР невозможно.";

private:
    bool readDatabaseFile(QString* connection);
    bool connectDatabase(const QString& connection);
    void updateOperator();
    void readOperator();
    QString openShift(const QString& sql);
    void findTodayShift();
    void readDepartment();
    void applySettings();
    int connectRegister();
    bool decideShift();
    void storeShift();
    Outcome stop(const QString& why);

    WorkFolder folder_;
    WorkingState& ws_;
    Database& db_;
    DbUtils& utils_;
    Log& log_;
    Clock& clock_;
    UserDialogs& dialogs_;
    RegisterSession& reg_;
    ShiftOperations& shifts_;
    MenuState& menus_;
    StatusRefresh& status_;
    std::unique_ptr<SingleInstance> instance_;
    QString error_;
};
