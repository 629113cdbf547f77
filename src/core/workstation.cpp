#include "core/workstation.h"
#include "core/about_window.h"
#include "core/cancellation_devices.h"
#include "core/list_window.h"
#include "core/password_change.h"
#include "core/payments_controller.h"
#include "core/value_picker.h"
#include "db/journal.h"
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
    cancellation_ = parts.cancellation ? parts.cancellation(*this) : std::make_unique<NoCancellationDevices>();
    payments_ = std::make_unique<PaymentsController>(*window_, ws_, *db_, *utils_, *log_, *dialogs_, *cancellation_);
    payments_->statusRefresh = [this] { status_->status_refresh(false, true); };
    payments_->goOnline = [this] {
        if (goOnline)
            goOnline();
    };
    payments_->openRecord = [this](const QString& uid, const RecordAccess& a) {
        if (!openRecord)
            return false;
        openRecord(uid, a);
        return true;
    };
    refreshLists = [this] { payments_->refresh(); };
    setDay = [this](const QDate& d) { payments_->setDay(d); };

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
    payments_.reset();
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
    auto on = [this](const char* id, std::function<void()> f) {
        QObject::connect(window_->action(QString::fromLatin1(id)), &QAction::triggered, window_.get(), std::move(f));
    };
    on(menu::ChangePassword, [this] { changePassword(); });
    on(menu::OpenDrawer, [this] {
        if (openDrawer)
            openDrawer();
    });
    on(menu::Journal, [this] { showList(QStringLiteral("Журнал изменений"), QString::fromUtf8(JournalViewer::kListSql)); });
    on(menu::Shifts, [this] { showList(QStringLiteral("Смены"), QString::fromUtf8(ListWindowLogic::kShiftsSql)); });
    on(menu::BisExports,
       [this] { showList(QStringLiteral("Выгрузки в БИС"), QString::fromUtf8(ListWindowLogic::kBisExportsSql)); });
    on(menu::ActiveUsers, [this] {
        showList(QStringLiteral("Работающие пользователи"), QString::fromUtf8(ListWindowLogic::kActiveUsersSql));
    });
    on(menu::Okato, [this] { showList(QStringLiteral("ОКАТО"), QString::fromUtf8(ListWindowLogic::kOkatoSql)); });
    on(menu::Kbk, [this] { showKbk(); });
}

void Workstation::changePassword()
{
    PasswordChange p(ws_, *db_, *log_, *dialogs_);
    p.centralRequest = centralRequest;
    p.refreshLists = [this] { payments_->show_pmnts(); };
    p.run();
}

void Workstation::showList(const QString& caption, const QString& sql)
{
    ListWindowLogic logic(*db_, *utils_, *dialogs_, caption, sql);
    try {
        logic.open();
    } catch (const DbError& e) {
        dialogs_->message(e.message(), QString(), UserDialogs::Icon::Error);
        return;
    }
    ListWindow w(logic, *db_, *utils_, *dialogs_, window_.get());
    w.showText = showText;
    w.exec();
}

void Workstation::showKbk()
{
    Form37::pick(db_->main(), *dialogs_,
                 QStringLiteral("SELECT KBK,PRIM FROM KBK WHERE KBK STARTING WITH :KOD_ADM AND PRIM STARTING WITH :FLT "
                                "ORDER BY PRIM"),
                 window_.get(), nullptr, {{QStringLiteral("KOD_ADM"), QString()}}, utils_.get());
    db_->main().commit();
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
