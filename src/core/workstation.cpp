#include "core/workstation.h"
#include "core/about_window.h"
#include "core/change_department.h"
#include "core/database_shifts.h"
#include "core/department_window.h"
#include "core/login_logic.h"
#include "core/login_window.h"
#include "core/main_window.h"
#include "core/no_device_register.h"
#include "core/qt_user_dialogs.h"
#include "core/status_refresh.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "util/clock.h"
#include "util/log.h"
#include <QAction>
#include <QCoreApplication>
#include <QLabel>

Workstation::Workstation(WorkFolder folder, Parts parts) : folder_(std::move(folder))
{
    if (parts.clock) {
        clock_ = parts.clock;
    } else {
        ownClock_ = std::make_unique<SystemClock>();
        clock_ = ownClock_.get();
    }
    log_ = std::make_unique<Log>(folder_.logFolder(), clock_);
    db_ = std::make_unique<Database>();
    utils_ = std::make_unique<DbUtils>(*db_, *log_);
    utils_->setOperatorSource([this] { return ws_.cur_oper_nom; });
    if (parts.dialogs) {
        dialogs_ = parts.dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtUserDialogs>();
        dialogs_ = ownDialogs_.get();
    }
    reg_ = parts.reg ? parts.reg(*this) : std::make_unique<NoDeviceRegister>();
    status_ = std::make_unique<StatusRefresh>(ws_, *db_, *reg_, menus_, *clock_);
    if (parts.shifts) {
        shifts_ = parts.shifts(*this);
    } else {
        auto s = std::make_unique<DatabaseShiftOperations>(ws_, *db_, *utils_, *log_, *clock_);
        s->statusRefresh = [this](bool f, bool p) { status_->status_refresh(f, p); };
        s->refreshLists = [this] {
            if (refreshLists)
                refreshLists();
        };
        shifts_ = std::move(s);
    }
    change_ = std::make_unique<ChangeDepartment>(ws_, *db_, *utils_, *log_, *reg_, *status_);
    window_ = std::make_unique<Form1>(menus_, *dialogs_);
    if (ownDialogs_)
        ownDialogs_->setParent(window_.get());
    change_->choose = [this](const QStringList& list) { return DepartmentWindow::choose(list, window_.get()); };
    change_->refreshLists = [this] {
        if (refreshLists)
            refreshLists();
    };
    status_->setTitleListener([this](const QString& t) { window_->setWindowTitle(t); });

    portExists_ = parts.portExists ? parts.portExists : PortCheck(static_cast<bool (*)(const QString&, const QString&)>(serial_port_exists));
    executable_ = parts.executable.isEmpty() ? QCoreApplication::applicationFilePath() : parts.executable;
    arguments_ = parts.arguments;
    startProgram_ = parts.startProgram;

    window_->loggedIn = [this] { return loggedIn(); };
    window_->onFirstActivation = [this] {
        const Startup::Outcome o = start();
        if (o == Startup::Outcome::Stop || o == Startup::Outcome::Restarted)
            window_->closeNow();
        else if (o == Startup::Outcome::CloseRequested)
            window_->close();
    };
    window_->onActivation = [this] { log_->writelog(status_->status_refresh(false, true)); };
    window_->onClosing = [this] { closeDown(); };
    connectMenu();
}

Workstation::~Workstation()
{
    // the main window's hooks refer to this object
    window_.reset();
}

void Workstation::connectMenu()
{
    QObject::connect(window_->action(QString::fromLatin1(menu::Exit)), &QAction::triggered, window_.get(),
                     [this] { window_->close(); });
    QObject::connect(window_->action(QString::fromLatin1(menu::About)), &QAction::triggered, window_.get(), [this] {
        AboutWindow w(window_.get());
        w.exec();
    });
    QObject::connect(window_->action(QString::fromLatin1(menu::ChangePodr)), &QAction::triggered, window_.get(),
                     [this] { change_->change_department(); });
}

bool Workstation::showLogin()
{
    LoginLogic logic(ws_, *db_, *log_, folder_.userFile());
    logic.beforeUserList = loginRefreshUsers;
    logic.afterChoice = loginAfterChoice;
    LoginWindow w(logic, *dialogs_, window_.get());
    return w.exec() == QDialog::Accepted && loggedIn();
}

Startup::Outcome Workstation::start()
{
    startup_ = std::make_unique<Startup>(folder_, ws_, *db_, *utils_, *log_, *clock_, *dialogs_, *reg_, *shifts_,
                                         menus_, *status_);
    startup_->login = [this] { return showLogin(); };
    startup_->refreshLists = [this] {
        if (refreshLists)
            refreshLists();
    };
    startup_->setDay = [this](const QDate& d) {
        if (setDay)
            setDay(d);
    };
    startup_->portExists = portExists_;
    startup_->executable = executable_;
    startup_->arguments = arguments_;
    startup_->startProgram = startProgram_;
    startup_->downloadProgram = downloadProgram;
    outcome_ = startup_->run();
    if (!ws_.central_mode.isEmpty())
        window_->statusPanel(2)->setText(ws_.online ? QStringLiteral("На связи") : QStringLiteral("Автономно"));
    window_->setStarted(true);
    return *outcome_;
}

void Workstation::closeDown()
{
    try {
        if (replication)
            replication();
    } catch (...) {
    }
    db_->detach();
    if ((ws_.fr_driver == 1 || ws_.fr_driver == 6) && ws_.fr_connected)
        reg_->release_driver();
    log_->writelog(QStringLiteral("Завершение работы программы."));
    ws_.cur_oper_nom.clear();
}
