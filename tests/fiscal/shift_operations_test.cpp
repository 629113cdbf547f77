// Opening and closing shifts, collection, reports and the correction receipt on every device kind,
// against the emulators and a real database.
#include "fiscal/correction_window.h"
#include "shift_fixture.h"
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
class FakePinpad : public PinpadReports {
public:
    int code = 0;
    QString text;
    int calls = 0;
    int pinpad_z_report(QString& cheque) override
    {
        ++calls;
        cheque = code == 0 ? text : QString();
        return code;
    }
};
} // namespace

TEST(Shifts, NonFiscalPrimOpeningClosesTheCurrentShiftFirst)
{
    ShiftBench b(FrPrimNf);
    ASSERT_TRUE(b.svc.openRow());
    const QString first = b.ctx.cur_smena_nom;
    b.bench.reset();

    ASSERT_TRUE(b.svc.OpenSession());
    const QString second = b.ctx.cur_smena_nom;
    EXPECT_NE(second, first);
    EXPECT_TRUE(b.closed(first));
    EXPECT_FALSE(b.closed(second));
    EXPECT_EQ(b.operatorShift(), second);
    EXPECT_EQ(b.openShifts(), 1);
    // the non-fiscal register has no shift to open or close
    EXPECT_FALSE(b.bench.calls().contains(QStringLiteral("ShiftOpen")));
    EXPECT_FALSE(b.bench.calls().contains(QStringLiteral("ShiftClose")));
    const QStringList log = b.bench.logLines();
    const int open = log.indexOf(QStringLiteral("Открытие смены"));
    EXPECT_LT(open, log.indexOf(QStringLiteral("Закрытие смены")));
    EXPECT_LT(log.indexOf(QStringLiteral("Закрытие смены")), log.indexOf(QStringLiteral("Cмена ") + first + QStringLiteral(" закрыта.")));
    EXPECT_EQ(b.refreshes, (QStringList{QStringLiteral("0,0"), QStringLiteral("0,1")}));
}

TEST(Shifts, ShtrihOpeningByTheRegistersAnswer)
{
    struct Case {
        const char* name;
        bool register_open;  // fr_shift_open before opening
        QString fault;       // emulator fault on OpenSession
        std::optional<bool> answer; // the cashier's answer to "Продолжить?", when asked
        bool sent;           // OpenSession went to the register
        bool result;
        bool row;            // a database shift was created
        bool force;          // the status refresh counts the Shtrih shift as open
        QString logLine;
    };
    const QList<Case> cases = {
        {"already open", true, QString(), std::nullopt, false, true, true, false,
         QStringLiteral("Смена на ФР \"Штрих\" уже была открыта.")},
        {"opened", false, QString(), std::nullopt, true, true, true, false, QStringLiteral("Открытие смены фр штрих, результат: 0")},
        {"-1 ignored", false, QStringLiteral("OpenSession -1"), std::nullopt, true, true, true, true,
         QStringLiteral("Ошибка -1 игнорируется.")},
        {"55 ignored", false, QStringLiteral("OpenSession 55"), std::nullopt, true, true, true, true,
         QStringLiteral("Ошибка 55 игнорируется. Смена откроется следующим фискальным документом")},
        {"failed, go on", false, QStringLiteral("OpenSession 115"), true, true, true, true, true,
         QStringLiteral("Открытие смены фр штрих, результат: 115")},
        {"failed, end", false, QStringLiteral("OpenSession 115"), false, true, false, false, false,
         QStringLiteral("Открытие смены фр штрих, результат: 115")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShiftBench b(FrShtrihFiscal, c.fault.isEmpty() ? QString() : QStringLiteral("[shtrih]\nfault=") + c.fault + QLatin1Char('\n'));
        if (!c.register_open)
            b.bench.shtrih->setShift(false, QDateTime());
        b.bench.state.fr_shift_open = c.register_open;
        if (c.answer)
            b.bench.dialogs.yesNo.push_back(*c.answer);
        b.bench.reset();

        EXPECT_EQ(b.svc.OpenSession(), c.result);
        EXPECT_EQ(b.bench.calls().contains(QStringLiteral("OpenSession")), c.sent);
        EXPECT_EQ(b.bench.dialogs.questions,
                  c.answer ? QStringList{QStringLiteral("Ошибка открытия смены. Код ошибки: 115. Продолжить?")} : QStringList());
        EXPECT_EQ(b.openShifts(), c.row ? 1 : 0);
        EXPECT_EQ(!b.operatorShift().isEmpty(), c.row);
        EXPECT_EQ(b.ctx.cur_smena_nom, b.operatorShift());
        EXPECT_EQ(b.refreshes, c.result ? QStringList{QStringLiteral("%1,1").arg(c.force)} : QStringList());
        EXPECT_TRUE(b.logHas(c.logLine)) << b.bench.logLines().join(QLatin1Char('\n')).toStdString();
    }
}

TEST(Shifts, OpenAndCloseOnEachFiscalRegister)
{
    struct Case {
        int driver;
        QStringList open_calls;  // in order, among the register's calls
        QStringList close_calls;
        QString z_tape;          // a line of the Z report on the tape
    };
    const QList<Case> cases = {
        {FrPrim, {QStringLiteral("ShiftOpen")}, {QStringLiteral("ShiftClose")}, QStringLiteral("Z-ОТЧЕТ (ЗАКРЫТИЕ СМЕНЫ)")},
        {FrAtolFiscal, {QStringLiteral("SetMode"), QStringLiteral("OpenSession"), QStringLiteral("Resetmode"), QStringLiteral("GetStatus")},
         {QStringLiteral("SetMode"), QStringLiteral("Report"), QStringLiteral("GetStatus")}, QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")},
        {FrShtrihFiscal, {QStringLiteral("OpenSession")}, {QStringLiteral("PrintReportWithCleaning")},
         QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.driver);
        ShiftBench b(c.driver);
        if (b.bench.prim) b.bench.prim->setShift(false, QDateTime());
        if (b.bench.atol) b.bench.atol->setShift(false, QDateTime());
        if (b.bench.shtrih) b.bench.shtrih->setShift(false, QDateTime());
        b.bench.reset();
        ASSERT_TRUE(b.svc.OpenSession());
        QStringList calls = b.bench.calls();
        int at = 0;
        for (const QString& call : c.open_calls) {
            at = calls.indexOf(call, at);
            EXPECT_GE(at, 0) << call.toStdString();
        }
        const QString nom = b.ctx.cur_smena_nom;
        EXPECT_EQ(b.operatorShift(), nom);

        b.bench.reset();
        const qint64 slept = b.bench.clock.slept();
        EXPECT_TRUE(b.svc.CloseSession());
        calls = b.bench.calls();
        at = 0;
        for (const QString& call : c.close_calls) {
            at = calls.indexOf(call, at);
            EXPECT_GE(at, 0) << call.toStdString();
        }
        EXPECT_TRUE(b.bench.tape().contains(c.z_tape)) << b.bench.tape().join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(b.closed(nom));
        EXPECT_TRUE(b.operatorShift().isEmpty());
        EXPECT_TRUE(b.ctx.cur_smena_nom.isEmpty());
        EXPECT_EQ(b.bench.clock.slept() - slept, 1000);
        EXPECT_EQ(b.refreshes.last(), QStringLiteral("0,0"));
        EXPECT_FALSE(b.bench.state.fr_shift_open);
        EXPECT_TRUE(b.logHas(QStringLiteral("Cмена ") + nom + QStringLiteral(" закрыта.")));
        EXPECT_TRUE(b.logHas(QStringLiteral("Пауза после закрытия смены.")));
    }
}

TEST(Shifts, FailedCloseKeepsTheDatabaseShiftOpenAndMinusOneIsNoFailure)
{
    {
        ShiftBench b(FrShtrihFiscal, QStringLiteral("[shtrih]\nfault=PrintReportWithCleaning 78\n"));
        ASSERT_TRUE(b.svc.openRow());
        const QString nom = b.ctx.cur_smena_nom;
        EXPECT_FALSE(b.svc.CloseSession());
        EXPECT_EQ(b.bench.dialogs.messages, QStringList{QStringLiteral("Ошибка закрытия смены.")});
        EXPECT_FALSE(b.closed(nom));
        EXPECT_EQ(b.operatorShift(), nom);
        EXPECT_EQ(b.ctx.cur_smena_nom, nom);
        EXPECT_EQ(b.refreshes, QStringList{QStringLiteral("0,0")}); // the pause and the refresh still run
        EXPECT_TRUE(b.logHas(QStringLiteral("Закрытие смены Штрих,код: 78")));
    }
    {
        ShiftBench b(FrShtrihFiscal, QStringLiteral("[shtrih]\nfault=PrintReportWithCleaning -1\n"));
        ASSERT_TRUE(b.svc.openRow());
        const QString nom = b.ctx.cur_smena_nom;
        EXPECT_TRUE(b.svc.CloseSession());
        EXPECT_TRUE(b.bench.dialogs.messages.isEmpty());
        EXPECT_TRUE(b.closed(nom));
        EXPECT_TRUE(b.logHas(QStringLiteral("Игнорируем ошибку -1")));
    }
}

TEST(Shifts, PinpadZReportAtClose)
{
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        ShiftBench b(FrShtrihFiscal);
        FakePinpad pinpad;
        pinpad.code = ok ? 0 : 4134;
        pinpad.text = QStringLiteral("СВЕРКА ИТОГОВ\r\nИтого: 3 операции");
        b.svc.setPinpad(&pinpad);
        b.ctx.pinpad = true;
        ASSERT_TRUE(b.svc.openRow());
        const QString nom = b.ctx.cur_smena_nom;
        b.bench.reset();
        EXPECT_TRUE(b.svc.CloseSession());
        EXPECT_EQ(pinpad.calls, 1);
        EXPECT_TRUE(b.closed(nom));
        const QString cheque = b.value(QStringLiteral("SELECT ACQ_CHEQUE FROM SMENA WHERE SMENA_NOM=:N"), {{QStringLiteral("N"), nom}});
        EXPECT_EQ(cheque, ok ? pinpad.text : QString());
        EXPECT_EQ(b.bench.tape().contains(QStringLiteral("СВЕРКА ИТОГОВ")), ok);
        EXPECT_TRUE(b.logHas(QStringLiteral("Z отчет POS")));
    }
    // "pinpad=sbrf" with no pinpad layer bound: the report fails and the shift closes all the same
    ShiftBench b(FrShtrihFiscal);
    b.ctx.pinpad = true;
    ASSERT_TRUE(b.svc.openRow());
    const QString nom = b.ctx.cur_smena_nom;
    EXPECT_TRUE(b.svc.CloseSession());
    EXPECT_TRUE(b.closed(nom));
}

TEST(Shifts, CollectionSplitsTheShift)
{
    struct Case {
        int driver;
        QString outcome_call; // what the register is sent, empty for none
    };
    const QList<Case> cases = {{FrPrim, QString()}, {FrWinPrinter, QString()}, {FrShtrihFiscal, QStringLiteral("CashOutcome")},
                               {FrAtolFiscal, QStringLiteral("CashOutcome")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.driver);
        ShiftBench b(c.driver);
        ASSERT_TRUE(b.svc.openRow());
        const QString old = b.ctx.cur_smena_nom;
        b.payment(QStringLiteral("9001"), QStringLiteral("100.00"), old);
        b.payment(QStringLiteral("9002"), QStringLiteral("50.00"), old);
        b.payment(QStringLiteral("9003"), QStringLiteral("7.00"), QStringLiteral("1")); // another shift
        if (!c.outcome_call.isEmpty()) { // the register holds the cash it is to give out
            int code = 0;
            ReceiptData r;
            r.text = QStringLiteral("Внесение: ");
            r.amount = QStringLiteral("150,00");
            r.commission = QStringLiteral("0");
            r.check2 = QStringLiteral("0");
            b.bench.printer->print_receipt(r, code);
        }
        b.bench.reset();
        b.bench.dialogs.yesNo.push_back(true);

        EXPECT_TRUE(b.svc.collection());
        EXPECT_EQ(b.bench.dialogs.questions, QStringList{QStringLiteral("Выполнить инкассацию на сумму 150,00?")});
        if (c.outcome_call.isEmpty())
            EXPECT_FALSE(b.bench.calls().contains(QStringLiteral("CashOutcome")));
        else
            EXPECT_TRUE(b.bench.calls().contains(c.outcome_call));
        if (c.driver == FrShtrihFiscal) {
            EXPECT_EQ(b.bench.puts(QStringLiteral("Summ1")).last(), QStringLiteral("150.00"));
            EXPECT_TRUE(b.logHas(QStringLiteral("Инкассация Штрих, сумма 150,00, результат: 0")));
        }
        EXPECT_TRUE(b.closed(old));
        EXPECT_NE(b.ctx.cur_smena_nom, old);
        EXPECT_EQ(b.operatorShift(), b.ctx.cur_smena_nom);
        EXPECT_EQ(b.openShifts(), 1);
        EXPECT_EQ(b.refreshes.last(), QStringLiteral("0,1"));
        // the register's own shift stays open
        if (b.bench.shtrih)
            EXPECT_TRUE(b.bench.shtrih->shiftOpen());
    }
}

TEST(Shifts, FailedOrDeclinedCollectionChangesNothing)
{
    for (const bool declined : {true, false}) {
        SCOPED_TRACE(declined);
        ShiftBench b(FrShtrihFiscal); // the register holds no cash: CashOutcome answers 70
        ASSERT_TRUE(b.svc.openRow());
        const QString nom = b.ctx.cur_smena_nom;
        b.payment(QStringLiteral("9001"), QStringLiteral("100.00"), nom);
        b.bench.reset();
        b.bench.dialogs.yesNo.push_back(!declined);
        EXPECT_FALSE(b.svc.collection());
        EXPECT_EQ(b.bench.calls().contains(QStringLiteral("CashOutcome")), !declined);
        EXPECT_EQ(b.bench.dialogs.messages,
                  declined ? QStringList() : QStringList{QStringLiteral("Ошибка при инкассации. Код: 70")});
        EXPECT_FALSE(b.closed(nom));
        EXPECT_EQ(b.operatorShift(), nom);
        EXPECT_EQ(b.ctx.cur_smena_nom, nom);
        EXPECT_EQ(b.value(QStringLiteral("SELECT COUNT(*) FROM SMENA")).toInt(), 1);
    }
}

TEST(Shifts, XReportOnEachRegister)
{
    struct Case {
        int driver;
        QString call;
    };
    const QList<Case> cases = {{FrPrim, QStringLiteral("XReport")},        {FrPrimNf, QStringLiteral("XReport")},
                               {FrAtol, QStringLiteral("Report")},         {FrAtolFiscal, QStringLiteral("Report")},
                               {FrShtrihFiscal, QStringLiteral("PrintReportWithoutCleaning")},
                               {FrShtrih, QString()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.driver);
        ShiftBench b(c.driver);
        b.bench.settings.fr_password2 = QStringLiteral("29");
        b.bench.reset();
        EXPECT_EQ(b.svc.x_report(), 0);
        const QStringList calls = b.bench.calls();
        if (c.call.isEmpty()) {
            EXPECT_FALSE(calls.contains(QStringLiteral("PrintReportWithoutCleaning")));
        } else {
            EXPECT_TRUE(calls.contains(c.call)) << calls.join(QStringLiteral(", ")).toStdString();
        }
        if (is_atol(c.driver))
            EXPECT_EQ(b.bench.puts(QStringLiteral("DefaultPassword")).last(), QStringLiteral("\"29\""));
        if (is_shtrih(c.driver))
            EXPECT_EQ(b.bench.puts(QStringLiteral("Password")).last(), QStringLiteral("\"29\""));
        EXPECT_TRUE(b.logHas(QStringLiteral("Х отчет")));
    }
}

TEST(Shifts, RegisterTotals)
{
    const auto sell = [](FiscalBench& f, const QString& amount, int doc_type) {
        ReceiptData r;
        r.text = QStringLiteral("Оплата");
        r.amount = amount;
        r.commission = QStringLiteral("1,50");
        r.check2 = QStringLiteral("0");
        r.doc_type = doc_type;
        int code = 0;
        f.printer->print_receipt(r, code);
    };
    {
        ShiftBench b(FrPrim);
        sell(b.bench, QStringLiteral("100,00"), 0);
        sell(b.bench, QStringLiteral("18,50"), 2);
        EXPECT_EQ(b.svc.read_register_totals(),
                  (QStringList{QStringLiteral("Продажа:       101,50"), QStringLiteral("Возврат:         20,00"),
                               QStringLiteral("---------------------"), QStringLiteral("Итого:          81,50")}));
    }
    {
        ShiftBench b(FrAtolFiscal);
        sell(b.bench, QStringLiteral("100,00"), 0);
        const std::optional<QStringList> lines = b.svc.read_register_totals();
        ASSERT_TRUE(lines);
        EXPECT_EQ(lines->at(0), QStringLiteral("Продажа:       101,50"));
        EXPECT_EQ(lines->at(3), QStringLiteral("Итого:     ") + QStringLiteral("%1").arg(Money::fromKopecks(b.bench.atol->cash()).toString(), 10));
    }
    {
        ShiftBench b(FrShtrihFiscal);
        sell(b.bench, QStringLiteral("100,00"), 0);
        sell(b.bench, QStringLiteral("18,50"), 2);
        EXPECT_EQ(b.svc.read_register_totals(),
                  (QStringList{QStringLiteral("Продажа:       101,50"), QStringLiteral("Возврат:        20,00"),
                               QStringLiteral("---------------------"), QStringLiteral("Итого:          81,50")}));
    }
    {
        ShiftBench b(FrShtrih); // no totals: the window opens with what it holds
        bool shown = false;
        b.svc.register_totals([&](const std::optional<QStringList>& lines) {
            shown = true;
            EXPECT_FALSE(lines);
        });
        EXPECT_TRUE(shown);
        EXPECT_EQ(b.refreshes, QStringList{QStringLiteral("0,1")});
    }
}

TEST(Shifts, CorrectionReceiptAmountIsCutToKopecks)
{
    struct Case {
        QString text;
        std::optional<qint64> kopecks;
    };
    const QList<Case> cases = {{QString(), 0},           {QStringLiteral("0.00"), 0},     {QStringLiteral("12,345"), 1234},
                               {QStringLiteral("12.349"), 1234}, {QStringLiteral(" 5 "), 500}, {QStringLiteral("abc"), std::nullopt},
                               {QStringLiteral("1,2,3"), std::nullopt}};
    for (const Case& c : cases) {
        const std::optional<Money> m = ShiftOperationsService::correction_amount(c.text);
        ASSERT_EQ(m.has_value(), c.kopecks.has_value()) << c.text.toStdString();
        if (m)
            EXPECT_EQ(m->kopecks(), *c.kopecks) << c.text.toStdString();
    }
}

TEST(Shifts, CorrectionReceiptAndFiscalStorageReports)
{
    ShiftBench b(FrShtrihFiscal);
    b.bench.reset();
    EXPECT_EQ(b.svc.print_correction_receipt(2, Money::fromKopecks(1234)), 0);
    EXPECT_EQ(b.bench.puts(QStringLiteral("CheckType")).last(), QStringLiteral("2"));
    EXPECT_EQ(b.bench.puts(QStringLiteral("Summ1")).last(), QStringLiteral("12.34"));
    EXPECT_TRUE(b.bench.tape().join(QLatin1Char('\n')).contains(QStringLiteral("ВОЗВРАТ ПРИХОДА")));
    EXPECT_TRUE(b.logHas(QStringLiteral("Чек коррекции. Сумма 12,34 Тип чека 2")));
    const QStringList log = b.bench.logLines();
    const auto built = std::find_if(log.begin(), log.end(),
                                    [](const QString& l) { return l.startsWith(QStringLiteral("FNBuildCorrectionReceipt 0 ")); });
    ASSERT_NE(built, log.end());
    EXPECT_EQ(built->split(QLatin1Char(' ')).size(), 5); // code, receipt, document, fiscal sign
    EXPECT_EQ(b.bench.calls().last(), QStringLiteral("Disconnect"));

    const QStringList state = b.svc.calculation_state_report();
    ASSERT_EQ(state.size(), 5);
    EXPECT_EQ(state[0], QStringLiteral("Отчет о состоянии расчетов."));
    EXPECT_TRUE(state[1].startsWith(QStringLiteral("Номер фискального документа              : ")));
    EXPECT_GT(state[1].section(QStringLiteral(": "), 1).toInt(), 0);
    EXPECT_FALSE(state[2].section(QStringLiteral(": "), 1).isEmpty());
    EXPECT_TRUE(state[3].startsWith(QStringLiteral("Количество неподтвержденных документов   : ")));
    const QStringList unconfirmed = b.svc.unconfirmed_documents_report();
    EXPECT_EQ(unconfirmed[0], QStringLiteral("Запрос количества ФД на которые нет квитанции. "));
    // the calculation state report is one more document the operator has not confirmed yet
    EXPECT_EQ(unconfirmed[1], QStringLiteral("Количество неподтверждённых ФД : ")
                                  + QString::number(state[3].section(QStringLiteral(": "), 1).toInt() + 1));

    // other registers get nothing: the headings with empty values
    ShiftBench p(FrPrim);
    p.bench.reset();
    EXPECT_EQ(p.svc.print_correction_receipt(0, Money::fromKopecks(100)), 0);
    EXPECT_EQ(p.svc.calculation_state_report()[1], QStringLiteral("Номер фискального документа              : "));
    EXPECT_EQ(p.svc.unconfirmed_documents_report()[1], QStringLiteral("Количество неподтверждённых ФД : "));
    EXPECT_TRUE(p.bench.tape().isEmpty());
}

TEST(Shifts, CorrectionReceiptWindowStaysOpen)
{
    ShiftBench b(FrShtrihFiscal);
    CorrChequeForm w(b.svc, b.bench.dialogs);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Сформировать чек коррекции."));
    EXPECT_EQ(w.summ()->text(), QStringLiteral("0.00"));
    EXPECT_EQ(w.chequeType()->count(), 4);
    w.chequeType()->setCurrentIndex(1);
    w.summ()->setText(QStringLiteral("12,349"));
    b.bench.reset();
    w.makeReceipt();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(b.bench.tape().contains(QStringLiteral("РАСХОД")));
    EXPECT_TRUE(b.logHas(QStringLiteral("Чек коррекции. Сумма 12,34 Тип чека 1")));
    w.summ()->setText(QStringLiteral("двенадцать"));
    b.bench.reset();
    w.makeReceipt();
    EXPECT_EQ(b.bench.dialogs.messages, QStringList{QStringLiteral("Сумма введена неверно.")});
    EXPECT_TRUE(b.bench.tape().isEmpty());
}
