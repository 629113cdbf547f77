// The main window's payment list: statements and role rules, totals, filter, search, cancellation, the
// list windows and the password change, on a real database; the grid offscreen.
#include "core/filter_window.h"
#include "core/grid_search.h"
#include "core/list_window_logic.h"
#include "core/main_window.h"
#include "core/password_change.h"
#include "core/payment_cancellation.h"
#include "core/payment_filter.h"
#include "core/payment_list.h"
#include "core/payment_record.h"
#include "core/payment_totals.h"
#include "core/payments_controller.h"
#include "core_fixture.h"
#include "util/md5.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The register, pinpad and gateway of a cancellation, recording what was asked.
struct TestDevices : CancellationDevices {
    QStringList calls;
    int printError = 0;
    int pinpadResult = 0;
    qint64 pinpadNewId = 0;
    ReturnReceipt printed;
    int fr_connect() override { calls << "fr_connect"; return 0; }
    void fr_disconnect() override { calls << "fr_disconnect"; }
    int print_receipt(const ReturnReceipt& r, int& code) override
    {
        calls << "print_receipt";
        printed = r;
        code = printError ? 10 : 0;
        return printError;
    }
    int print_text(const QStringList& lines) override { calls << "print_text " + lines.join('|'); return 0; }
    int pinpad_cancel(qint64 id, qint64* newId) override
    {
        calls << QStringLiteral("pinpad_cancel %1").arg(id);
        *newId = pinpadNewId;
        return pinpadResult;
    }
    ProviderDeletion provider_delete(const QString& url) override { calls << "provider_delete " + url; return {}; }
    bool central_delete(const QString& uid) override { calls << "central_delete " + uid; return true; }
};

// The demo database with two cashiers' shifts and payments: the cashier "2" (Смирнова) has an open
// shift S1 today and an earlier closed one S3 today, the cashier "3" (Петрова) an open shift S2 today.
struct ListFixture : CoreFixture {
    QDate today = clock.today();
    ListFixture()
    {
        db.attach(dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        sql("INSERT INTO OPERATOR (OPER_NOM, OPER, PASS, PODR, USRROL) VALUES ('3', 'Петрова А.И.', '', '0101', '2')");
        shift("S1", "2", today, true);
        shift("S2", "3", today, true);
        shift("S3", "2", today, false);
        sql("UPDATE OPERATOR SET SMENA_NOM='S1' WHERE OPER_NOM='2'");
        sql("UPDATE OPERATOR SET SMENA_NOM='S2' WHERE OPER_NOM='3'");
        ws.cur_oper_nom = "2";
        ws.cur_oper_name = "Смирнова Е.А.";
        ws.cur_role = "2";
        ws.cur_podr = "0101";
    }
    void shift(const char* nom, const char* oper, const QDate& d, bool open)
    {
        sql(QStringLiteral("INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR, OPN_DAT, OPN_TIM, CLS_DAT) VALUES "
                           "(:N, :O, '0101', :D, '09:00:00', :C)"),
            {{"N", nom}, {"O", oper}, {"D", d}, {"C", open ? QVariant() : QVariant(d)}});
    }
    // A payment with its commission row (uid + "K") under the service's commission service.
    void pay(const QString& uid, const char* oper, const char* smena, const QString& sum, const QDate& d,
             const char* srv = "100", const char* com = "101", const QString& ndoc = QString(),
             const QVariant& acq = QVariant(), const QString& comment = QString())
    {
        const QString q = QStringLiteral(
            "INSERT INTO PAYMENTS (UID, NDOC, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, "
            "FR_UID, ACQ_ID, FIO, PMNT_CM) VALUES (:U, :N, :S, :D, '10:00:00', :O, :SM, '0101', :K, :C, :F, :A, :FIO, :CM)");
        sql(q, {{"U", uid}, {"N", ndoc}, {"S", sum}, {"D", d}, {"O", oper}, {"SM", smena}, {"K", srv}, {"C", uid + "K"},
                {"F", "FR" + uid}, {"A", acq}, {"FIO", "Иванов И.И."}, {"CM", comment}});
        sql(q, {{"U", uid + "K"}, {"N", ndoc}, {"S", "10"}, {"D", d}, {"O", oper}, {"SM", smena}, {"K", com},
                {"C", QVariant()}, {"F", "FR" + uid}, {"A", acq}, {"FIO", "Иванов И.И."}, {"CM", QVariant()}});
    }
    int count(const QString& where) { return value("SELECT COUNT(*) FROM PAYMENTS WHERE " + where).toInt(); }
};

QStringList uids(const std::vector<PaymentRow>& rows)
{
    QStringList l;
    for (const auto& r : rows)
        l << r.uid;
    return l;
}
QStringList texts(const std::vector<ShiftEntry>& e)
{
    QStringList l;
    for (const auto& s : e)
        l << s.text;
    return l;
}
} // namespace

TEST(PaymentList, CashierSeesOnlyHerShiftsAndPaymentsAndNeverCommissionRows)
{
    ListFixture f;
    f.pay("501", "2", "S1", "100", f.today);
    f.pay("502", "3", "S2", "200", f.today);
    f.pay("503", "2", "S3", "300", f.today);
    f.pay("504", "2", "S1", "400", f.today.addDays(-1));
    PaymentList list(f.ws, f.db);
    list.day = f.today;

    EXPECT_EQ(texts(list.sm_list()), QStringList({"%", "(0101) Смирнова Е.А. №S1", "(0101) Смирнова Е.А. №S3"}));
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"501", "503"}));
    list.smena_nom = "S3";
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"503"}));

    f.ws.cur_role = "0";
    list.smena_nom = "%";
    EXPECT_EQ(texts(list.sm_list()),
              QStringList({"%", "(0101) Петрова А.И. №S2", "(0101) Смирнова Е.А. №S1", "(0101) Смирнова Е.А. №S3"}));
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"501", "502", "503"}));
    const PaymentRow& r = list.rows()[1];
    EXPECT_EQ(r.prim, "ЖКХ Управдом");
    EXPECT_EQ(r.sum, Money::fromRoubles(200));
    EXPECT_EQ(r.oper, "Петрова А.И.");

    // "Платежи текущей смены": each cashier's open shift of the day
    list.current_shift = true;
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"501", "502"}));
    f.ws.cur_role = "2";
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"501"}));

    // sorting by a column's field
    f.ws.cur_role = "0";
    list.current_shift = false;
    list.list_order = "PAYMENTS.SUM_PRIH";
    f.sql("UPDATE PAYMENTS SET SUM_PRIH=5 WHERE UID='503'");
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"503", "501", "502"}));
    list.list_order = "1;DROP TABLE PAYMENTS"; // only the grid's own fields sort
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"501", "502", "503"}));
}

TEST(PaymentList, FilterValuesAreBoundAndTheReceiptNumberAloneListsEveryDay)
{
    ListFixture f;
    f.ws.cur_role = "0";
    f.pay("601", "2", "S1", "100", f.today, "100", "101", "77");
    f.pay("602", "2", "S1", "100", f.today.addDays(-30), "100", "101", "77");
    f.pay("603", "2", "S1", "100", f.today, "100", "101", "78");
    PaymentList list(f.ws, f.db);
    list.day = f.today.addDays(-5);

    PaymentFilter filter;
    filter.clear(f.today);
    filter.ndoc = "77";
    QString error;
    ASSERT_TRUE(filter.build(&list.list_filter, &error));
    EXPECT_EQ(list.list_filter.sql, " AND PAYMENTS.NDOC = :F_NDOC");
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"601", "602"}));

    struct Case {
        const char* name;
        std::function<void(PaymentFilter&)> set;
        QStringList expected;
    } cases[] = {
        {"a quote in the name is a value", [](PaymentFilter& p) { p.fio = "O'Brien' OR ''='"; }, {}},
        {"payer", [](PaymentFilter& p) { p.fio = "Иванов И.И."; p.ndoc = "78"; }, {"603"}},
        {"amount from only", [](PaymentFilter& p) { p.by_sum = true; p.sum_from = "99,5"; }, {"601", "602", "603"}},
        {"amount range", [](PaymentFilter& p) { p.by_sum = true; p.sum_from = "0"; p.sum_to = "99.99"; }, {}},
        {"payment days", [&](PaymentFilter& p) { p.by_date = true; p.date_from = f.today.addDays(-31); p.date_to = f.today.addDays(-1); }, {"602"}},
        {"service", [](PaymentFilter& p) { p.kod_srv = "110"; }, {}},
    };
    for (const Case& c : cases) {
        PaymentFilter p;
        p.clear(f.today);
        c.set(p);
        ASSERT_TRUE(p.build(&list.list_filter, &error)) << c.name;
        EXPECT_EQ(uids(list.show_pmnts()), c.expected) << c.name;
    }
    PaymentFilter bad;
    bad.by_sum = true;
    bad.sum_from = "сто";
    EXPECT_FALSE(bad.build(&list.list_filter, &error));
    EXPECT_EQ(error, "Сумма указана неверно.");

    // an empty filter restores the day and shift selection
    PaymentFilter empty;
    ASSERT_TRUE(empty.build(&list.list_filter, &error));
    EXPECT_TRUE(list.list_filter.empty());
    list.day = f.today;
    EXPECT_EQ(uids(list.show_pmnts()), QStringList({"601", "603"}));
}

TEST(PaymentList, TotalsCountPaymentsAndThePayersCommission)
{
    ListFixture f;
    f.pay("701", "2", "S1", "100", f.today);               // commission 101 paid by the payer: counted in the sum
    f.pay("702", "2", "S1", "50.50", f.today, "110", "111"); // 111 is paid by the provider (DEBET): not counted
    f.pay("703", "3", "S2", "1000", f.today);
    PaymentList list(f.ws, f.db);
    list.day = f.today;
    PaymentTotals totals(list, f.db);
    const PaymentTotals::Totals t = totals.totals();
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.sum.text(), "160.50");
    EXPECT_EQ(PaymentTotals::messageText(t, 1, Money()), "Количество платежей: 2\nНа сумму: 160.50 руб.");
    EXPECT_EQ(PaymentTotals::messageText(t, 2, Money::fromKopecks(15050)), "Выделено записей: 2 из 2\nНа сумму: 150.50 руб.");
}

TEST(PaymentList, RunningTotalsFollowEveryChangeOfThePayments)
{
    ListFixture f;
    PaymentList list(f.ws, f.db);
    list.day = f.today;
    PaymentTotals totals(list, f.db);
    // every list state the totals serve: both roles, all shifts, one shift, the open shifts
    struct State {
        const char* role;
        const char* smena;
        bool current;
    } states[] = {{"0", "%", false}, {"2", "%", false}, {"0", "S3", false}, {"0", "%", true}, {"2", "%", true}};
    auto agree = [&](const char* step) {
        for (const State& s : states) {
            f.ws.cur_role = s.role;
            list.smena_nom = s.smena;
            list.current_shift = s.current;
            const PaymentTotals::Totals running = totals.totals();
            const PaymentTotals::Totals rows = totals.fromPayments();
            EXPECT_EQ(running.count, rows.count) << step << " role " << s.role << " " << s.smena << " " << s.current;
            EXPECT_EQ(running.sum, rows.sum) << step << " role " << s.role << " " << s.smena << " " << s.current;
            f.db.main().commit();
        }
    };
    struct Step {
        const char* name;
        std::function<void()> run;
    } steps[] = {
        {"payments of two cashiers", [&] {
             f.pay("801", "2", "S1", "100", f.today);
             f.pay("802", "2", "S1", "50.50", f.today, "110", "111");
             f.pay("803", "3", "S2", "1000", f.today);
             f.pay("804", "2", "S3", "7.25", f.today);
             f.pay("805", "2", "S1", "300", f.today.addDays(-1));
         }},
        {"a payment without an amount or a shift", [&] {
             f.pay("806", "2", "S1", "1", f.today);
             f.sql("UPDATE PAYMENTS SET SUM_PRIH=NULL WHERE UID='806'");
             f.sql("UPDATE PAYMENTS SET SMENA_NOM=NULL WHERE UID='806K'");
         }},
        {"a cancelled payment", [&] { f.sql("DELETE FROM PAYMENTS WHERE UID='801' OR UID='801K'"); }},
        {"a collection moves payments to a new shift", [&] {
             f.shift("S4", "2", f.today, true);
             f.sql("UPDATE SMENA SET CLS_DAT=:D WHERE SMENA_NOM='S1'", {{"D", f.today}});
             f.sql("UPDATE PAYMENTS SET SMENA_NOM='S4' WHERE SMENA_NOM='S1'");
             f.sql("UPDATE OPERATOR SET SMENA_NOM='S4' WHERE OPER_NOM='2'");
         }},
        {"amount, service and day corrected", [&] {
             f.sql("UPDATE PAYMENTS SET SUM_PRIH=99.99 WHERE UID='802'");
             f.sql("UPDATE PAYMENTS SET KOD_SRV='100' WHERE UID='802K'");
             f.sql("UPDATE PAYMENTS SET DAT=:D WHERE UID='805'", {{"D", f.today}});
             f.sql("UPDATE PAYMENTS SET FIO='Петров П.П.' WHERE UID='803'");
         }},
        {"a replicated row written again unchanged and a new one", [&] {
             f.sql("UPDATE OR INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, KOD_SRV) "
                   "VALUES ('803', 1000, :D, '3', 'S2', '100') MATCHING (UID)", {{"D", f.today}});
             f.sql("UPDATE OR INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, KOD_SRV) "
                   "VALUES ('807', 12, :D, '3', 'S2', '120') MATCHING (UID)", {{"D", f.today}});
         }},
        {"merged", [&] { EXPECT_TRUE(PaymentTotals::mergeRunningTotals(f.db, f.today)); }},
    };
    for (const Step& s : steps) {
        s.run();
        agree(s.name);
    }
    // one row per key of the day is left after the merge
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM PMNT_TOTALS WHERE DAT = :D", {{"D", f.today}}).toInt(),
              f.value("SELECT COUNT(*) FROM (SELECT DISTINCT OPER_NOM, SMENA_NOM, KOD_SRV FROM PAYMENTS WHERE DAT = :D "
                      "AND SUM_PRIH IS NOT NULL AND SMENA_NOM IS NOT NULL)", {{"D", f.today}}).toInt());
}

TEST(PaymentList, RunningTotalsLetConcurrentPaymentsThroughAndAMergeKeepsUncommittedOnes)
{
    ListFixture f;
    f.ws.cur_role = "0";
    f.pay("901", "2", "S1", "100", f.today);
    const QString insert = "INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, KOD_SRV) "
                           "VALUES (:U, :S, :D, '2', 'S1', '100')";
    // two open transactions store payments of the same cashier, shift and service: neither waits
    Query a(f.db.entry(), insert);
    a.setParam("U", "902");
    a.setParam("S", "20");
    a.setParam("D", f.today);
    a.execute();
    Database other;
    other.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    Query b(other.main(), insert);
    b.setParam("U", "903");
    b.setParam("S", "30");
    b.setParam("D", f.today);
    EXPECT_NO_THROW(b.execute());
    other.main().commit();

    // a merge while the first is still open leaves its payment out and lets it commit afterwards
    EXPECT_TRUE(PaymentTotals::mergeRunningTotals(f.db, f.today));
    PaymentList list(f.ws, f.db);
    list.day = f.today;
    PaymentTotals totals(list, f.db);
    EXPECT_EQ(totals.totals().sum.text(), "140.00");
    f.db.main().commit();
    f.db.entry().commit();
    EXPECT_EQ(totals.totals().sum.text(), "160.00");
    EXPECT_EQ(totals.totals(), totals.fromPayments());
    f.db.main().commit();
    other.detach();
}

TEST(PaymentList, ALongDayIsReadInPartsInUidOrderAndTheCurrentRowStays)
{
    ListFixture f;
    f.ws.cur_role = "0";
    // 260 payments stored out of UID order, with their commission rows and another day's payments
    {
        Query q(f.db.main(), "INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, KOD_SRV, COM_UID) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (int i = 0; i < 260; ++i) {
            const QString uid = QString::number(100000 + (i * 7919) % 260);
            for (const QString& u : {uid, uid + "K"}) {
                const QVariantList values = {u, u == uid ? "1" : "10", f.today, i % 2 ? "2" : "3", i % 2 ? "S1" : "S2",
                                             u == uid ? "100" : "101", u == uid ? QVariant(uid + "K") : QVariant()};
                for (int c = 0; c < values.size(); ++c)
                    q.bind(c, values[c]);
                q.execute();
            }
        }
        f.db.main().commit();
    }
    QStringList expected;
    for (int i = 0; i < 260; ++i)
        expected << QString::number(100000 + i);
    f.pay("099999", "2", "S1", "1", f.today.addDays(-1));
    PaymentList list(f.ws, f.db);
    list.day = f.today;
    ASSERT_TRUE(list.orderedByDatabase());
    list.open_pmnts();
    std::vector<PaymentRow> rows = list.fetch(100);
    EXPECT_EQ(rows.size(), 100u);
    EXPECT_FALSE(list.atEnd());
    f.sql("DELETE FROM PAYMENTS WHERE DAT < :D", {{"D", f.today}}); // the main transaction's commits do not end it
    for (auto& r : list.fetch(1000))
        rows.push_back(std::move(r));
    EXPECT_TRUE(list.atEnd());
    EXPECT_EQ(uids(rows), expected);
    list.list_order = "PAYMENTS.FIO"; // another order: read and sorted whole, the same rows
    EXPECT_FALSE(list.orderedByDatabase());
    EXPECT_EQ(list.show_pmnts().size(), 260u);

    // the window shows the first screen, reads the rest while idle and keeps a far current row
    Form1 form(f.menus, f.dialogs);
    NoCancellationDevices devices;
    PaymentsController pc(form, f.ws, f.db, f.utils, f.log, f.dialogs, devices);
    pc.setDay(f.today);
    pc.refresh();
    EXPECT_EQ(pc.model().rows(), PaymentsController::kFirstRows);
    QTRY_COMPARE(pc.model().rows(), 260);
    form.grid()->setCurrentIndex(pc.model().index(250, 1));
    const QString far = pc.currentUid();
    pc.show_pmnts();
    EXPECT_EQ(pc.currentUid(), far);
    // numeric "*" works on every row of the day, read or not
    pc.show_pmnts();
    pc.invertSelection();
    EXPECT_EQ(pc.model().rows(), 260);
    EXPECT_EQ(pc.selectedCount(), 260);
}

TEST(PaymentCancellation, CashPaymentOfTheShiftIsDeletedWithItsCommissionAndJournalled)
{
    ListFixture f;
    f.ws.fr_driver = 5;
    f.pay("801", "2", "S1", "100", f.today);
    TestDevices dev;
    PaymentCancellation c(f.ws, f.db, f.utils, f.log, f.dialogs, dev);
    int refreshed = 0, status = 0;
    c.refreshLists = [&] { ++refreshed; };
    c.statusRefresh = [&] { ++status; };

    // not the current shift's list and not role "0": nothing at all
    EXPECT_EQ(c.cancel("801", false), PaymentCancellation::Result::NotAllowed);
    EXPECT_TRUE(f.dialogs.questions.isEmpty());
    // No: nothing changes
    f.dialogs.yesNo = {false};
    EXPECT_EQ(c.cancel("801", true), PaymentCancellation::Result::Declined);
    EXPECT_EQ(f.dialogs.questions, QStringList({"Удалить платеж с уникальным номером 801, на сумму 110,00?"}));
    EXPECT_EQ(f.count("UID IN ('801','801K')"), 2);

    f.dialogs.yesNo = {true};
    EXPECT_EQ(c.cancel("801", true), PaymentCancellation::Result::Deleted);
    EXPECT_EQ(f.count("UID IN ('801','801K')"), 0);
    EXPECT_EQ(dev.calls, QStringList({"fr_connect", "print_receipt", "fr_disconnect"}));
    EXPECT_EQ(dev.printed.amount.text(), "110.00");
    EXPECT_EQ(dev.printed.doc_type, 2);
    EXPECT_EQ(dev.printed.text, "Возврат");
    EXPECT_EQ(f.value("SELECT TAB_NAME FROM JRNL WHERE QUERY_UPD CONTAINING 'DELETE FROM PAYMENTS'"), "PAYMENTS");
    EXPECT_EQ(f.value("SELECT PRMS FROM JRNL WHERE TAB_NAME='PAYMENTS'"), "801|801K|");
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(status, 1);
    const QString log = f.logText();
    for (const char* line : {"Выполнение возврата платежа 801", "Сумма возврата (платеж наличными) 110,00", "Возврат"})
        EXPECT_TRUE(log.contains(QString::fromUtf8(line))) << line;
}

TEST(PaymentCancellation, FailedStepsLeaveThePaymentItsCommissionAndCardTransaction)
{
    struct Case {
        const char* name;
        std::function<void(ListFixture&, TestDevices&)> setup;
        QStringList calls;
    } cases[] = {
        {"return receipt fails on a Shtrih register",
         [](ListFixture&, TestDevices& d) { d.printError = 1; },
         {"fr_connect", "print_receipt", "fr_disconnect"}},
        {"no reason given with cmtondel",
         [](ListFixture& f, TestDevices&) { f.ws.cmtondel = true; f.dialogs.texts = {QString("  ")}; },
         {"fr_connect", "fr_disconnect"}},
        {"the pinpad refuses: no return receipt",
         [](ListFixture& f, TestDevices& d) { f.sql("UPDATE PAYMENTS SET ACQ_ID=77"); d.pinpadResult = 2; },
         {"fr_connect", "pinpad_cancel 77", "fr_disconnect"}},
        {"the provider's gateway is not reachable",
         [](ListFixture& f, TestDevices&) {
             f.sql("INSERT INTO RS (RS_ID, RS_NM, RS_DELURL) VALUES (5, 'шлюз', 'http://127.0.0.1:1/del?id=<<uid>>')");
             f.sql("UPDATE SERVICE SET USE_LS=2, RS_ID=5 WHERE KOD_SRV='100'");
         },
         {"fr_connect", "print_receipt", "fr_disconnect", "provider_delete http://127.0.0.1:1/del?id=901"}},
    };
    for (const Case& c : cases) {
        ListFixture f;
        f.ws.fr_driver = 5;
        f.pay("901", "2", "S1", "100", f.today);
        TestDevices dev;
        c.setup(f, dev);
        f.dialogs.yesNo = {true};
        PaymentCancellation pc(f.ws, f.db, f.utils, f.log, f.dialogs, dev);
        EXPECT_EQ(pc.cancel("901", true), PaymentCancellation::Result::Failed) << c.name;
        EXPECT_EQ(f.dialogs.messages, QStringList({"Возврат не удался."})) << c.name;
        EXPECT_EQ(dev.calls, c.calls) << c.name;
        EXPECT_EQ(f.count("UID IN ('901','901K')"), 2) << c.name;
        EXPECT_EQ(f.value("SELECT COUNT(*) FROM JRNL WHERE TAB_NAME='PAYMENTS'"), "0") << c.name;
    }
}

TEST(PaymentCancellation, CardPaymentCancelsOnThePinpadPrintsTheSlipAndDeletesTheTransactionsPayments)
{
    ListFixture f;
    f.ws.fr_driver = 5;
    f.ws.cmtondel = true;
    f.pay("951", "2", "S1", "100", f.today, "100", "101", "", 40);
    f.pay("952", "2", "S1", "20", f.today, "120", "121", "", 40);
    f.pay("953", "2", "S1", "30", f.today);
    f.sql("INSERT INTO ACQUIRING (ID, CHEQUE) VALUES (41, 'ОТМЕНА\nОДОБРЕНО')");
    TestDevices dev;
    dev.pinpadNewId = 41;
    f.dialogs.yesNo = {true};
    f.dialogs.texts = {QString("ошибка кассира")};
    PaymentCancellation c(f.ws, f.db, f.utils, f.log, f.dialogs, dev);
    EXPECT_EQ(c.cancel("951", false), PaymentCancellation::Result::NotAllowed);
    f.ws.cur_role = "0";
    EXPECT_EQ(c.cancel("951", false), PaymentCancellation::Result::Deleted);
    EXPECT_EQ(f.dialogs.questions.first(), "Удалить платеж с уникальным номером 951, на сумму 140,00?");
    EXPECT_EQ(dev.calls.mid(0, 3), QStringList({"fr_connect", "pinpad_cancel 40", "print_text ОТМЕНА|ОДОБРЕНО"}));
    EXPECT_TRUE(dev.printed.card);
    EXPECT_EQ(dev.printed.note, "ошибка кассира");
    ASSERT_GE(dev.printed.extra_lines.size(), 10);
    EXPECT_EQ(dev.printed.extra_lines[0], "Сообщение об отмене платежа");
    EXPECT_EQ(dev.printed.extra_lines[3], "На сумму: 100.00");
    EXPECT_EQ(dev.printed.extra_lines[7], "Смена №: S1");
    EXPECT_EQ(dev.printed.extra_lines[9], "Сообщение об ошибке: ошибка кассира");
    EXPECT_EQ(f.count("ACQ_ID=40"), 0);
    EXPECT_EQ(f.count("UID IN ('953','953K')"), 2);
    EXPECT_TRUE(f.logText().contains("Отмена операции."));
}

TEST(ListWindows, StatementsAndTheFirstColumnsRules)
{
    ListFixture f;
    f.sql("INSERT INTO EXPRT (EXP_UID, OPER_NOM, SM, PODR, RPT) VALUES (12, '2', 100, '0101', 'отчет выгрузки')");
    ListWindowLogic exports(f.db, f.utils, f.dialogs, "Выгрузки в БИС", ListWindowLogic::kBisExportsSql);
    exports.open();
    ASSERT_EQ(exports.model().rows(), 1);
    EXPECT_EQ(exports.firstColumn(), "EXP_UID");
    EXPECT_EQ(exports.doubleClick(), ListWindowLogic::DoubleClick::Payments);
    EXPECT_EQ(exports.reportText(0), "отчет выгрузки");
    f.dialogs.yesNo = {false, true};
    EXPECT_FALSE(exports.remove(0));
    EXPECT_TRUE(exports.remove(0));
    EXPECT_EQ(f.dialogs.questions, QStringList({"Удалить запись 12?", "Удалить запись 12?"}));
    EXPECT_EQ(exports.model().rows(), 0);
    EXPECT_EQ(f.value("SELECT PRMS FROM JRNL WHERE TAB_NAME='EXPRT'"), "12|");

    ListWindowLogic shifts(f.db, f.utils, f.dialogs, "Смены", ListWindowLogic::kShiftsSql);
    shifts.open();
    EXPECT_EQ(shifts.model().rows(), 3);
    EXPECT_EQ(shifts.doubleClick(), ListWindowLogic::DoubleClick::Payments);
    f.pay("301", "2", "S1", "100", f.today);
    ListWindowLogic payments(f.db, f.utils, f.dialogs, "Платежи", shifts.paymentsSql(), {{"UID", "S1"}});
    payments.open();
    EXPECT_EQ(payments.model().rows(), 2);
    EXPECT_FALSE(shifts.remove(0)); // no delete rule for shifts
    EXPECT_EQ(f.dialogs.questions.size(), 2);

    ListWindowLogic users(f.db, f.utils, f.dialogs, "Работающие пользователи", ListWindowLogic::kActiveUsersSql);
    users.open();
    EXPECT_GE(users.model().rows(), 1);
    EXPECT_EQ(users.firstColumn(), "MON$ATTACHMENT_ID");
    EXPECT_EQ(users.doubleClick(), ListWindowLogic::DoubleClick::None);

    ListWindowLogic broken(f.db, f.utils, f.dialogs, "x", "SELECT NOSUCH FROM OKATO");
    EXPECT_THROW(broken.open(), DbError);
}

TEST(PasswordChange, ThreePromptsAndTheStoredHash)
{
    ListFixture f;
    int refreshed = 0;
    PasswordChange p(f.ws, f.db, f.log, f.dialogs);
    p.refreshLists = [&] { ++refreshed; };
    struct Case {
        std::deque<std::optional<QString>> answers;
        PasswordChange::Result result;
        QStringList messages;
    } cases[] = {
        {{QString("1111"), std::nullopt}, PasswordChange::Result::Cancelled, {}},
        {{QString("2222"), QString("a"), QString("a")}, PasswordChange::Result::WrongOld, {"Неправильно введен старый пароль"}},
        {{QString("1111"), QString("a"), QString("b")}, PasswordChange::Result::Mismatch, {"Новый пароль и подтверждение не совпадают"}},
        {{QString("1111"), QString("новый"), QString("новый")}, PasswordChange::Result::Changed, {"Пароль изменен"}},
    };
    for (const Case& c : cases) {
        f.dialogs.clear();
        f.dialogs.texts = c.answers;
        EXPECT_EQ(p.run(), c.result);
        EXPECT_EQ(f.dialogs.messages, c.messages);
    }
    EXPECT_EQ(f.dialogs.questions, QStringList({"Введите старый пароль :", "Введите новый пароль :", "Введите новый пароль еще раз :"}));
    EXPECT_EQ(f.value("SELECT PASS FROM OPERATOR WHERE OPER_NOM='2'"), md5(QString("новый")));
    EXPECT_EQ(f.ws.cur_pass_hash, md5(QString("новый")));

    // central mode: the server's reply decides
    f.ws.central_mode = "http://127.0.0.1:1";
    QString sent;
    p.centralRequest = [&](const QString& cmd, const QString& prm) { sent = cmd + "?" + prm; };
    f.dialogs.clear();
    f.dialogs.texts = {QString("новый"), QString("x"), QString("x")};
    EXPECT_EQ(p.run(), PasswordChange::Result::Failed);
    EXPECT_EQ(sent, "pswdch?newpass=" + md5(QString("x")));
    EXPECT_EQ(f.dialogs.messages, QStringList({"Не удалось изменить пароль."}));
    EXPECT_EQ(refreshed, 2); // after the local change and after the central attempt
}

TEST(MainWindow, GridKeysTotalsCommentAndTheCurrentShiftBox)
{
    ListFixture f;
    f.pay("401", "2", "S1", "100", f.today, "100", "101", "", QVariant(), "позвонить");
    f.pay("402", "2", "S1", "50.50", f.today);
    f.pay("403", "2", "S3", "7", f.today);
    f.sql("UPDATE PAYMENTS SET PRNSTAT='2' WHERE UID='403'");
    Form1 form(f.menus, f.dialogs);
    NoCancellationDevices devices;
    PaymentsController pc(form, f.ws, f.db, f.utils, f.log, f.dialogs, devices);
    pc.setDay(f.today);
    pc.refresh();
    form.show();
    QTableView* grid = form.grid();
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(form.shiftList()->count(), 3);
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_FALSE(grid->isColumnHidden(1));
    EXPECT_EQ(grid->model()->index(1, PaymentList::kSumColumn).data().toString(), "     50.50");
    EXPECT_EQ(grid->model()->index(2, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    // the comment panel follows the current row
    EXPECT_TRUE(form.commentPanel()->isVisibleTo(&form));
    grid->setFocus();

    // Space selects the first two rows; numeric "+" reports them
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_FALSE(form.commentPanel()->isVisibleTo(&form));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(pc.selectedCount(), 2);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_EQ(f.dialogs.messages[0], "Выделено записей: 2 из 3\nНа сумму: 150.50 руб.");
    QTest::keyClick(grid, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(pc.selectedCount(), 1);
    EXPECT_EQ(pc.currentUid(), "403");
    QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(pc.selectedCount(), 0);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(f.dialogs.messages.last(), "Количество платежей: 3\nНа сумму: 187.50 руб.");

    // the current shift: day and shift disabled, only the open shift's payments
    form.currentShiftBox()->setChecked(true);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_FALSE(form.dayPicker()->isEnabled());
    EXPECT_FALSE(form.shiftList()->isEnabled());
    form.currentShiftBox()->setChecked(false);
    EXPECT_TRUE(form.dayPicker()->isEnabled());
    EXPECT_EQ(grid->model()->rowCount(), 3);

    // F8 on another day's list of a cashier does nothing
    f.dialogs.clear();
    QTest::keyClick(grid, Qt::Key_F8);
    EXPECT_TRUE(f.dialogs.asked().isEmpty());

    // a database error while opening the list is shown and empties the grid
    pc.list().list_filter.sql = " AND NOSUCH = 1";
    pc.show_pmnts();
    EXPECT_EQ(grid->model()->rowCount(), 0);
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_TRUE(f.dialogs.messages[0].contains("NOSUCH")) << f.dialogs.messages[0].toStdString();
    pc.list().list_filter = {};
    pc.show_pmnts();
    EXPECT_EQ(grid->model()->rowCount(), 3);
}

TEST(MainWindow, SearchFoldsCyrillicCapitalsAndContinuesAfterTheLastHit)
{
    PaymentListModel m;
    std::vector<PaymentRow> rows(4);
    rows[0].fio = "Иванов";
    rows[1].fio = "Петров";
    rows[2].fio = "ИВАНОВА";
    rows[3].fio = "Сидоров";
    m.setRows(rows);
    GridSearch s(m, 6);
    EXPECT_EQ(s.find("иван"), 0);
    EXPECT_EQ(s.find("иван"), 2);
    EXPECT_EQ(s.find("иван"), -1);
    EXPECT_EQ(s.find("иван"), 0);
    EXPECT_EQ(s.find("ров"), 1);
    EXPECT_EQ(GridSearch::fold("АБВ Я abc"), "абв я abc");
}

TEST(MainWindow, RecordAccessRules)
{
    WorkingState ws;
    ws.cur_role = "2";
    ws.fr_driver = 5;
    EXPECT_TRUE(RecordAccess::of(ws, true, true).save);
    EXPECT_TRUE(RecordAccess::of(ws, true, true).print);
    EXPECT_FALSE(RecordAccess::of(ws, false, true).save);
    EXPECT_FALSE(RecordAccess::of(ws, true, false).print);
    ws.pmntedt = true;
    EXPECT_FALSE(RecordAccess::of(ws, true, true).save);
    ws.cur_role = "3";
    ws.pmntedt = false;
    EXPECT_FALSE(RecordAccess::of(ws, true, true).save);
    ws.fr_driver = 4;
    EXPECT_TRUE(RecordAccess::of(ws, false, false).print);
    ws.fr_driver = 5;
    ws.repprn = true;
    EXPECT_FALSE(RecordAccess::of(ws, false, true).print);
}
