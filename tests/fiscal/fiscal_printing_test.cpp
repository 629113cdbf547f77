// Receipts, plain documents and the connection on every device kind, against the emulators.
#include "fiscal_fixture.h"
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString kCut = QStringLiteral("-------------------- отрез --------------------");
const QString kInsertSlip = QStringLiteral("Вставьте подкладной документ и нажмите ОК.");
const QString kInsertTape = QStringLiteral("Вставьте чековую или журнальную ленту и нажмите ок");

// "A, B, B, B" -> "A, B×3"
QString compress(const QStringList& calls)
{
    QStringList out;
    for (int i = 0; i < calls.size();) {
        int j = i;
        while (j < calls.size() && calls[j] == calls[i])
            ++j;
        out << (j - i > 1 ? calls[i] + QStringLiteral("×") + QString::number(j - i) : calls[i]);
        i = j;
    }
    return out.join(QStringLiteral(", "));
}

QStringList repeat(const QString& s, int n) { return QStringList(n, s); }

ReceiptData sample(int doc_type = 0)
{
    ReceiptData r;
    r.text = QStringLiteral("Оплата услуг");
    r.amount = QStringLiteral("100.00");
    r.commission = QStringLiteral("2,00");
    r.uid = QStringLiteral("777");
    r.doc_type = doc_type;
    return r;
}

const QStringList kExtra = {QStringLiteral("Абонент 123"), QString(), QStringLiteral("Период 02.2024")};

QString text(const QStringList& l) { return l.join(QLatin1Char('\n')); }
} // namespace

TEST(FiscalWrap, PiecesHoldAtMostWidthPlusOne)
{
    struct Case {
        QString line;
        int width;
        bool lf;
        QList<int> sizes;
    };
    const QString ninety(90, QLatin1Char('x'));
    const QList<Case> cases = {
        {ninety, 40, false, {41, 41, 8}},
        {QString(41, QLatin1Char('a')), 40, true, {41}},
        {QString(42, QLatin1Char('a')), 40, true, {41, 1}},
        {QStringLiteral("ab\rcd"), 40, false, {2, 2}},   // a carriage return ends a piece and is dropped
        {QStringLiteral("ab\ncd"), 40, false, {4}},      // a line feed is dropped on the registers
        {QStringLiteral("ab\ncd"), 40, true, {5}},       // and kept on the page printer and the port file
    };
    for (const Case& c : cases) {
        const QStringList pieces = FiscalPrinter::wrap_line(c.line, c.width, c.lf);
        QList<int> sizes;
        for (const QString& p : pieces)
            sizes << p.size();
        EXPECT_EQ(sizes, c.sizes) << c.line.toStdString();
        QString joined = pieces.join(QString());
        QString expected = c.line;
        expected.remove(QLatin1Char('\r'));
        if (!c.lf)
            expected.remove(QLatin1Char('\n'));
        EXPECT_EQ(joined, expected);
    }
}

// A sale and a return on each register kind: the calls made and what the tape shows.
TEST(FiscalReceipt, SaleAndReturnOnEveryRegister)
{
    const QStringList body = {QStringLiteral("ООО Тест"),         QStringLiteral("Оплата услуг"),
                              QStringLiteral("Сумм.плат  100.00"), QStringLiteral("Комиссия   2.00"),
                              QStringLiteral("Итого      102.00"), QStringLiteral("15-03-2024 10:00:00"),
                              QStringLiteral("Кассир: Иванова"),   QStringLiteral("Абонент 123"),
                              QStringLiteral("Период 02.2024"),    QStringLiteral("Итого      102.00")};
    const QStringList primForm = {QStringLiteral("ИНН 2465000000"), QStringLiteral("ООО Тест"), QString(),
                                  QStringLiteral("Сумм.плат  100.00"), QStringLiteral("Комисс.    2,00"),
                                  QStringLiteral("Итого:     =102.00"), QStringLiteral("15.03.24   10:00"),
                                  QStringLiteral("00001 КАСС: Иванова"), QStringLiteral("Рег.№  0000000001234567"),
                                  QStringLiteral("Абонент 123"), QStringLiteral("Период 02.2024"),
                                  QStringLiteral("<1030>Оплата услуг"), QStringLiteral("<1038>"), QStringLiteral("<1055>00"),
                                  QStringLiteral("<1042>"), QStringLiteral("<1115>"), QStringLiteral("<1105>"),
                                  QStringLiteral("ФП *"), kCut};
    const QStringList atolPlain = QStringList{QStringLiteral("ККТ АТОЛ (эмулятор)"), QStringLiteral("ООО Тест"),
                                              QStringLiteral("Оплата услуг"), QStringLiteral("Сумм. плат.: 100.00"),
                                              QStringLiteral("Комиссия   : 2.00"), QStringLiteral("Кассир: Иванова"),
                                              QStringLiteral("Абонент 123"), QStringLiteral("Период 02.2024"),
                                              QStringLiteral("15-03-2024 10:00:00"), QStringLiteral("Итого      102.00")}
        + repeat(QStringLiteral("    "), 8) + QStringList{kCut};
    auto atolFiscal = [](const QString& kind) {
        return QStringList{QStringLiteral("КАССОВЫЙ ЧЕК №1*"),
                           QStringLiteral("ООО Тест"), QStringLiteral("Сумм. плат.: 100.00"),
                           QStringLiteral("Комиссия   : 2.00"), QStringLiteral("Кассир: Иванова"),
                           QStringLiteral("Оплата услуг"), QStringLiteral("1.000 X 102.00*"), QStringLiteral("Абонент 123"),
                           QStringLiteral("Период 02.2024"), QStringLiteral("Итого      102.00"), QStringLiteral("ИТОГ*"),
                           QStringLiteral("НАЛИЧНЫМИ*"), QStringLiteral("15.03.24 10:00"), QStringLiteral("ФД №*"), kCut, kind};
    };
    const QStringList shtrihPlain = body + repeat(QString(), 7) + QStringList{kCut};
    auto shtrihFiscal = [&](const QString& kind) {
        return QStringList{QStringLiteral("КАССОВЫЙ ЧЕК №1*") + kind}
            + body.mid(0, 5) + QStringList{QStringLiteral("1.000 X 102.00*")} + body.mid(5)
            + QStringList{QStringLiteral("ИТОГ*"), QStringLiteral("НАЛИЧНЫМИ*"), QStringLiteral("15.03.24 10:00"),
                          QStringLiteral("ЗН ККТ*"), QStringLiteral("ФД №1*")}
            + repeat(QString(), 7) + QStringList{kCut};
    };
    struct Case {
        int driver, doc_type;
        QString calls;
        QStringList tape;
    };
    const QList<Case> cases = {
        {0, 0, QStringLiteral("OpenFiscalDoc, AddPosField, AddFreeField×17, PrintFiscalReceipt, GetNumbers"),
         QStringList{QStringLiteral("ПРИХОД")} + primForm},
        {0, 2, QStringLiteral("OpenFiscalDoc, AddPosField, AddFreeField×17, PrintFiscalReceipt, GetNumbers"),
         QStringList{QStringLiteral("ВОЗВРАТ ПРИХОДА")} + primForm},
        {3, 0, QStringLiteral("OpenFDoc, PrintOEMCRLFDoc×10, CloseFDoc, FreeDocCutPlus, GetNumbers"),
         body + repeat(QString(), 8) + QStringList{kCut}},
        {3, 2, QString(), {}},
        {1, 0, QStringLiteral("PrintHeader, PrintString×17, FullCut"), atolPlain},
        {1, 2, QStringLiteral("PrintHeader, PrintString×17, FullCut"), atolPlain},
        {6, 0, QStringLiteral("SetMode, OpenCheck, PrintString×4, Registration, PrintString×3, CloseCheck, Resetmode"),
         atolFiscal(QString())},
        {6, 2, QStringLiteral("SetMode, OpenCheck, PrintString×4, Return, PrintString×3, CloseCheck, Resetmode"),
         atolFiscal(QString())},
        {2, 0, QStringLiteral("PrintString×10, FeedDocument, CutCheck, OutputReceipt"), shtrihPlain},
        {2, 2, QStringLiteral("PrintString×10, FeedDocument, CutCheck, OutputReceipt"), shtrihPlain},
        {5, 0,
         QStringLiteral("GetECRStatus, OpenCheck, PrintString×4, Sale, PrintString×5, GetECRStatus, CloseCheck, FeedDocument, "
                        "CutCheck, GetECRStatus"),
         shtrihFiscal(QStringLiteral("ПРИХОД"))},
        {5, 2,
         QStringLiteral("GetECRStatus, OpenCheck, PrintString×4, ReturnSale, PrintString×5, GetECRStatus, CloseCheck, "
                        "FeedDocument, CutCheck, GetECRStatus"),
         shtrihFiscal(QStringLiteral("ВОЗВРАТ ПРИХОДА"))},
    };
    for (Case c : cases) {
        SCOPED_TRACE(QStringLiteral("driver %1, doc_type %2").arg(c.driver).arg(c.doc_type).toStdString());
        FiscalBench b(c.driver);
        ASSERT_TRUE(b.state.fr_connected);
        b.printer->receipt_extra_lines = kExtra;
        int code = -1;
        EXPECT_EQ(b.printer->print_receipt(sample(c.doc_type), code), 0);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(compress(b.calls()).toStdString(), c.calls.toStdString());
        if (c.driver == 6) // the ATOL tape ends with the cut; the kind marker of the table is not printed
            c.tape.removeLast();
        QString why;
        EXPECT_TRUE(tape_matches(b.tape(), c.tape, &why)) << why.toStdString() << "\n" << text(b.tape()).toStdString();
    }
}

TEST(FiscalReceipt, PrimSendsTheDocumentTypeTotalAndCopyLayout)
{
    FiscalBench b(0);
    b.settings.prim_hcopy = 2;
    b.settings.prim_loffs = 40;
    b.printer->receipt_extra_lines = kExtra;
    ReceiptData r = sample(2);
    r.receipt_mode = false; // slip: two copies side by side
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    const QStringList j = b.journal();
    EXPECT_EQ(j[0], QStringLiteral("OpenFiscalDoc(2, 0, 0, 1, 2, 1, 40, 3, 24, 10200) = 0"));
    EXPECT_TRUE(j.contains(QStringLiteral("AddFreeField(3, 1, 1, 1, 1, \"Оплата услуг\") = 0")));
    EXPECT_TRUE(j.contains(QStringLiteral("AddFreeField(3, 41, 1, 1, 1, \"Оплата услуг\") = 0")));
    // on a slip only the "Абонент" extra line, at both copies
    EXPECT_TRUE(j.contains(QStringLiteral("AddFreeField(10, 1, 1, 1, 0, \"Абонент 123\") = 0")));
    EXPECT_TRUE(j.contains(QStringLiteral("AddFreeField(10, 41, 1, 1, 0, \"Абонент 123\") = 0")));
    EXPECT_FALSE(text(j).contains(QStringLiteral("Период")));
    EXPECT_TRUE(j.contains(QStringLiteral("AddFreeField(11, 1, 1, 1, 0, \"<1030>Оплата услуг\") = 0")));
    EXPECT_TRUE(j.contains(QStringLiteral("PrintFiscalSlip() = 0")));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("openfiscaldoc 2|1|2|40|10200 err=0")));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("копируем нефискальную информацию")));
    EXPECT_EQ(b.tape().first(), QStringLiteral("==== подкладной документ ===="));
}

TEST(FiscalReceipt, PrimNoTapeAsksForPaperAndCountsAsPrinted)
{
    FiscalBench b(0);
    b.prim->core().addFault(EmulatorFault::no_tape(QStringLiteral("PrintFiscalReceipt")));
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(b.dialogs.messages, QStringList{kInsertTape});
    EXPECT_EQ(b.calls().last(), QStringLiteral("GetNumbers"));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("printfiscalreceipt err=64609")));
    // any other code is a failure
    b.prim->core().addFault(EmulatorFault::code_on(QStringLiteral("PrintFiscalReceipt"), 2, 1));
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 1);
    EXPECT_EQ(code, 2);
}

TEST(FiscalReceipt, PrimSlipCopyAfterTheReceipt)
{
    FiscalBench b(0);
    ReceiptData r = sample();
    r.check2 = QStringLiteral("1");
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    EXPECT_EQ(b.dialogs.messages, QStringList{kInsertSlip});
    auto half = [](const QString& c) { return (QStringLiteral("   ") + c).leftJustified(53, QLatin1Char(' '), true) + c; };
    const QStringList slip = {QStringLiteral("==== подкладной документ ===="),
                              QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
                              half(QStringLiteral("150324 ООО Тест")), half(QStringLiteral("Оплата услуг")),
                              half(QStringLiteral("777 Иванова 100.00")),
                              QStringLiteral("==== конец подкладного документа ====")};
    EXPECT_EQ(b.tape().mid(b.tape().size() - slip.size()), slip);
    EXPECT_TRUE(text(b.calls()).contains(QStringLiteral("PrintFiscalReceipt\nOpenFDoc\nSlipSelectFDoc")));

    // the same copy again later
    b.reset();
    EXPECT_EQ(b.printer->reprint_slip(r.text, r.amount, r.commission, r.uid, true, code, true), 0);
    EXPECT_EQ(b.tape(), slip);
    EXPECT_TRUE(b.logLines().contains(kInsertSlip + QStringLiteral(" Повторная печать")));
}

TEST(FiscalReceipt, ShtrihSeparateCommissionAndSlipCopy)
{
    FiscalBench b(5);
    ReceiptData r = sample();
    r.check2 = QStringLiteral("3");
    r.card = true;
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    EXPECT_EQ(code, 0);
    // the first receipt is the amount alone, the second the commission
    EXPECT_EQ(b.puts(QStringLiteral("Price")), (QStringList{QStringLiteral("100.00"), QStringLiteral("2.00")}));
    EXPECT_EQ(b.puts(QStringLiteral("Summ4")), (QStringList{QStringLiteral("100.00"), QStringLiteral("2.00")}));
    EXPECT_EQ(b.calls().count(QStringLiteral("Sale")), 2);
    EXPECT_EQ(b.calls().count(QStringLiteral("CloseCheck")), 2);
    const QStringList tape = b.tape();
    const QString all = text(tape);
    const int second = tape.indexOf(QRegularExpression(QStringLiteral("^КАССОВЫЙ ЧЕК №2.*")));
    ASSERT_GT(second, 0);
    EXPECT_FALSE(text(tape.mid(0, second)).contains(QStringLiteral("Комиссия")));
    QString why;
    EXPECT_TRUE(tape_matches(tape.mid(second, 6),
                             {QStringLiteral("КАССОВЫЙ ЧЕК №2*"), QStringLiteral("ООО Тест"), QStringLiteral("Комиссия   2.00"),
                              QStringLiteral("Комиссия   2.00"), // the sale line is named by the last printed text
                              QStringLiteral("1.000 X 2.00*"), QStringLiteral("15-03-2024 10:00:*")},
                             &why))
        << why.toStdString() << all.toStdString();
    // the plain copy: date, header and serial; text; receipt number, cashier and amount
    EXPECT_TRUE(all.contains(QStringLiteral("150324 ООО Тест №0012345678\nОплата услуг\n2 Иванова 100.00\n")));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Получен серийный №: 0012345678")));
    EXPECT_EQ(b.shtrih->cashRegister(205), 10200);
}

TEST(FiscalReceipt, VatLineWithoutChangingTheTotal)
{
    for (int driver : {5, 6, 2}) {
        SCOPED_TRACE(driver);
        FiscalBench b(driver);
        ReceiptData r = sample();
        r.amount = QStringLiteral("120.00");
        r.commission = QStringLiteral("0");
        r.vat_rate = 20;
        int code = -1;
        EXPECT_EQ(b.printer->print_receipt(r, code), 0);
        EXPECT_TRUE(b.tape().contains(QStringLiteral("НДС        20.00"))) << text(b.tape()).toStdString();
        EXPECT_TRUE(b.tape().contains(QStringLiteral("Итого      120.00")));
    }
}

TEST(FiscalReceipt, ShtrihBusyOpenCheckIsAbandonedAfterThirtySeconds)
{
    FiscalBench b(5);
    b.shtrih->core().addFault(EmulatorFault::code_on(QStringLiteral("OpenCheck"), 80));
    const QDateTime start = b.clock.now();
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 1);
    EXPECT_EQ(code, 80);
    const qint64 waited = start.msecsTo(b.clock.now());
    EXPECT_GE(waited, 30000);
    EXPECT_LE(waited, 30600);
    EXPECT_EQ(b.calls().last(), QStringLiteral("OpenCheck"));
    EXPECT_EQ(b.calls().count(QStringLiteral("PrintString")), 0);
    EXPECT_TRUE(b.tape().isEmpty());
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Так и не открыли чек фр штрих ошибка: 80")));
}

TEST(FiscalReceipt, ShtrihBusyForAWhileThenPrints)
{
    FiscalBench b(5);
    b.shtrih->core().addFault(EmulatorFault::busy(QStringLiteral("OpenCheck"), 1000));
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 0);
    EXPECT_EQ(b.calls().count(QStringLiteral("OpenCheck")), 6);
    EXPECT_EQ(b.calls().count(QStringLiteral("CloseCheck")), 1);
}

TEST(FiscalReceipt, ShtrihWaitsWhileTheDeviceIsPrinting)
{
    FiscalBench b(5, true, QStringLiteral("[shtrih]\nprinting_ms=1000\n"));
    b.settings.prndelay = 500;
    int code = -1;
    const QDateTime start = b.clock.now();
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 0);
    const QStringList log = b.logLines();
    EXPECT_TRUE(log.contains(QStringLiteral("Статус ФР: 14")));
    EXPECT_EQ(log.mid(log.indexOf(QStringLiteral("Статус ФР: 14"))).filter(QStringLiteral("Статус ФР: 2")).size(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("Пауза: 500")));
    EXPECT_GE(start.msecsTo(b.clock.now()), 200 + 1000 + 500);
}

TEST(FiscalReceipt, AtolRegistrationFailureLeavesTheReceiptOpen)
{
    FiscalBench b(6);
    b.atol->core().addFault(EmulatorFault::code_on(QStringLiteral("Registration"), atol_codes::ShiftOver24h));
    b.printer->receipt_extra_lines = kExtra;
    int code = 0;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 1);
    EXPECT_EQ(code, atol_codes::ShiftOver24h);
    EXPECT_EQ(compress(b.calls()), QStringLiteral("SetMode, OpenCheck, PrintString×4, Registration, PrintString×3, Resetmode"));
    EXPECT_TRUE(b.atol->receiptOpen());
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Ошибка регистрации атол: -3822")));
    // the next receipt cannot open on the device until the open one is dealt with
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 1);
    EXPECT_EQ(b.calls().last(), QStringLiteral("Resetmode"));
}

TEST(FiscalReceipt, AtolEmailTaxCardAndDepartment)
{
    FiscalBench b(6);
    b.settings.atol_tax_type = 4;
    ReceiptData r = sample();
    r.email = QStringLiteral("a@b.ru");
    r.card = true;
    r.department = 3;
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    const QString j = text(b.journal());
    EXPECT_TRUE(j.contains(QStringLiteral("AttrNumber := 1008\nAttrValue := \"a@b.ru\"\nWriteAttribute() = 0")));
    EXPECT_TRUE(j.contains(QStringLiteral("Department := 3\nTaxTypeNumber := 4\nRegistration() = 0")));
    EXPECT_TRUE(j.contains(QStringLiteral("TypeClose := 3\nCloseCheck() = 0")));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Атол, сохранили Email a@b.ru")));
    EXPECT_TRUE(b.tape().contains(QStringLiteral("ЭЛ. АДР. ПОКУПАТЕЛЯ                       a@b.ru")));
}

TEST(FiscalReceipt, NothingOnARegisterThatIsNotConnected)
{
    for (int driver : {1, 2, 5, 6}) {
        SCOPED_TRACE(driver);
        FiscalBench b(driver, false);
        int code = -1;
        EXPECT_EQ(b.printer->print_receipt(sample(), code), 0);
        EXPECT_EQ(code, 0);
        b.printer->document_lines = {QStringLiteral("строка")};
        b.printer->print_text(true);
        EXPECT_TRUE(b.calls().isEmpty()) << b.calls().join(QLatin1Char(',')).toStdString();
    }
}

TEST(FiscalReceipt, ADriverExceptionIsCaughtAndReported)
{
    FiscalBench b(5);
    b.shtrih->core().addFault(EmulatorFault::raise(QStringLiteral("Sale"), QStringLiteral("Устройство не отвечает")));
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 1);
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Ошибка при печати: Устройство не отвечает")));
}

TEST(FiscalReceipt, ShtrihSlipDocuments)
{
    {
        FiscalBench b(2);
        b.printer->receipt_extra_lines = kExtra;
        ReceiptData r = sample();
        r.receipt_mode = false;
        int code = -1;
        EXPECT_EQ(b.printer->print_receipt(r, code), 0);
        EXPECT_EQ(b.dialogs.messages, QStringList{kInsertSlip});
        const QStringList expected = QStringList{QStringLiteral("==== подкладной документ ====")}
            + QStringList{QStringLiteral("ООО Тест"),           QStringLiteral("Оплата услуг"),
                          QStringLiteral("Сумм.плат  100.00"),  QStringLiteral("Комиссия   2.00"),
                          QStringLiteral("Итого      102.00"),  QStringLiteral("15-03-2024 10:00:00"),
                          QStringLiteral("Кассир: Иванова"),    QStringLiteral("Абонент 123"),
                          QStringLiteral("Период 02.2024"),     QStringLiteral("Итого      102.00")}
            + QStringList{QStringLiteral("==== конец подкладного документа ====")};
        EXPECT_EQ(b.tape(), expected);
        EXPECT_TRUE(b.logLines().contains(QStringLiteral("Заполнение 1 строки буфера ПД результат: 0")));
    }
    {
        FiscalBench b(5);
        ReceiptData r = sample();
        r.receipt_mode = false;
        int code = -1;
        EXPECT_EQ(b.printer->print_receipt(r, code), 0);
        const QStringList tape = b.tape();
        EXPECT_EQ(tape.value(7), QStringLiteral("Кассир: Иванова"));
        EXPECT_EQ(tape.value(8), QStringLiteral("Итого      102.00")); // the closing total after the last filled line
        EXPECT_EQ(tape.value(9), QStringLiteral("Итого      102.00")); // the sale line of the fiscal block
        EXPECT_TRUE(tape.value(10).startsWith(QStringLiteral("1.000 X 102.00")));
        EXPECT_TRUE(b.puts(QStringLiteral("OperationBlockFirstString")) == QStringList{QStringLiteral("9")});
        EXPECT_TRUE(b.logLines().contains(QStringLiteral("Закрытие фискального ПД фр штрих, результат: 0")));
        EXPECT_EQ(b.shtrih->cashRegister(193), 10200);
        EXPECT_FALSE(b.shtrih->receiptOpen());
    }
}

TEST(FiscalReceipt, ShtrihReprintSlip)
{
    FiscalBench b(5);
    int code = -1;
    b.printer->print_receipt(sample(), code);
    b.reset();
    EXPECT_EQ(b.printer->reprint_slip(QStringLiteral("Оплата услуг"), QStringLiteral("100,00"), QStringLiteral("2"),
                                      QStringLiteral("777"), true, code, true),
              0);
    const QStringList tape = b.tape();
    ASSERT_EQ(tape.size(), 30);
    const QStringList block = {QStringLiteral("150324 ООО Тест №0012345678"), QStringLiteral("Оплата услуг"),
                               QStringLiteral("1 Иванова 100.00")};
    EXPECT_EQ(tape.mid(12, 3), block);
    EXPECT_EQ(tape.mid(26, 3), block);
    EXPECT_EQ(tape.mid(1, 11), repeat(QStringLiteral(" "), 11));
    EXPECT_EQ(b.dialogs.messages, QStringList{kInsertSlip});
    EXPECT_EQ(b.puts(QStringLiteral("SlipDocumentLength")), QStringList{QStringLiteral("900")});
    // without the slip copy mark there is nothing to reprint
    b.reset();
    b.printer->reprint_slip(QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"), false, code, true);
    EXPECT_TRUE(b.calls().isEmpty());
}

TEST(FiscalText, LongLineOnFortyColumns)
{
    const QString line = QString(30, QLatin1Char('a')) + QString(30, QChar(u'б')) + QString(30, QLatin1Char('c'));
    for (int driver : {2, 6}) {
        SCOPED_TRACE(driver);
        FiscalBench b(driver);
        b.settings.check_width = 60; // the registers cut at 40 whatever the setting
        b.printer->document_lines = {line};
        b.printer->print_text(false);
        QStringList pieces = b.puts(driver == 2 ? QStringLiteral("StringForPrinting") : QStringLiteral("Caption")).mid(0, 3);
        for (QString& p : pieces)
            p = p.mid(1, p.size() - 2);
        EXPECT_EQ(pieces, (QStringList{line.left(41), line.mid(41, 41), line.mid(82)}));
        EXPECT_EQ(pieces.join(QString()), line);
    }
}

TEST(FiscalText, EmptyDocumentStillEndsAsADocument)
{
    struct Case {
        int driver;
        QString calls;
    };
    for (const Case& c : QList<Case>{{0, QStringLiteral("OpenFDoc, CloseFDoc, FreeDocCutPlus")},
                                     {3, QStringLiteral("OpenFDoc, CloseFDoc, FreeDocCutPlus")},
                                     {1, QStringLiteral("PrintString×8, FullCut")},
                                     {6, QStringLiteral("PrintString×8, FullCut")},
                                     {2, QStringLiteral("FeedDocument, CutCheck, OutputReceipt")},
                                     {5, QStringLiteral("FeedDocument, CutCheck, OutputReceipt")}}) {
        SCOPED_TRACE(c.driver);
        FiscalBench b(c.driver);
        b.printer->document_lines = {QString(), QString()};
        b.printer->print_text(true);
        EXPECT_EQ(compress(b.calls()), c.calls);
        EXPECT_EQ(b.tape().last(), kCut);
    }
    FiscalBench b(4);
    b.settings.lptport = b.dir.filePath(QStringLiteral("lpt.txt"));
    b.printer->document_lines = {QString()};
    EXPECT_EQ(b.printer->print_text(true), 0);
    QFile f(b.settings.lptport);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(40, '-') + "\r\n" + QByteArray("\r\n").repeated(7));
}

TEST(FiscalText, PrimPrintsWholeLines)
{
    FiscalBench b(0);
    const QString line(60, QChar(u'ж'));
    b.printer->document_lines = {line, QString(), QStringLiteral("конец")};
    EXPECT_EQ(b.printer->print_text(true), 0);
    EXPECT_EQ(b.journal().mid(0, 3), (QStringList{QStringLiteral("OpenFDoc() = 0"),
                                                  QStringLiteral("PrintOEMCRLFDoc(\"") + line + QStringLiteral("\", 60) = 0"),
                                                  QStringLiteral("PrintOEMCRLFDoc(\"конец\", 5) = 0")}));
}

TEST(FiscalPortFile, ReceiptsOfOneVisitFeedOnlyAfterTheLast)
{
    FiscalBench b(4);
    b.settings.lptport = b.dir.filePath(QStringLiteral("lpt1.txt"));
    b.settings.cut_shft = 3;
    b.settings.check_width = 20;
    b.printer->receipt_extra_lines = {QStringLiteral("Абонент 123")};
    int code = -1;
    for (int i = 0; i < 3; ++i) {
        ReceiptData r = sample();
        r.last = i == 2;
        r.vat_rate = i == 1 ? 20 : 0;
        EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    }
    QFile f(b.settings.lptport);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count('\f'), 1);
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n\r\n\f"));
    const QStringList lines = from_dos_text(bytes).split(QStringLiteral("\r\n"));
    const QStringList receipt = {QStringLiteral("ООО Тест"), QStringLiteral("Оплата услуг"),
                                 QStringLiteral("Сумм.плат  100.00"), QStringLiteral("Комиссия   2.00"),
                                 QStringLiteral("Итого      102.00"), QStringLiteral("15-03-2024 10:00:00"),
                                 QStringLiteral("Кассир: Иванова"), QStringLiteral("Абонент 123"),
                                 QStringLiteral("Итого      102.00"), QString(20, QLatin1Char('-'))};
    QStringList withVat = receipt;
    withVat.insert(4, QStringLiteral("НДС        16.67"));
    EXPECT_EQ(lines, receipt + withVat + receipt + (QStringList{QString(), QString(), QString(), QStringLiteral("\f")}));
    // code page 866 on the wire
    EXPECT_TRUE(bytes.startsWith(to_dos(cp1251::encode(QStringLiteral("ООО Тест")))));
}

TEST(FiscalPortFile, ReturnAndCancellation)
{
    FiscalBench b(4);
    b.settings.lptport = b.dir.filePath(QStringLiteral("lpt1.txt"));
    b.settings.cut_shft = 2;
    b.settings.check_width = 10;
    b.printer->receipt_extra_lines = {QStringLiteral("Абонент 123")};
    ReceiptData r = sample(2);
    r.note = QStringLiteral("отмена");
    r.last = false;
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    QFile f(b.settings.lptport);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(from_dos_text(f.readAll()),
              QStringLiteral("ООО Тест\r\nАбонент 123\r\n----------\r\n\r\n\r\n"));
}

TEST(FiscalConnect, CodesAndLogLines)
{
    {
        FiscalBench b(0, false, QStringLiteral("[prim]\nport=COM3\n"));
        // the start-up scan tries COM1 to COM6 and keeps the first port that answers
        int result = -1;
        for (int n = 1; n <= 6; ++n) {
            b.settings.fr_port = QStringLiteral("COM%1").arg(n);
            ASSERT_TRUE(b.printer->drivers().portExists(b.settings.fr_port));
            result = b.printer->fr_connect();
            if (result == 0 || result == 21)
                break;
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(b.settings.fr_port, QStringLiteral("COM3"));
        EXPECT_FALSE(b.printer->drivers().portExists(QStringLiteral("COM7")));
        const QStringList log = b.logLines();
        EXPECT_TRUE(log.contains(QStringLiteral("Открытие соединения с фр прим Иванова, 30, COM1, 9600, результат: 1")));
        EXPECT_TRUE(log.contains(QStringLiteral("Открытие соединения с фр прим Иванова, 30, COM3, 9600, результат: 0")));
        EXPECT_TRUE(log.contains(QStringLiteral("Startseans фр прим, результат: 0")));
        EXPECT_EQ(log.last(), QStringLiteral("Выход из функции 0"));
        // a port that never opened is not closed
        EXPECT_EQ(b.calls().mid(0, 3), (QStringList{QStringLiteral("OpenDLLPlus"), QStringLiteral("StartSeans"),
                                                    QStringLiteral("OpenDLLPlus")}));
    }
    {
        FiscalBench b(0, false);
        b.prim->setShift(true, b.clock.now().addDays(-1));
        EXPECT_EQ(b.printer->fr_connect(), 21);
        EXPECT_FALSE(b.calls().contains(QStringLiteral("CloseDLL")));
        b.prim->core().addFault(EmulatorFault::code_on(QStringLiteral("StartSeans"), 5, 1));
        EXPECT_EQ(b.printer->fr_connect(), 5);
        EXPECT_EQ(b.calls().last(), QStringLiteral("CloseDLL"));
        b.prim->core().addFault(EmulatorFault::code_on(QStringLiteral("StartSeans"), 178, 1));
        EXPECT_EQ(b.printer->fr_connect(), 0);
    }
    {
        FiscalBench b(6, false);
        b.settings.fr_password2 = QStringLiteral("29");
        EXPECT_EQ(b.printer->fr_connect(b.settings.fr_password2), 0);
        EXPECT_EQ(b.journal().mid(0, 3), (QStringList{QStringLiteral("DeviceEnabled := true"),
                                                      QStringLiteral("DefaultPassword := \"29\""),
                                                      QStringLiteral("GetStatus() = 0")}));
        b.atol->core().addFault(EmulatorFault::raise(QStringLiteral("GetStatus"), QStringLiteral("сбой")));
        EXPECT_EQ(b.printer->fr_connect(), 10);
    }
    {
        FiscalBench b(5, false);
        b.settings.fr_port = QStringLiteral("4");
        EXPECT_EQ(b.printer->fr_connect(), 0);
        EXPECT_TRUE(b.journal().contains(QStringLiteral("ComNumber := 4")));
        b.shtrih->core().addFault(EmulatorFault::raise(QStringLiteral("Connect"), QStringLiteral("Порт занят")));
        EXPECT_EQ(b.printer->fr_connect(), 10);
        EXPECT_TRUE(b.logLines().contains(QStringLiteral("Открытие соединения с фр штрих, ошибка: Порт занят")));
        EXPECT_EQ(b.logLines().last(), QStringLiteral("Выход из функции 10"));
    }
    {
        FiscalBench b(4, false);
        EXPECT_EQ(b.printer->fr_connect(), 0);
    }
}

TEST(FiscalConnect, DisconnectOnlyWhenConnected)
{
    struct Case {
        int driver;
        QString last;
    };
    for (const Case& c : QList<Case>{{0, QStringLiteral("CloseDLL() = 0")},
                                     {6, QStringLiteral("DeviceEnabled := false")},
                                     {5, QStringLiteral("Disconnect() = 0")}}) {
        FiscalBench b(c.driver);
        b.printer->fr_disconnect();
        EXPECT_EQ(b.journal(), QStringList{c.last});
        EXPECT_EQ(b.logLines().last(), QStringLiteral("Отключение от ФР."));
        b.reset();
        b.state.fr_connected = false;
        b.printer->fr_disconnect();
        EXPECT_TRUE(b.journal().isEmpty());
    }
}

namespace {
QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
QStringList trimmedLines(const QString& s)
{
    QStringList out;
    for (const QString& l : s.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty())
            out << l.simplified();
    return out;
}
} // namespace

TEST(FiscalPagePrinter, ReceiptAndDocumentInAPdf)
{
    FiscalBench b(4);
    const QString pdf = b.dir.filePath(QStringLiteral("out.pdf"));
    b.printer->pagePrinter().setPdfFile(pdf);
    b.printer->receipt_extra_lines = {QStringLiteral("Абонент 123")};
    int code = -1;
    ReceiptData r = sample();
    r.vat_rate = 20;
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    EXPECT_EQ(trimmedLines(pdfText(pdf)),
              (QStringList{QStringLiteral("ООО Тест"), QStringLiteral("Оплата услуг"), QStringLiteral("Сумм.плат 100.00"),
                           QStringLiteral("Комиссия 2.00"), QStringLiteral("НДС 16.67"), QStringLiteral("Итого 102.00"),
                           QStringLiteral("15-03-2024 10:00:00"), QStringLiteral("Кассир: Иванова"),
                           QStringLiteral("Абонент 123"), QStringLiteral("Итого 102.00")}));

    // a return with a note leaves out the amount block
    r = sample(2);
    r.note = QStringLiteral("отмена");
    EXPECT_EQ(b.printer->print_receipt(r, code), 0);
    EXPECT_EQ(trimmedLines(pdfText(pdf)), (QStringList{QStringLiteral("ООО Тест"), QStringLiteral("Абонент 123")}));

    // plain document in the fixed font, cut at check_width + 1
    b.settings.check_width = 10;
    b.printer->document_lines = {QStringLiteral("Платежное поручение №5"), QString(), QStringLiteral("конец")};
    EXPECT_EQ(b.printer->print_text(true), 0);
    const QString plain = pdfText(pdf);
    EXPECT_EQ(trimmedLines(plain), (QStringList{QStringLiteral("Платежное п"), QStringLiteral("оручение №5"),
                                                QStringLiteral("конец")}));
}

TEST(FiscalDemo, DriverNamesAndTheTapeFileOfTheWorkFolder)
{
    struct Case {
        QString name;
        int driver;
    };
    for (const Case& c : QList<Case>{{QStringLiteral("shtrihf"), 5}, {QStringLiteral("shtrih"), 2}, {QStringLiteral("atol"), 1},
                                     {QStringLiteral("atolf"), 6}, {QStringLiteral("primnf"), 3}, {QStringLiteral("winprn"), 4},
                                     {QString(), 0}, {QStringLiteral("epson"), 0}})
        EXPECT_EQ(fr_driver_from_name(c.name), c.driver) << c.name.toStdString();

    // what a newcomer's demo folder shows after one payment
    FiscalBench b(fr_driver_from_name(QStringLiteral("shtrihf")));
    int code = -1;
    EXPECT_EQ(b.printer->print_receipt(sample(), code), 0);
    QFile tape(b.dir.filePath(QStringLiteral("fr_emul/shtrih.tape.txt")));
    ASSERT_TRUE(tape.open(QIODevice::ReadOnly));
    const QString all = QString::fromUtf8(tape.readAll());
    EXPECT_TRUE(all.endsWith(b.tape().join(QLatin1Char('\n')) + QLatin1Char('\n')));
    QFile journal(b.dir.filePath(QStringLiteral("fr_emul/shtrih.journal.txt")));
    ASSERT_TRUE(journal.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(journal.readAll()).contains(QStringLiteral("StringForPrinting := \"Итого      102.00\"\n")));
    EXPECT_TRUE(QFile::exists(b.dir.filePath(QStringLiteral("fr_emul/shtrih.state"))));
}
