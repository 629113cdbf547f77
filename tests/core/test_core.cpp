// Start-up, fr.ini, login logic, status line and program update, headless against a real database.
#include "core/change_department.h"
#include "core/department_list.h"
#include "core/fr_ini.h"
#include "core/program_update.h"
#include "core/program_version.h"
#include "core_fixture.h"
#include "util/single_instance.h"
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace std::string_literals;

// ---------------------------------------------------------------- fr.ini

TEST(FrIni, LinesAsTheFileReadsThem)
{
    struct Case {
        const char* name;
        QStringList lines;
        std::function<void(const WorkingState&, const QStringList& bad)> check;
    };
    const std::vector<Case> cases = {
        {"shtrihf is not shtrih", {"driver=shtrihf"}, [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 5); }},
        {"shtrih", {"driver=shtrih"}, [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 2); }},
        {"every name", {"driver=atolf"}, [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 6); }},
        {"unknown driver keeps Prim", {"driver=epson"}, [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 0); }},
        {"the last driver line wins", {"driver=atol", "port=COM4", "driver=winprn"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 4); EXPECT_EQ(ws.fr_port, "COM4"); }},
        {"an unknown later name changes nothing", {"driver=atol", "driver=foo"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.fr_driver, 1); }},
        {"check_width 42", {"check_width=42"}, [](auto& ws, auto& bad) { EXPECT_EQ(ws.check_width, 42); EXPECT_TRUE(bad.isEmpty()); }},
        {"numeric key without digits keeps its default", {"check_width=", "cut_shft=много", "prim_loffs=32"},
         [](auto& ws, auto& bad) {
             EXPECT_EQ(ws.check_width, 40);
             EXPECT_EQ(ws.cut_shft, 7);
             EXPECT_EQ(bad, QStringList({"check_width=", "cut_shft=много"}));
         }},
        {"digits after the sixth character only", {"prndelay=1 5 0 мс", "font_size=12"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.prndelay, 150); EXPECT_EQ(ws.font_size, 12); }},
        {"key anywhere in the line", {"  ; timeout=60", "x dbuser=KASSA"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.exchange_timeout, 60); EXPECT_EQ(ws.dbuser, "KASSA"); }},
        {"lptport is not port", {"port=COM2", "lptport=/dev/lp0"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.fr_port, "COM2"); EXPECT_EQ(ws.lptport, "/dev/lp0"); }},
        {"pswd and pswd2", {"pswd2=30", "pswd=1"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.fr_password, "1"); EXPECT_EQ(ws.fr_password2, "30"); }},
        {"server", {"serv=http://10.0.0.1:8080/kvp\r", "podr=0101"},
         [](auto& ws, auto&) {
             EXPECT_EQ(ws.central_mode, "http://10.0.0.1:8080/kvp");
             EXPECT_TRUE(ws.online);
             EXPECT_EQ(ws.fixed_podr, "0101");
         }},
        {"flags", {"pinpad=sbrf", "altfeed=1", "runoneprc=1"},
         [](auto& ws, auto&) { EXPECT_TRUE(ws.pinpad); EXPECT_TRUE(ws.altfeed); EXPECT_TRUE(ws.runoneprc); }},
        {"flag off", {"runoneprc=0", "pinpad=none"}, [](auto& ws, auto&) { EXPECT_FALSE(ws.runoneprc); EXPECT_FALSE(ws.pinpad); }},
        {"serial port devices", {"com3=/tmp/prim"},
         [](auto& ws, auto&) { EXPECT_EQ(ws.comDevice(3), "/tmp/prim"); EXPECT_EQ(ws.comDevice(1), "/dev/ttyS0"); }},
        {"defaults", {},
         [](auto& ws, auto&) {
             EXPECT_EQ(ws.fr_speed, "9600");
             EXPECT_EQ(ws.prnname, "VENDOR THERMAL PRINTER");
             EXPECT_EQ(ws.dbpass, "plorvanek");
             EXPECT_EQ(ws.line_int, 30);
             EXPECT_EQ(ws.prim_hcopy, 1);
             EXPECT_EQ(ws.exchange_timeout, 30);
             EXPECT_TRUE(ws.central_mode.isEmpty());
             EXPECT_FALSE(ws.online);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkingState ws;
        const QStringList bad = FrIni::apply(c.lines, ws);
        c.check(ws, bad);
    }
}

TEST(FrIni, FileInCodePage1251)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fr.ini"));
    write_file(path, cp1251::encode(QStringLiteral("driver=winprn\r\nprnname=Чековый принтер\r\ncheck_width=\r\n")));
    WorkingState ws;
    Log log(dir.filePath(QStringLiteral("log")));
    ASSERT_TRUE(FrIni::read(path, ws, &log));
    EXPECT_EQ(ws.fr_driver, 4);
    EXPECT_EQ(ws.prnname, QStringLiteral("Чековый принтер"));
    EXPECT_TRUE(read_log(log).contains(QStringLiteral("check_width=")));
    EXPECT_FALSE(FrIni::read(dir.filePath(QStringLiteral("none.ini")), ws));
}

// ------------------------------------------------------ departments, login

TEST(Departments, CashierListFollowsTheAddressMask)
{
    CoreFixture f;
    f.sql(QStringLiteral("INSERT INTO BIS (PODR, IPMSK) VALUES ('0102', '10.0.5.')"));
    f.sql(QStringLiteral("INSERT INTO BIS (PODR, IPMSK) VALUES ('0103', '')"));
    f.sql(QStringLiteral("INSERT INTO BIS (PODR, IPMSK) VALUES ('0104', '192.168.1.')"));
    f.sql(QStringLiteral("UPDATE BIS SET IPMSK='10.0.' WHERE PODR='0101'"));
    struct Case {
        const char* role;
        const char* address;
        const char* fixed;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"2", "10.0.5.17", "", {"0101", "0102", "0103"}},
        {"2", "192.168.1.4", "", {"0103", "0104"}},
        {"2", "172.16.0.1", "", {"0103"}},
        {"2", "10.0.5.17", "0102", {"0102"}},
        {"0", "172.16.0.1", "", {"0000", "0101", "0102", "0103", "0104"}},
        {"1", "", "0102", {"0000", "0101", "0102", "0103", "0104"}},
    };
    f.withDb([&](Database& db) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.role) + " " + c.address);
            EXPECT_EQ(DepartmentList::load(db, QString::fromLatin1(c.role), QString::fromLatin1(c.address),
                                           QString::fromLatin1(c.fixed)),
                      c.expected);
        }
        return 0;
    });
    // '*' opens a department for every address, but never the main server "0000"
    f.sql(QStringLiteral("UPDATE BIS SET IPMSK='*'"));
    f.withDb([&](Database& db) {
        EXPECT_EQ(DepartmentList::load(db, QStringLiteral("2"), QStringLiteral("172.16.0.1"), QString()),
                  QStringList({"0101", "0102", "0103", "0104"}));
        return 0;
    });
}

TEST(Login, CashierWithoutDepartmentCannotLogIn)
{
    CoreFixture f;
    f.sql(QStringLiteral("UPDATE BIS SET IPMSK='10.77.'"));
    f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    LoginLogic logic(f.ws, f.db, f.log, f.folder.userFile());
    logic.activate();
    const int cashier = logic.users()[1].oper_nom == QLatin1String("2") ? 1 : 0;
    logic.selectUser(cashier);
    EXPECT_EQ(logic.selectedRole(), "2");
    EXPECT_TRUE(logic.departments().isEmpty());
    EXPECT_EQ(logic.departmentIndex(), -1);
    EXPECT_EQ(logic.login(cashier, QString(), QStringLiteral("1111")), LoginLogic::Result::NoDepartment);
    EXPECT_TRUE(f.ws.cur_oper_nom.isEmpty());
}

TEST(Login, PasswordUserFileAndNoServicePassword)
{
    CoreFixture f;
    f.sql(QStringLiteral("INSERT INTO OPERATOR (OPER_NOM, OPER, PASS, USRROL, BLK) VALUES ('9', 'Блокированный', 'X', '2', '1')"));
    f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    write_file(f.folder.userFile(), "не число");
    LoginLogic logic(f.ws, f.db, f.log, f.folder.userFile());
    logic.activate();
    ASSERT_EQ(logic.users().size(), 2); // the blocked user is not offered
    EXPECT_EQ(logic.users()[0].oper, QStringLiteral("Администратор"));
    EXPECT_EQ(logic.users()[1].oper, QStringLiteral("Смирнова Е.А."));
    EXPECT_EQ(logic.initialIndex(), 0); // unreadable "user" file: the first user

    logic.selectUser(1);
    EXPECT_EQ(logic.departments()[logic.departmentIndex()], "0101");
    for (const char* wrong : {"w8ne5t", "", "11111"}) {
        SCOPED_TRACE(wrong);
        EXPECT_EQ(logic.login(1, QStringLiteral("0101"), QString::fromLatin1(wrong)), LoginLogic::Result::WrongPassword);
        EXPECT_TRUE(f.ws.cur_oper_nom.isEmpty());
    }
    EXPECT_FALSE(f.logText().contains(QStringLiteral("w8ne5t")));
    EXPECT_FALSE(QFileInfo::exists(f.folder.userFile()) && QFile(f.folder.userFile()).size() == 1);

    EXPECT_EQ(logic.login(1, QStringLiteral("0101"), QStringLiteral("1111")), LoginLogic::Result::Accepted);
    EXPECT_EQ(f.ws.cur_oper_nom, "2");
    EXPECT_EQ(f.ws.cur_podr, "0101");
    EXPECT_EQ(f.ws.cur_pass_hash, "B59C67BF196A4758191E42F76670CEBA");
    LoginLogic again(f.ws, f.db, f.log, f.folder.userFile());
    again.activate();
    EXPECT_EQ(again.initialIndex(), 1);
}

// ------------------------------------------------------------ status line

namespace {
// Logs the demo cashier in directly and gives it a shift opened at `opened`.
void cashierWithShift(CoreFixture& f, const QDateTime& opened)
{
    f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    f.ws.cur_oper_nom = QStringLiteral("2");
    f.ws.cur_oper_name = QStringLiteral("Смирнова Е.А.");
    f.ws.cur_podr = QStringLiteral("0101");
    f.ws.cur_role = QStringLiteral("2");
    f.ws.cur_smena_nom = QStringLiteral("77");
    f.sql(QStringLiteral("INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR, OPN_DAT, OPN_TIM) VALUES ('77', '2', '0101', :D, :T)"),
          {{"D", opened.date()}, {"T", opened.time().toString(QStringLiteral("hh:mm:ss"))}});
}
} // namespace

TEST(StatusRefresh, TitleForEveryShiftState)
{
    const QDate today = QDate::currentDate();
    const QDateTime yesterday10(today.addDays(-1), QTime(10, 0));
    struct Case {
        const char* name;
        int driver;
        bool connected;
        int primState;
        bool noclose;
        QTime now;
        const char* middle; // between "). " and " Пользователь:"
    };
    const std::vector<Case> cases = {
        {"opened yesterday 10:00, now 10:30", 4, true, 0, false, QTime(10, 30), "ФР включен. Смена открыта более 24ч назад."},
        {"same with noclose", 4, true, 0, true, QTime(10, 30), "ФР включен. Смена открыта. "},
        {"opened yesterday 10:00, now 9:15 on Prim", 0, true, 2, false, QTime(9, 15),
         "ФР включен. Смена открыта. Осталось 0:45:00. "},
        {"Prim reports over 24 hours", 0, true, 1, true, QTime(9, 15), "ФР включен. Смена открыта более 24ч назад."},
        {"Prim shift closed", 0, true, 0, true, QTime(9, 15), "ФР включен. Смена закрыта."},
        {"plain Prim says nothing of a closed shift", 3, true, 0, true, QTime(9, 15), "ФР включен. "},
        {"register off", 0, false, 2, false, QTime(9, 15), "ФР выключен."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoreFixture f;
        cashierWithShift(f, yesterday10);
        f.clock.set(QDateTime(today, c.now));
        f.ws.fr_driver = c.driver;
        f.ws.fr_connected = c.connected;
        f.ws.noclose = c.noclose;
        f.reg.primState = c.primState;
        const QString title = f.status.status_refresh(false, true);
        EXPECT_EQ(title, QStringLiteral("Прием платежей (вер. ") + program_version_text(&f.db) + QStringLiteral("). ") +
                             QString::fromUtf8(c.middle) + QStringLiteral(" Пользователь: Смирнова Е.А. (0101)."));
    }
}

TEST(StatusRefresh, ShiftMenusAndRoleMenus)
{
    using namespace menu;
    struct Case {
        const char* role;
        const char* podr;
        bool shiftOpen;
        std::vector<std::pair<const char*, bool>> expected;
    };
    const std::vector<Case> cases = {
        {"0", "0000", true,
         {{Admin, true}, {Directories, true}, {SummaryReport, true}, {Exchange, true}, {BisExport, true},
          {OpenShift, true}, {CloseShift, true}, {XReport, true}, {CashIn, true}, {EnterPayment, true}}},
        {"0", "0101", false,
         {{Exchange, false}, {OpenShift, true}, {CloseShift, false}, {XReport, false}, {Refund, false}, {EnterPayment, false}}},
        {"1", "0000", true,
         {{Admin, false}, {Directories, true}, {SummaryReport, true}, {BisExport, false}, {Exchange, true},
          {OpenShift, false}, {CloseShift, true}}},
        {"2", "0000", true,
         {{Admin, false}, {SummaryReport, false}, {Exchange, false}, {BisExport, true}, {OpenShift, false},
          {EnterPayment, true}, {Register, true}, {ChangePodr, true}}},
        {"3", "0101", true,
         {{Admin, false}, {SummaryReport, true}, {ChangePodr, false}, {EnterPayment, false}, {Register, false},
          {ShiftRegistry1, false}, {PaymentsReport, false}, {DocumentsReport, false}, {BisExport, false}, {Exchange, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.role) + " " + c.podr + (c.shiftOpen ? " open" : " closed"));
        CoreFixture f;
        f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        f.ws.cur_role = QString::fromLatin1(c.role);
        f.ws.cur_podr = QString::fromLatin1(c.podr);
        f.ws.fr_driver = 4;
        f.ws.fr_connected = true;
        f.menus.show(QString::fromLatin1(Register));
        f.status.status_refresh(false, c.shiftOpen);
        EXPECT_EQ(f.ws.fr_shift_open, c.shiftOpen);
        for (const auto& [id, visible] : c.expected)
            EXPECT_EQ(f.menus.visible(QString::fromLatin1(id)), visible) << id;
    }
}

// -------------------------------------------------------- program update

TEST(ProgramUpdate, ReplacesTheExecutableFromTheDatabase)
{
    CoreFixture f;
    const QString exe = f.folder.file(QStringLiteral("kvp"));
    write_file(exe, "old program");
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    write_file(exe + QStringLiteral(".bak"), "older backup");
    f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    f.ws.program_version = program_version();

    QStringList started;
    ProgramUpdate upd(f.ws, f.db, f.log, f.dialogs);
    upd.executable = exe;
    upd.arguments = {QStringLiteral("--workdir"), f.folder.path()};
    upd.startProgram = [&](const QString& p, const QStringList& a) { started << p << a; return true; };

    // nothing newer in the database: nothing happens
    EXPECT_FALSE(upd.run());
    {
        Query q(f.db.main(), QStringLiteral("INSERT INTO UPD_PRG (UPD_UID, DAT, VRS, EXE) VALUES (5, :DAT, :VRS, :EXE)"));
        q.setParam(QStringLiteral("DAT"), QDate(2024, 3, 1));
        q.setParam(QStringLiteral("VRS"), program_version());
        q.setParamBytes(QStringLiteral("EXE"), QByteArray("same version"));
        q.execute();
        f.db.main().commit();
    }
    EXPECT_FALSE(upd.run());
    {
        Query q(f.db.main(), QStringLiteral("INSERT INTO UPD_PRG (UPD_UID, DAT, VRS, EXE) VALUES (6, :DAT, :VRS, :EXE)"));
        q.setParam(QStringLiteral("DAT"), QDate(2024, 4, 2));
        q.setParam(QStringLiteral("VRS"), program_version() + 1);
        q.setParamBytes(QStringLiteral("EXE"), QByteArray("new program\0bytes", 17));
        q.execute();
        f.db.main().commit();
    }
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    ASSERT_TRUE(upd.run());

    QFile n(exe), b(exe + QStringLiteral(".bak"));
    ASSERT_TRUE(n.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(n.readAll(), QByteArray("new program\0bytes", 17));
    EXPECT_EQ(b.readAll(), QByteArray("old program"));
    EXPECT_TRUE(QFileInfo(exe).isExecutable());
    EXPECT_EQ(f.dialogs.messages, QStringList({"Выполнено обновление от 02.04.2024 идентификационный номер 6"}));
    EXPECT_EQ(started, QStringList({exe, "--workdir", f.folder.path()}));
    EXPECT_TRUE(f.logText().contains(QStringLiteral("Обновляю программу")));
}

TEST(ProgramUpdate, StartupEndsAfterTheUpdate)
{
    CoreFixture f;
    const QString exe = f.folder.file(QStringLiteral("kvp"));
    write_file(exe, "old program");
    f.sql(QStringLiteral("INSERT INTO UPD_PRG (UPD_UID, DAT, VRS, EXE) VALUES (7, current_date, :VRS, 'new')"),
          {{"VRS", program_version() + 65536}});
    f.startup->executable = exe;
    bool started = false;
    f.startup->startProgram = [&](const QString&, const QStringList&) { return started = true; };
    bool askedLogin = false;
    f.startup->login = [&] { return askedLogin = true; };
    EXPECT_EQ(f.startup->run(), Startup::Outcome::Restarted);
    EXPECT_TRUE(started);
    EXPECT_FALSE(askedLogin);
}

// ---------------------------------------------------------------- start-up

TEST(Startup, PrimFoundOnTheThirdPort)
{
    CoreFixture f("port=COM1\r\n");
    f.reg.defaultAnswer = 10;
    f.reg.answers[QStringLiteral("COM3")] = 0;
    f.reg.primState = 0;
    ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready) << f.startup->error().toStdString();
    EXPECT_EQ(f.ws.fr_port, "COM3");
    EXPECT_TRUE(f.ws.fr_connected);
    EXPECT_EQ(f.reg.calls.mid(0, 3), QStringList({"fr_connect COM1", "fr_connect COM2", "fr_connect COM3"}));
    EXPECT_TRUE(f.dialogs.messages.isEmpty()) << f.dialogs.messages.join('|').toStdString();
    // no shift of today: a new one was opened and stored with the user
    EXPECT_EQ(f.shifts.calls, QStringList({"OpenSession"}));
    EXPECT_FALSE(f.ws.cur_smena_nom.isEmpty());
    EXPECT_EQ(f.value(QStringLiteral("SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM='2'")), f.ws.cur_smena_nom);
    EXPECT_EQ(f.value(QStringLiteral("SELECT OPENDATE FROM OPERATOR WHERE OPER_NOM='2'")),
              f.clock.today().toString(QStringLiteral("ddMMyy")));
    EXPECT_EQ(f.value(QStringLiteral("SELECT PODR||'/'||VRS FROM OPERATOR WHERE OPER_NOM='2'")),
              QStringLiteral("0101/%1").arg(program_version()));
    EXPECT_EQ(f.value(QStringLiteral("SELECT COUNT(*) FROM JRNL WHERE TAB_NAME='OPERATOR' AND OPER_NOM='2'")), "1");

    // the working state of the cashier
    EXPECT_EQ(f.ws.cur_oper_name, QStringLiteral("Смирнова Е.А."));
    EXPECT_EQ(f.ws.cur_role, "2");
    EXPECT_EQ(f.ws.cur_acc_user, "S002");
    EXPECT_EQ(f.ws.receipt_header, QStringLiteral("ПАО «Демобанк» ДО № 0101, г. Казань, ул. Баумана, 10"));
    EXPECT_EQ(f.ws.podr_ident, "0101");
    EXPECT_EQ(f.ws.change, "1");
    EXPECT_EQ(f.ws.id_sum, Money::fromRoubles(15000));
    EXPECT_TRUE(f.menus.visible(QString::fromLatin1(menu::Register)));
    EXPECT_TRUE(f.menus.visible(QString::fromLatin1(menu::ShiftRegistry1)));
    EXPECT_FALSE(f.menus.visible(QString::fromLatin1(menu::ShiftRegistry2)));
    EXPECT_FALSE(f.menus.visible(QString::fromLatin1(menu::PaymentsReport)));
    EXPECT_FALSE(f.menus.visible(QString::fromLatin1(menu::Reconcile)));

    const QString log = f.logText();
    for (const char* line : {"Программа запущена.", "Найдена подходящая открытая на сегодня смена: ", " COM3\r\n",
                             "Нет подходящей открытой сегодня смены."})
        EXPECT_TRUE(log.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(log.contains(QStringLiteral(" COM4\r\n")));

    // a second start the same day takes the shift of today
    const QString shift = f.ws.cur_smena_nom;
    f.db.detach();
    CoreFixture* g = &f;
    WorkingState fresh;
    g->ws = fresh;
    g->shifts.calls.clear();
    g->startup = std::make_unique<Startup>(g->folder, g->ws, g->db, g->utils, g->log, g->clock, g->dialogs, g->reg,
                                           g->shifts, g->menus, g->status);
    g->startup->portExists = [](const QString&, const QString&) { return true; };
    g->startup->login = [g] { return g->loginAs(QStringLiteral("2"), QStringLiteral("1111")); };
    ASSERT_EQ(g->startup->run(), Startup::Outcome::Ready);
    EXPECT_EQ(g->ws.cur_smena_nom, shift);
    EXPECT_TRUE(g->shifts.calls.isEmpty());
}

TEST(Startup, PrimShiftOfAnEarlierDayIsClosed)
{
    CoreFixture f;
    f.reg.answers[QStringLiteral("COM1")] = 21;
    ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready);
    EXPECT_EQ(f.ws.fr_port, "COM1");
    EXPECT_TRUE(f.ws.fr_connected);
    EXPECT_EQ(f.dialogs.messages, QStringList({"Смена открыта не сегодня. Выполняю закрытие смены."}));
    EXPECT_EQ(f.shifts.calls, QStringList({"CloseSession", "OpenSession"}));
}

TEST(Startup, PortsThatDoNotExistAreNotTried)
{
    QTemporaryDir devs;
    const QString dev3 = devs.filePath(QStringLiteral("ttyPrim"));
    write_file(dev3, "");
    CoreFixture f("com1=/nonexistent/a\r\ncom2=/nonexistent/b\r\ncom3=" + dev3.toUtf8() + "\r\n");
    f.startup->portExists = [](const QString&, const QString& device) { return serial_port_exists(device); };
    ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready);
    EXPECT_EQ(f.ws.fr_port, "COM3");
    EXPECT_EQ(f.reg.calls.first(), "fr_connect COM3");
}

TEST(Startup, ShiftOfAnEarlierDayOnAFiscalRegister)
{
    struct Case {
        bool closeIt;
        bool oldRow;
        QStringList calls;
        const char* logLine;
    };
    const std::vector<Case> cases = {
        {true, true, {"CloseSession", "OpenSession"}, "Закрываем и открываем новую по решению кассира."},
        {false, true, {}, "Пытаемся работать в незакрытой старой смене."},
        {false, false, {"CloseSession", "OpenSession"}, "Не получилось найти подходящую, закрываем и открываем новую."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logLine);
        CoreFixture f("driver=shtrihf\r\nport=3\r\n");
        f.reg.ecrMode = 2; // the register's shift is open
        if (c.oldRow) {
            f.sql(QStringLiteral("INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR, OPN_DAT, OPN_TIM) VALUES ('55', '2', '0101', :D, '18:00:00')"),
                  {{"D", f.clock.today().addDays(-2)}});
        }
        f.dialogs.yesNo = {c.closeIt};
        ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready);
        EXPECT_EQ(f.dialogs.questions, QStringList({"Найдена открытая в предыдущем дне смена. Закрыть смену?"}));
        EXPECT_EQ(f.shifts.calls, c.calls);
        EXPECT_TRUE(f.logText().contains(QString::fromUtf8(c.logLine)));
        EXPECT_TRUE(f.logText().contains(QStringLiteral("Инициаозация штрих")));
        EXPECT_EQ(f.ws.fr_port, "3");
        if (c.calls.isEmpty())
            EXPECT_EQ(f.ws.cur_smena_nom, "55");
    }
}

TEST(Startup, RegisterOffAndDriverObjectMissing)
{
    CoreFixture f("driver=shtrih\r\n");
    f.reg.createOk = false;
    f.reg.defaultAnswer = 10;
    ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready);
    EXPECT_EQ(f.dialogs.messages, QStringList({"Не удалось создать объект драйвера ККМ!", Startup::kRegisterOff}));
    EXPECT_FALSE(f.ws.fr_connected);
    EXPECT_EQ(f.shifts.calls, QStringList({"OpenSession"}));
    EXPECT_TRUE(f.status.title().contains(QStringLiteral("ФР выключен.")));
}

TEST(Startup, StopsWithoutADatabase)
{
    {
        CoreFixture f;
        QFile::remove(f.folder.databaseFile());
        EXPECT_EQ(f.startup->run(), Startup::Outcome::Stop);
        ASSERT_EQ(f.dialogs.messages.size(), 1);
        EXPECT_TRUE(f.dialogs.messages[0].contains(f.folder.databaseFile()));
        EXPECT_TRUE(f.logText().contains(f.folder.databaseFile()));
    }
    {
        CoreFixture f;
        write_file(f.folder.databaseFile(), f.folder.file(QStringLiteral("нет такой.fdb")).toUtf8());
        EXPECT_EQ(f.startup->run(), Startup::Outcome::Stop);
        ASSERT_EQ(f.dialogs.messages.size(), 1);
        EXPECT_FALSE(f.dialogs.messages[0].isEmpty());
        EXPECT_TRUE(f.logText().contains(QStringLiteral("Ошибка подключения к базе данных")));
        EXPECT_TRUE(f.logText().contains(f.dialogs.messages[0].left(20)));
        EXPECT_FALSE(f.logText().contains(QStringLiteral("Программа запущена.")));
    }
}

TEST(Startup, SecondCopyIsRefused)
{
    CoreFixture f("runoneprc=1\r\n");
    SingleInstance other(f.folder.path());
    ASSERT_TRUE(other.acquire());
    EXPECT_EQ(f.startup->run(), Startup::Outcome::Stop);
    EXPECT_EQ(f.dialogs.messages, QStringList({Startup::kSecondCopy}));
    EXPECT_FALSE(f.db.attached());
}

TEST(Startup, NobodyLoggedIn)
{
    CoreFixture f;
    f.password = QStringLiteral("0000");
    EXPECT_EQ(f.startup->run(), Startup::Outcome::Stop);
    EXPECT_TRUE(f.ws.cur_oper_nom.isEmpty());
    EXPECT_TRUE(f.logText().contains(QStringLiteral("Программа запущена.")));
}

TEST(ChangeDepartment, MovesTheShiftAndItsPayments)
{
    CoreFixture f("driver=winprn\r\n");
    ASSERT_EQ(f.startup->run(), Startup::Outcome::Ready);
    f.sql(QStringLiteral("INSERT INTO BIS (PODR, IPMSK, CHK_HDR) VALUES ('0102', '*', 'Офис 0102')"));
    ChangeDepartment change(f.ws, f.db, f.utils, f.log, f.reg, f.status);
    QStringList offered;
    change.choose = [&](const QStringList& list) { offered = list; return std::optional<QString>(QStringLiteral("0102")); };
    ASSERT_TRUE(change.change_department());
    EXPECT_EQ(offered, QStringList({"0101", "0102"}));
    EXPECT_EQ(f.ws.cur_podr, "0102");
    EXPECT_EQ(f.ws.receipt_header, QStringLiteral("Офис 0102"));
    EXPECT_EQ(f.value(QStringLiteral("SELECT PODR FROM SMENA WHERE SMENA_NOM=:N"), {{"N", f.ws.cur_smena_nom}}), "0102");
    EXPECT_EQ(f.value(QStringLiteral("SELECT COUNT(*) FROM JRNL WHERE TAB_NAME IN ('SMENA','PAYMENTS')")), "2");
    EXPECT_TRUE(f.status.title().endsWith(QStringLiteral("Пользователь: Смирнова Е.А. (0102).")));
    EXPECT_TRUE(f.logText().contains(QStringLiteral("Смена подразделения")));
}
