#include "core/startup.h"
#include "core/fr_ini.h"
#include "core/menu_state.h"
#include "core/named_settings.h"
#include "core/program_update.h"
#include "core/program_version.h"
#include "core/status_refresh.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/clock.h"
#include "util/log.h"
#include "util/single_instance.h"
#include "util/user_dialogs.h"
#include <QFile>
#include <QLocale>

namespace {
const QString kAppTitle = QStringLiteral("Прием платежей");
QString id(const char* name) { return QString::fromLatin1(name); }
} // namespace

Startup::Startup(WorkFolder folder, WorkingState& ws, Database& db, DbUtils& utils, Log& log, Clock& clock,
                 UserDialogs& dialogs, RegisterSession& reg, ShiftOperations& shifts, MenuState& menus,
                 StatusRefresh& status)
    : portExists(static_cast<bool (*)(const QString&, const QString&)>(serial_port_exists)), folder_(std::move(folder)), ws_(ws), db_(db), utils_(utils), log_(log),
      clock_(clock), dialogs_(dialogs), reg_(reg), shifts_(shifts), menus_(menus), status_(status)
{
}

Startup::~Startup() = default;

Startup::Outcome Startup::stop(const QString& why)
{
    error_ = why;
    return Outcome::Stop;
}

bool Startup::readDatabaseFile(QString* connection)
{
    QFile f(folder_.databaseFile());
    if (!f.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Не найден файл подключения к базе данных ") + folder_.databaseFile();
        return false;
    }
    const QString text = QString::fromLocal8Bit(f.readLine()).trimmed();
    if (text.isEmpty()) {
        error_ = QStringLiteral("В файле ") + folder_.databaseFile() + QStringLiteral(" нет строки подключения к базе данных");
        return false;
    }
    *connection = text;
    return true;
}

bool Startup::connectDatabase(const QString& connection)
{
    try {
        db_.attach(connection, ws_.dbuser, ws_.dbpass);
        return true;
    } catch (const DbError& e) {
        error_ = e.message();
        log_.writelog(QStringLiteral("Ошибка подключения к базе данных ") + connection + QStringLiteral(": ") + e.message());
        return false;
    }
}

void Startup::updateOperator()
{
    QVariantMap p;
    p.insert(QStringLiteral("PODR"), ws_.cur_podr);
    p.insert(QStringLiteral("VRS"), ws_.program_version);
    p.insert(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
    utils_.exec_logged(QStringLiteral("UPDATE OPERATOR SET PODR=:PODR, VRS=:VRS WHERE OPER_NOM=:OPER_NOM;"), p,
                       QStringLiteral("OPERATOR"));
}

void Startup::readOperator()
{
    const QString full = QStringLiteral("SELECT OPERATOR.COMPORT, OPERATOR.PSWD, OPERATOR.PODR, OPERATOR.OPENDATE, "
                                        "OPERATOR.USRROL, OPERATOR.OPER, OPERATOR.USR, operator.operdays FROM OPERATOR "
                                        "WHERE operator.OPER_NOM=:OPER_NOM;");
    const QString older = QStringLiteral("SELECT OPERATOR.COMPORT, OPERATOR.PSWD, OPERATOR.PODR, OPERATOR.OPENDATE, "
                                         "OPERATOR.USRROL, OPERATOR.OPER, OPERATOR.USR, null FROM OPERATOR "
                                         "WHERE operator.OPER_NOM=:OPER_NOM;");
    for (const QString& sql : {full, older}) {
        try {
            Query q(db_.main(), sql);
            q.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
            q.open();
            if (!q.eof()) {
                if (!q.isNull(7) && !q.text(7).isEmpty())
                    ws_.oper_days = static_cast<int>(q.integer(7));
                if (ws_.fr_port.isEmpty())
                    ws_.fr_port = q.text(0);
                if (ws_.fr_password.isEmpty())
                    ws_.fr_password = q.text(1);
                ws_.cur_podr = q.text(2);
                ws_.cur_role = q.text(4);
                ws_.cur_oper_name = q.text(5);
                ws_.cur_acc_user = q.text(6);
            }
            q.close();
            db_.main().commit();
            return;
        } catch (const DbError& e) {
            db_.main().rollback();
            log_.writelog(QStringLiteral("Ошибка чтения пользователя: ") + e.message());
        }
    }
}

// The first shift a shift statement finds for the user in the department (":DAT" = today), or empty.
QString Startup::openShift(const QString& sql)
{
    QString found;
    try {
        Query q(db_.main(), sql);
        q.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        q.setParam(QStringLiteral("PODR"), ws_.cur_podr);
        if (q.hasParam(QStringLiteral("DAT")))
            q.setParam(QStringLiteral("DAT"), clock_.today());
        q.open();
        if (!q.eof())
            found = q.text(0);
        q.close();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка поиска смены: ") + e.message());
    }
    return found;
}

void Startup::findTodayShift()
{
    ws_.cur_smena_nom = openShift(QStringLiteral("SELECT SMENA_NOM FROM SMENA WHERE OPER_NOM=:OPER_NOM AND OPN_DAT=:DAT "
                                                 "AND PODR=:PODR and CLS_DAT is null;"));
    log_.writelog(QStringLiteral("Найдена подходящая открытая на сегодня смена: ") + ws_.cur_smena_nom);
}

void Startup::readDepartment()
{
    try {
        Query q(db_.main(), QStringLiteral("SELECT HDR,CHK_HDR,ID FROM BIS WHERE PODR=:PODR;"));
        q.setParam(QStringLiteral("PODR"), ws_.cur_podr);
        q.open();
        if (!q.eof()) {
            ws_.report_header = q.text(0);
            ws_.receipt_header = q.text(1);
            ws_.podr_ident = q.text(2);
        }
        q.close();
        if (ws_.receipt_header.isEmpty())
            ws_.receipt_header = NamedSettings::value(db_, QStringLiteral("chk_hdr"));
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка чтения подразделения: ") + e.message());
    }
}

void Startup::applySettings()
{
    try {
        NamedSettings::load(db_, ws_);
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка чтения настроек: ") + e.message());
    }
    if (ws_.isCashier()) {
        if (ws_.limit)
            menus_.hide(id(menu::BisExport));
        if (ws_.add)
            menus_.show(id(menu::AddProvider));
    }
    menus_.set(id(menu::BisExport), menus_.visible(id(menu::BisExport)) && !ws_.centpko);
    ws_.pko_export_visible = ws_.centpko;
}

int Startup::connectRegister()
{
    const int d = ws_.fr_driver;
    int result = 0;
    reg_.configure(ws_);
    if (d == 0 || d == 3) {
        for (int n = 1; n <= 6; ++n) {
            ws_.fr_port = QStringLiteral("COM%1").arg(n);
            if (!portExists || !portExists(ws_.fr_port, ws_.comDevice(n))) {
                result = 13;
            } else {
                log_.writelog(ws_.fr_port);
                reg_.configure(ws_);
                result = reg_.fr_connect();
            }
            if (result == 0 || result == 21)
                break;
        }
    }
    if (setDay)
        setDay(clock_.today());
    if (d == 4)
        menus_.show(id(menu::Register));
    if (d == 0 || d == 3) {
        if (result == 21) {
            dialogs_.message(QStringLiteral("Смена открыта не сегодня. Выполняю закрытие смены."));
            shifts_.CloseSession();
            result = 0;
        }
        if (d == 0)
            menus_.show(id(menu::Register));
        menus_.show(id(menu::CashCert));
        menus_.hide(id(menu::RegisterCashCert));
        menus_.hide(id(menu::PaymentsReport));
    }
    if (d == 1 || d == 6) {
        if (!reg_.create_driver())
            ws_.fr_connected = false;
        log_.writelog(QStringLiteral("Инициализация атол"));
        reg_.configure(ws_);
        result = reg_.fr_connect();
        menus_.show(id(menu::Register));
    }
    if (d == 2 || d == 5) {
        if (!reg_.create_driver()) {
            dialogs_.message(QStringLiteral("Не удалось создать объект драйвера ККМ!"), kAppTitle, UserDialogs::Icon::Error);
            ws_.fr_connected = false;
        }
        log_.writelog(QStringLiteral("Инициаозация штрих"));
        reg_.configure(ws_);
        result = reg_.fr_connect();
        menus_.show(id(menu::Register));
    }
    if (result != 0)
        dialogs_.message(QString::fromUtf8(kRegisterOff));
    else
        ws_.fr_connected = true;
    return result;
}

bool Startup::decideShift()
{
    if (!ws_.cur_smena_nom.isEmpty())
        return true;
    log_.writelog(QStringLiteral("Нет подходящей открытой сегодня смены."));
    reg_.configure(ws_);
    reg_.fr_connect();
    const int d = ws_.fr_driver;
    if (!ws_.fr_connected || d == 1 || d == 2 || d == 3 || d == 4 || !ws_.fr_shift_open || ws_.noclose)
        return shifts_.OpenSession();
    if (dialogs_.askYesNo(QStringLiteral("Найдена открытая в предыдущем дне смена. Закрыть смену?"), kAppTitle)) {
        log_.writelog(QStringLiteral("Закрываем и открываем новую по решению кассира."));
        shifts_.CloseSession();
        return shifts_.OpenSession();
    }
    log_.writelog(QStringLiteral("Пытаемся работать в незакрытой старой смене."));
    const QString older = openShift(QStringLiteral("SELECT SMENA_NOM FROM SMENA WHERE OPER_NOM=:OPER_NOM AND PODR=:PODR and "
                                                   "CLS_DAT is null ORDER BY OPN_DAT DESC;"));
    if (!older.isEmpty())
        ws_.cur_smena_nom = older;
    if (!ws_.cur_smena_nom.isEmpty())
        return true;
    log_.writelog(QStringLiteral("Не получилось найти подходящую, закрываем и открываем новую."));
    shifts_.CloseSession();
    return shifts_.OpenSession();
}

void Startup::storeShift()
{
    try {
        Query q(db_.main(), QStringLiteral("UPDATE OPERATOR SET OPENDATE=:OPENDATE, SMENA_NOM=:SMENA_NOM WHERE OPER_NOM=:OPER_NOM;"));
        q.setParam(QStringLiteral("OPENDATE"), clock_.today().toString(QStringLiteral("ddMMyy")));
        if (ws_.cur_smena_nom.isEmpty())
            q.setParamNull(QStringLiteral("SMENA_NOM")); // no shift: the row keeps "none", not an empty number
        else
            q.setParam(QStringLiteral("SMENA_NOM"), ws_.cur_smena_nom);
        q.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        q.execute();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка записи смены пользователя: ") + e.message());
    }
    if (refreshLists)
        refreshLists();
}

Startup::Outcome Startup::run()
{
    // 1. number and date conventions: "," and "dd.MM.yyyy"
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    // 2-4. configuration files
    QString connection;
    if (!readDatabaseFile(&connection)) {
        log_.writelog(error_);
        dialogs_.message(error_, kAppTitle, UserDialogs::Icon::Error);
        return Outcome::Stop;
    }
    ws_.program_version = program_version();
    FrIni::read(folder_.frIniFile(), ws_, &log_);
    if (ws_.pinpad)
        menus_.show(id(menu::Pos));

    // 5. one copy per computer
    if (ws_.runoneprc) {
        instance_ = std::make_unique<SingleInstance>(folder_.path());
        if (!instance_->acquire()) {
            log_.writelog(QString::fromUtf8(kSecondCopy));
            dialogs_.message(QString::fromUtf8(kSecondCopy), kAppTitle, UserDialogs::Icon::Warning);
            return stop(QString::fromUtf8(kSecondCopy));
        }
    }

    // 6. the database
    if (!connectDatabase(connection)) {
        dialogs_.message(error_, kAppTitle, UserDialogs::Icon::Error);
        return Outcome::Stop;
    }
    QString defokato;
    try {
        defokato = NamedSettings::value(db_, QStringLiteral("defokato"));
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка чтения настроек: ") + e.message());
    }
    const bool secondRegistry = defokato.left(2) == QLatin1String("24");
    menus_.set(id(menu::ShiftRegistry1), !secondRegistry);
    menus_.set(id(menu::ShiftRegistry2), secondRegistry);
    log_.writelog(QStringLiteral("Программа запущена."));

    // 7. a newer program version
    ProgramUpdate update(ws_, db_, log_, dialogs_);
    update.executable = executable;
    update.arguments = arguments;
    if (startProgram)
        update.startProgram = startProgram;
    update.download = downloadProgram;
    if (update.run())
        return Outcome::Restarted;

    // 8. login
    if (!login || !login())
        return stop(QStringLiteral("Вход не выполнен"));

    // 9-13. the user, the shift of today, the department
    updateOperator();
    readOperator();
    if (!ws_.central_mode.isEmpty()) {
        ws_.cur_role = QStringLiteral("2");
        ws_.new_payee_button_visible = false;
        menus_.hide(id(menu::Payees));
        menus_.hide(id(menu::ChangePodr));
        menus_.show(id(menu::Reconcile));
    } else {
        menus_.hide(id(menu::Reconcile));
    }
    findTodayShift();
    readDepartment();

    // 14. named settings
    applySettings();

    // 15-20. the register
    connectRegister();

    // 21-23. status and the shift decision
    status_.status_refresh(false, true);
    const bool goOn = decideShift();
    storeShift();
    return goOn ? Outcome::Ready : Outcome::CloseRequested;
}
