#pragma once
#include "core/menu_state.h"
#include "core/register_session.h"
#include "core/startup.h"
#include "core/work_folder.h"
#include "core/working_state.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Database;
class DbUtils;
class Log;
class Clock;
class UserDialogs;
class StatusRefresh;
class ChangeDepartment;
class Form1;
class QtUserDialogs;
class PaymentsController;
class CancellationDevices;
struct RecordAccess;

// The application: the working state, the database with its two transactions, the log, the clock, the
// dialogs, the register and the main window, created once and wired together. main() makes one and shows
// its main window; tests make one with their own parts.
class Workstation {
public:
    // Parts a test (or the fiscal layer) may supply; the program's defaults are used for the empty ones.
    struct Parts {
        UserDialogs* dialogs = nullptr;             // the real message boxes
        Clock* clock = nullptr;                     // the system clock
        // the register layer; NoDeviceRegister
        std::function<std::unique_ptr<RegisterSession>(Workstation&)> reg;
        // the shift operations; DatabaseShiftOperations
        std::function<std::unique_ptr<ShiftOperations>(Workstation&)> shifts;
        PortCheck portExists;                       // serial_port_exists
        QString executable;                         // QCoreApplication::applicationFilePath()
        QStringList arguments;                      // the command line without the program
        std::function<bool(const QString&, const QStringList&)> startProgram;
        // the register, pinpad, gateway and exchange operations of a payment cancellation (F8);
        // NoCancellationDevices
        std::function<std::unique_ptr<CancellationDevices>(Workstation&)> cancellation;
    };

    Workstation(WorkFolder folder, Parts parts);
    ~Workstation();

    WorkFolder folder() const { return folder_; }
    WorkingState& state() { return ws_; }
    Database& database() { return *db_; }
    DbUtils& utils() { return *utils_; }
    Log& log() { return *log_; }
    Clock& clock() { return *clock_; }
    UserDialogs& dialogs() { return *dialogs_; }
    RegisterSession& registerSession() { return *reg_; }
    ShiftOperations& shifts() { return *shifts_; }
    MenuState& menus() { return menus_; }
    StatusRefresh& status() { return *status_; }
    ChangeDepartment& departmentChange() { return *change_; }
    Form1& mainWindow() { return *window_; }
    PaymentsController& payments() { return *payments_; }
    CancellationDevices& cancellationDevices() { return *cancellation_; }

    // The main window's shift list and payment list (sm_list, show_pmnts), supplied by the payment list.
    std::function<void()> refreshLists;
    // The site-to-site replication run when the program ends (the exchange layer).
    std::function<void()> replication;
    // Central-mode download of a new program version (the exchange layer).
    std::function<bool(const QString& target)> downloadProgram;
    // Central mode: refresh the user list from the server before the login window lists it, and fetch
    // the services and run new schema scripts once a user and department were chosen (the exchange layer).
    std::function<void()> loginRefreshUsers;
    std::function<void()> loginAfterChoice;
    // The main window's day pickers (and the filter window's) get this day at start-up.
    std::function<void(const QDate&)> setDay;
    // "Открыть ящик": the register's OpenDrawer between fr_connect and fr_disconnect (the fiscal layer).
    std::function<void()> openDrawer;
    // A text in the program's text window (an export's report in the list of exports).
    std::function<void(const QString& caption, const QString& text)> showText;
    // Central mode: a request to the server whose reply is merged into the local tables ("pswdch").
    std::function<void(const QString& command, const QString& params)> centralRequest;
    // Central mode: the workstation went online; send every unsent record.
    std::function<void()> goOnline;
    // Opens the payment record window (F1 view, F9 edit); unset, the record is shown read-only.
    std::function<void(const QString& uid, const RecordAccess& access)> openRecord;

    // Menu commands of the main window.
    void changePassword();
    void showList(const QString& caption, const QString& sql);
    void showKbk();

    // Start-up; run by the main window's first activation.
    Startup::Outcome start();
    std::optional<Startup::Outcome> outcome() const { return outcome_; }
    bool loggedIn() const { return !ws_.cur_oper_nom.isEmpty(); }
    // Shows the login window; true when a user logged in.
    bool showLogin();
    // The end of work after "Закрыть программу?" was answered Yes.
    void closeDown();

private:
    void connectMenu();

    WorkFolder folder_;
    WorkingState ws_;
    MenuState menus_;
    std::unique_ptr<Clock> ownClock_;
    Clock* clock_;
    std::unique_ptr<Log> log_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<DbUtils> utils_;
    std::unique_ptr<QtUserDialogs> ownDialogs_;
    UserDialogs* dialogs_;
    std::unique_ptr<RegisterSession> reg_;
    std::unique_ptr<StatusRefresh> status_;
    std::unique_ptr<ShiftOperations> shifts_;
    std::unique_ptr<ChangeDepartment> change_;
    std::unique_ptr<Form1> window_;
    std::unique_ptr<CancellationDevices> cancellation_;
    std::unique_ptr<PaymentsController> payments_;
    std::unique_ptr<Startup> startup_;
    PortCheck portExists_;
    QString executable_;
    QStringList arguments_;
    std::function<bool(const QString&, const QStringList&)> startProgram_;
    std::optional<Startup::Outcome> outcome_;
};
