// A cashier's day on the demo work folder with the emulated Shtrih register: start-up, shift, X report,
// cash-in, a payment, collection, the register totals in the output window printed to PDF, and the Z
// report at close; the emulator's tape, the database and the log are read at every step.
#include "app/fiscal_cancellation.h"
#include "app/fiscal_register_session.h"
#include "app/fiscal_shift_operations.h"
#include "core/login_logic.h"
#include "core/menu_state.h"
#include "core/payment_cancellation.h"
#include "core/startup.h"
#include "core/status_refresh.h"
#include "core/work_folder.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "fiscal/output_window.h"
#include "fiscal/shtrih_emulator.h"
#include "payment/amount_document.h"
#include "payment/form20.h"
#include "test_database.h"
#include "util/clock.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void write_file(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QStringList read_lines(const QString& path, bool cp1251_text)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const QString t = cp1251_text ? cp1251::decode(b) : QString::fromUtf8(b);
    QStringList out;
    for (QString l : t.split(QLatin1Char('\n'))) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        out << l;
    }
    if (!out.isEmpty() && out.last().isEmpty()) // the end of the last line
        out.removeLast();
    return out;
}

// The work folder of one workstation: the demo database, "database", fr.ini "driver=shtrihf", the fiscal
// layer bound into start-up exactly as the program binds it.
struct Desk {
    QTemporaryDir dir;
    WorkFolder folder{dir.path()};
    WorkingState ws;
    ManualClock clock{QDateTime::currentDateTime()};
    Log log{folder.logFolder(), &clock};
    Database db;
    DbUtils utils{db, log};
    ScriptedDialogs dialogs;
    MenuState menus;
    FiscalRegisterSession reg{dir.path(), log, clock, dialogs};
    StatusRefresh status{ws, db, reg, menus, clock};
    FiscalShiftOperations shifts{ws, db, utils, log, clock, dialogs, reg, status, {}};
    std::unique_ptr<Startup> startup;

    Desk()
    {
        static int n = 0;
        const QString dbPath = TestDatabase::shared().freshCopy(QStringLiteral("desk_%1.fdb").arg(++n));
        write_file(folder.databaseFile(), dbPath.toUtf8() + "\n");
        write_file(folder.frIniFile(), "driver=shtrihf\r\nport=1\r\ndbpass=masterkey\r\n");
        utils.setOperatorSource([this] { return ws.cur_oper_nom; });
        startup = std::make_unique<Startup>(folder, ws, db, utils, log, clock, dialogs, reg, shifts, menus, status);
        startup->portExists = [](const QString&, const QString&) { return true; };
        startup->login = [this] {
            LoginLogic logic(ws, db, log, folder.userFile());
            logic.activate();
            for (int i = 0; i < logic.users().size(); ++i)
                if (logic.users()[i].oper_nom == QStringLiteral("2")) {
                    logic.selectUser(i);
                    return logic.login(i, logic.departments()[logic.departmentIndex()], QStringLiteral("1111"))
                           == LoginLogic::Result::Accepted;
                }
            return false;
        };
    }

    QString value(const QString& sql, const QVariantMap& params = {}) { return first_value(db, sql, params); }
    QString operatorShift() { return value(QStringLiteral("SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM='2'")); }
    bool closed(const QString& nom)
    {
        return !value(QStringLiteral("SELECT CLS_DAT FROM SMENA WHERE SMENA_NOM=:N"), {{QStringLiteral("N"), nom}}).isEmpty();
    }
    QString tapeFile() const { return QDir(dir.path()).filePath(QStringLiteral("fr_emul/shtrih.tape.txt")); }
    // Tape lines printed since `from` lines.
    QStringList tapeSince(int from) { return read_lines(tapeFile(), false).mid(from); }
    int tapeSize() { return read_lines(tapeFile(), false).size(); }
    QStringList logLines()
    {
        QStringList out;
        for (const QString& l : read_lines(log.todayFile(), true))
            out << l.mid(9);
        return out;
    }
    ShtrihEmulator* shtrih() { return dynamic_cast<ShtrihEmulator*>(reg.printer()->shtrih()); }
};

bool contains(const QStringList& lines, const QString& part)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(part); });
}
} // namespace

TEST(CashierDay, OpenReportCashInCollectTotalsAndClose)
{
    Desk d;
    ASSERT_EQ(d.startup->run(), Startup::Outcome::Ready) << d.startup->error().toStdString();
    EXPECT_TRUE(d.ws.fr_connected);
    EXPECT_TRUE(d.dialogs.messages.isEmpty()) << d.dialogs.messages.join(QLatin1Char('|')).toStdString();
    // start-up found no shift and opened one on the register and in the database
    const QString first = d.ws.cur_smena_nom;
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(d.operatorShift(), first);
    EXPECT_TRUE(d.shtrih()->shiftOpen());
    EXPECT_TRUE(contains(d.tapeSince(0), QStringLiteral("ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ")));
    EXPECT_TRUE(d.ws.fr_shift_open);
    EXPECT_TRUE(d.menus.visible(QString::fromLatin1(menu::CloseShift)));
    EXPECT_TRUE(d.status.title().contains(QStringLiteral("Смена открыта.")));

    // X report
    int mark = d.tapeSize();
    EXPECT_EQ(d.shifts.run([](ShiftOperationsService& s) { return s.x_report(); }), 0);
    EXPECT_TRUE(contains(d.tapeSince(mark), QStringLiteral("СУТОЧНЫЙ ОТЧЕТ БЕЗ ГАШЕНИЯ")));

    // cash-in of 500,00 through the amount window
    mark = d.tapeSize();
    d.shifts.pull();
    AmountDocument cashIn(*d.reg.printer(), d.log, d.dialogs);
    cashIn.begin(AmountDocument::Kind::CashIn);
    Form20 form20(cashIn);
    form20.prepare(AmountDocument::Kind::CashIn);
    form20.show();
    form20.amount()->setText(QStringLiteral("500"));
    form20.confirm();
    EXPECT_EQ(form20.result(), QDialog::Accepted);
    d.status.status_refresh(false, true);
    EXPECT_TRUE(contains(d.tapeSince(mark), QStringLiteral("Внесение: ")));
    EXPECT_EQ(d.shtrih()->cashRegister(241), 50000);

    // a payment of 150,00 stored in the shift and its receipt printed, as the payment window does
    Query pay(d.db.main(), QStringLiteral("INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, PODR, KOD_SRV) "
                                          "VALUES ('9001', 150, current_date, '2', :SM, '0101', '100')"));
    pay.setParam(QStringLiteral("SM"), first);
    pay.execute();
    d.db.main().commit();
    ReceiptData r;
    r.text = QStringLiteral("Оплата ЖКХ");
    r.amount = QStringLiteral("150,00");
    r.commission = QStringLiteral("0");
    r.check2 = QStringLiteral("0");
    int code = 0;
    EXPECT_EQ(d.reg.printer()->print_receipt(r, code), 0);
    EXPECT_EQ(d.shtrih()->cashRegister(241), 65000);

    // collection of the shift's 150,00: the register pays it out, the database shift is split
    mark = d.tapeSize();
    d.dialogs.yesNo.push_back(true);
    EXPECT_TRUE(d.shifts.run([](ShiftOperationsService& s) { return s.collection(); }));
    EXPECT_EQ(d.dialogs.questions.last(), QStringLiteral("Выполнить инкассацию на сумму 150,00?"));
    EXPECT_TRUE(contains(d.tapeSince(mark), QStringLiteral("=150.00")));
    EXPECT_EQ(d.shtrih()->cashRegister(241), 50000);
    const QString second = d.ws.cur_smena_nom;
    EXPECT_NE(second, first);
    EXPECT_TRUE(d.closed(first));
    EXPECT_EQ(d.operatorShift(), second);
    EXPECT_TRUE(d.shtrih()->shiftOpen()); // the register's shift goes on

    // the register totals in the output window, printed to PDF
    Form2 form2(d.log, d.dialogs, QDir(d.dir.path()).filePath(QStringLiteral("txt")));
    d.shifts.run([&](ShiftOperationsService& s) {
        s.register_totals([&](const std::optional<QStringList>& lines) {
            ASSERT_TRUE(lines);
            form2.clear();
            form2.addLines(*lines);
        });
        return 0;
    });
    EXPECT_EQ(form2.lines(), (QStringList{QStringLiteral("Продажа:       650,00"), QStringLiteral("Возврат:         0,00"),
                                          QStringLiteral("---------------------"), QStringLiteral("Итого:         650,00")}));
    const QString pdf = QDir(d.dir.path()).filePath(QStringLiteral("totals.pdf"));
    form2.choosePrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    form2.printText();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Продажа:       650,00"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Итого:         650,00")));

    // close with the Z report
    mark = d.tapeSize();
    d.shifts.CloseSession();
    const QStringList z = d.tapeSince(mark);
    EXPECT_TRUE(contains(z, QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")));
    EXPECT_TRUE(contains(z, QStringLiteral("650.00")));
    EXPECT_FALSE(d.shtrih()->shiftOpen());
    EXPECT_TRUE(d.closed(second));
    EXPECT_TRUE(d.operatorShift().isEmpty());
    EXPECT_FALSE(d.ws.fr_shift_open);
    EXPECT_TRUE(d.menus.visible(QString::fromLatin1(menu::OpenShift)));
    EXPECT_FALSE(d.menus.visible(QString::fromLatin1(menu::CloseShift)));

    const QStringList log = d.logLines();
    for (const QString& line : {QStringLiteral("Открытие смены"), QStringLiteral("Открываю смену на ФР \"Штрих\"."),
                                QStringLiteral("Х отчет"), QStringLiteral("Внесение"), QStringLiteral("Инкассация"),
                                QStringLiteral("Инкассация Штрих, сумма 150,00, результат: 0"), QStringLiteral("Отчет на экран"),
                                QStringLiteral("Начало печати"), QStringLiteral("Конец документа"), QStringLiteral("Закрытие смены"),
                                QStringLiteral("Закрытие смены Штрих,код: 0"), QStringLiteral("Cмена ") + second + QStringLiteral(" закрыта."),
                                QStringLiteral("Пауза после закрытия смены.")})
        EXPECT_TRUE(log.contains(line)) << line.toStdString();
    EXPECT_TRUE(d.dialogs.messages.isEmpty()) << d.dialogs.messages.join(QLatin1Char('|')).toStdString();
}

TEST(CashierDay, StartupWithYesterdaysShift)
{
    for (const bool close : {true, false}) {
        SCOPED_TRACE(close);
        Desk d;
        // yesterday's shift, open on the register and in the database
        {
            ShtrihEmulator device(d.dir.path(), d.clock);
            device.setShift(true, d.clock.now().addDays(-1));
        }
        {
            Database own;
            QFile f(d.folder.databaseFile());
            f.open(QIODevice::ReadOnly);
            own.attach(QString::fromUtf8(f.readLine()).trimmed(), TestDatabase::kUser, TestDatabase::kPassword);
            Query ins(own.main(), QStringLiteral("INSERT INTO SMENA (SMENA_NOM, OPN_DAT, OPN_TIM, OPER_NOM, PODR) "
                                                 "VALUES ('500', current_date - 1, '10:00:00', '2', '0101')"));
            ins.execute();
            Query op(own.main(), QStringLiteral("UPDATE OPERATOR SET SMENA_NOM='500' WHERE OPER_NOM='2'"));
            op.execute();
            own.main().commit();
        }
        d.dialogs.yesNo.push_back(close);
        ASSERT_EQ(d.startup->run(), Startup::Outcome::Ready);
        EXPECT_EQ(d.dialogs.questions, QStringList{QStringLiteral("Найдена открытая в предыдущем дне смена. Закрыть смену?")});
        const QStringList tape = d.tapeSince(0);
        if (close) {
            EXPECT_TRUE(d.closed(QStringLiteral("500")));
            EXPECT_NE(d.ws.cur_smena_nom, QStringLiteral("500"));
            EXPECT_FALSE(d.ws.cur_smena_nom.isEmpty());
            EXPECT_EQ(d.operatorShift(), d.ws.cur_smena_nom);
            EXPECT_FALSE(d.closed(d.ws.cur_smena_nom));
            const int z = tape.indexOf(QRegularExpression(QStringLiteral(".*ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ.*")));
            const int opened = tape.indexOf(QRegularExpression(QStringLiteral(".*ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ.*")));
            EXPECT_GE(z, 0);
            EXPECT_GT(opened, z);
            EXPECT_TRUE(d.shtrih()->shiftOpen());
            EXPECT_TRUE(d.logLines().contains(QStringLiteral("Закрываем и открываем новую по решению кассира.")));
        } else {
            EXPECT_EQ(d.ws.cur_smena_nom, QStringLiteral("500"));
            EXPECT_FALSE(d.closed(QStringLiteral("500")));
            EXPECT_FALSE(contains(tape, QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")));
            EXPECT_TRUE(d.logLines().contains(QStringLiteral("Пытаемся работать в незакрытой старой смене.")));
        }
    }
}

// F8 on a cash payment of the open shift, with the register bound as the program binds it: the return
// receipt is on the tape, the payment and its commission row are gone, the journal has the deletion.
TEST(CashierDay, CancellationPrintsTheReturnOnTheRegister)
{
    Desk d;
    ASSERT_EQ(d.startup->run(), Startup::Outcome::Ready) << d.startup->error().toStdString();
    const QString shift = d.ws.cur_smena_nom;
    for (const auto& [uid, srv, sum, com] : {std::tuple{"9001", "100", "120.00", "9002"}, {"9002", "101", "10.00", ""}}) {
        Query q(d.db.main(), QStringLiteral("INSERT INTO PAYMENTS (UID, SUM_PRIH, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, "
                                            "COM_UID, FR_UID, FIO) VALUES (:U, :S, '2', :SM, '0101', :K, :C, 'F9001', 'Иванов И.И.')"));
        q.setParam(QStringLiteral("U"), QString::fromLatin1(uid));
        q.setParam(QStringLiteral("S"), QString::fromLatin1(sum));
        q.setParam(QStringLiteral("SM"), shift);
        q.setParam(QStringLiteral("K"), QString::fromLatin1(srv));
        q.setParam(QStringLiteral("C"), QString::fromLatin1(com));
        q.execute();
    }
    d.db.main().commit();

    FiscalCancellationDevices devices(d.reg);
    PaymentCancellation cancel(d.ws, d.db, d.utils, d.log, d.dialogs, devices);
    const int mark = d.tapeSize();
    d.dialogs.yesNo.push_back(true);
    EXPECT_EQ(cancel.cancel(QStringLiteral("9001"), true), PaymentCancellation::Result::Deleted)
        << d.dialogs.messages.join(QLatin1Char('|')).toStdString();
    const QStringList tape = d.tapeSince(mark);
    EXPECT_TRUE(contains(tape, QStringLiteral("ВОЗВРАТ ПРИХОДА")) || contains(tape, QStringLiteral("Возврат")))
        << tape.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(contains(tape, QStringLiteral("130.00"))) << tape.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(d.value(QStringLiteral("SELECT COUNT(*) FROM PAYMENTS WHERE UID IN ('9001', '9002')")), QStringLiteral("0"));
    EXPECT_EQ(d.value(QStringLiteral("SELECT PRMS FROM JRNL WHERE TAB_NAME='PAYMENTS'")), QStringLiteral("9001|9002|"));
}
