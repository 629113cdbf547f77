// The register emulators: state across runs, modes, money registers, reports and faults.
#include "fiscal/atol_emulator.h"
#include "fiscal/driver_error.h"
#include "fiscal/prim_emulator.h"
#include "fiscal/shtrih_emulator.h"
#include "util/clock.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDateTime kStart(QDate(2024, 3, 15), QTime(10, 0, 0));

void writeSettings(const QTemporaryDir& dir, const QString& text)
{
    QDir().mkpath(dir.filePath(QStringLiteral("fr_emul")));
    QFile f(dir.filePath(QStringLiteral("fr_emul/emulator.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

int shtrihMode(ShtrihEmulator& s)
{
    s.GetECRStatus();
    return s.get_ECRMode();
}

void shtrihSale(ShtrihEmulator& s, int type, double price, bool card)
{
    s.put_CheckType(type);
    ASSERT_EQ(s.OpenCheck(), 0);
    s.put_Quantity(1);
    s.put_Price(price);
    s.put_StringForPrinting(QStringLiteral("Услуга"));
    ASSERT_EQ(type == 2 ? s.ReturnSale() : s.Sale(), 0);
    s.put_Summ1(card ? 0 : price);
    s.put_Summ2(0);
    s.put_Summ3(0);
    s.put_Summ4(card ? price : 0);
    s.put_DiscountOnCheck(0);
    ASSERT_EQ(s.CloseCheck(), 0);
}
} // namespace

TEST(FaultLine, ParsesTheSettingsLines)
{
    struct Case {
        QString line;
        bool valid;
        EmulatorFault::Kind kind;
        int code;
        int times;
    };
    const QList<Case> cases = {
        {QStringLiteral("OpenCheck 80"), true, EmulatorFault::Code, 80, -1},
        {QStringLiteral("Sale 1 once"), true, EmulatorFault::Code, 1, 1},
        {QStringLiteral("PrintString -1 x3"), true, EmulatorFault::Code, -1, 3},
        {QStringLiteral("OpenCheck busy 30000"), true, EmulatorFault::Busy, 80, -1},
        {QStringLiteral("PrintFiscalReceipt notape"), true, EmulatorFault::NoTape, 64609, -1},
        {QStringLiteral("Connect throw Порт занят"), true, EmulatorFault::Throw, 0, -1},
        {QStringLiteral("OpenCheck"), false, EmulatorFault::Code, 0, 0},
        {QStringLiteral("OpenCheck eighty"), false, EmulatorFault::Code, 0, 0},
        {QStringLiteral("OpenCheck busy"), false, EmulatorFault::Code, 0, 0},
        {QStringLiteral("Sale 1 twice"), false, EmulatorFault::Code, 0, 0},
    };
    for (const Case& c : cases) {
        const auto f = EmulatorFault::parse(c.line);
        ASSERT_EQ(f.has_value(), c.valid) << c.line.toStdString();
        if (!f)
            continue;
        EXPECT_EQ(f->kind, c.kind);
        EXPECT_EQ(f->code, c.code);
        EXPECT_EQ(f->times, c.times);
    }
    EXPECT_EQ(EmulatorFault::parse(QStringLiteral("Connect throw Порт занят"))->message, QStringLiteral("Порт занят"));
    EXPECT_EQ(EmulatorFault::parse(QStringLiteral("OpenCheck busy 30000"))->ms, 30000);
}

TEST(ShtrihEmulator, ModesFollowTheShiftAndTheReceipt)
{
    QTemporaryDir dir;
    writeSettings(dir, QStringLiteral("[shtrih]\nprinting_ms=400\nport=3\n"));
    ManualClock clock(kStart);
    ShtrihEmulator s(dir.path(), clock);
    s.put_ComNumber(1);
    EXPECT_EQ(s.Connect(), shtrih_codes::NoLink); // the register is on port 3
    s.put_ComNumber(3);
    ASSERT_EQ(s.Connect(), 0);
    EXPECT_EQ(shtrihMode(s), 4);
    ASSERT_EQ(s.OpenSession(), 0);
    EXPECT_EQ(shtrihMode(s), 14); // printing the shift report
    clock.advance(400);
    EXPECT_EQ(shtrihMode(s), 2);
    EXPECT_EQ(s.OpenSession(), shtrih_codes::ShiftOpen);
    s.put_CheckType(0);
    ASSERT_EQ(s.OpenCheck(), 0);
    EXPECT_EQ(shtrihMode(s), 8);
    EXPECT_EQ(s.OpenCheck(), shtrih_codes::ReceiptOpen);

    // the next run finds the open receipt and the shift as they were
    ShtrihEmulator again(dir.path(), clock);
    again.put_ComNumber(3);
    again.Connect();
    EXPECT_TRUE(again.receiptOpen());
    EXPECT_EQ(shtrihMode(again), 8);
    again.put_Quantity(1);
    again.put_Price(10);
    again.Sale();
    again.put_Summ1(10);
    ASSERT_EQ(again.CloseCheck(), 0);
    clock.advance(25LL * 3600 * 1000);
    EXPECT_EQ(shtrihMode(again), 3);
    again.put_CheckType(0);
    EXPECT_EQ(again.OpenCheck(), shtrih_codes::ShiftOver24h);
    ASSERT_EQ(again.PrintReportWithCleaning(), 0);
    clock.advance(400);
    EXPECT_EQ(shtrihMode(again), 4);
    // a fault replaces the mode read
    again.core().addFault(EmulatorFault::code_on(QStringLiteral("ECRMode"), 14, 2));
    EXPECT_EQ(shtrihMode(again), 14);
    EXPECT_EQ(shtrihMode(again), 14);
    EXPECT_EQ(shtrihMode(again), 4);
}

TEST(ShtrihEmulator, RegistersAndFiscalStorage)
{
    QTemporaryDir dir;
    ManualClock clock(kStart);
    ShtrihEmulator s(dir.path(), clock);
    s.Connect();
    shtrihSale(s, 0, 120.00, false);
    shtrihSale(s, 0, 30.50, true);
    shtrihSale(s, 2, 20.00, false);
    shtrihSale(s, 2, 5.00, true);
    auto cashReg = [&](int n) {
        s.put_RegisterNumber(n);
        EXPECT_EQ(s.GetCashReg(), 0);
        return s.get_ContentsOfCashRegister();
    };
    EXPECT_DOUBLE_EQ(cashReg(193), 120.00);
    EXPECT_DOUBLE_EQ(cashReg(205), 30.50);
    EXPECT_DOUBLE_EQ(cashReg(195), 20.00);
    EXPECT_DOUBLE_EQ(cashReg(207), 5.00);
    EXPECT_DOUBLE_EQ(cashReg(241), 100.00);
    s.put_RegisterNumber(148);
    s.GetOperationReg();
    EXPECT_EQ(s.get_ContentsOfOperationRegister(), 4);

    s.put_Summ1(150);
    EXPECT_EQ(s.CashOutcome(), shtrih_codes::NotEnoughCash);
    s.put_Summ1(60);
    EXPECT_EQ(s.CashOutcome(), 0);
    EXPECT_DOUBLE_EQ(cashReg(241), 40.00);

    // opening the shift and the four receipts are documents the operator has not confirmed yet
    EXPECT_EQ(s.FNGetUnconfirmedDocCount(), 0);
    EXPECT_EQ(s.get_DocumentCount(), 5);
    ASSERT_EQ(s.FNBeginCorrectionReceipt(), 0);
    s.put_Summ1(10);
    s.put_CheckType(0);
    ASSERT_EQ(s.FNBuildCorrectionReceipt(), 0);
    EXPECT_EQ(s.get_ReceiptNumber(), 5);
    EXPECT_EQ(s.get_DocumentNumber(), 6);
    EXPECT_EQ(s.get_FiscalSign().size(), 10);
    ASSERT_EQ(s.FNBeginCalculationStateReport(), 0);
    ASSERT_EQ(s.FNBuildCalculationStateReport(), 0);
    EXPECT_EQ(s.get_DocumentNumber(), 7);
    EXPECT_EQ(s.get_DocumentCount(), 6);
    EXPECT_EQ(s.get_Date(), kStart.date());

    // the tape and the journal are files a person can read
    const QString tape = readFile(s.core().tapeFile());
    EXPECT_TRUE(tape.contains(QStringLiteral("КАССОВЫЙ ЧЕК КОРРЕКЦИИ №5")));
    EXPECT_TRUE(tape.contains(QStringLiteral("ОТЧЕТ О ТЕКУЩЕМ СОСТОЯНИИ РАСЧЕТОВ")));
    EXPECT_TRUE(readFile(s.core().journalFile()).contains(QStringLiteral("2024-03-15 10:00:00.000 CashOutcome() = 70")));
    // the Z report empties the shift registers, the cash stays in the drawer
    ASSERT_EQ(s.PrintReportWithCleaning(), 0);
    EXPECT_DOUBLE_EQ(cashReg(241), 40.00);
    shtrihSale(s, 0, 1.00, false);
    EXPECT_DOUBLE_EQ(cashReg(193), 1.00);
}

TEST(AtolEmulator, ModesSessionAndRegisters)
{
    QTemporaryDir dir;
    ManualClock clock(kStart);
    AtolEmulator a(dir.path(), clock);
    EXPECT_EQ(a.GetStatus(), atol_codes::NoLink);
    a.put_DeviceEnabled(true);
    EXPECT_EQ(a.GetStatus(), 0);
    EXPECT_FALSE(a.get_SessionOpened());
    a.put_CheckType(1);
    EXPECT_EQ(a.OpenCheck(), atol_codes::WrongMode);
    a.put_Mode(1);
    ASSERT_EQ(a.SetMode(), 0);
    ASSERT_EQ(a.OpenSession(), 0);
    EXPECT_TRUE(a.get_SessionOpened());
    auto receipt = [&](int type, double price, int close) {
        a.put_CheckType(type);
        ASSERT_EQ(a.OpenCheck(), 0);
        a.put_Name(QStringLiteral("Услуга"));
        a.put_Quantity(1);
        a.put_Price(price);
        ASSERT_EQ(type == 2 ? a.Return() : a.Registration(), 0);
        a.put_TypeClose(close);
        ASSERT_EQ(a.CloseCheck(), 0);
    };
    receipt(1, 100, 0);
    receipt(1, 50, 3);
    receipt(2, 30, 0);
    auto reg = [&](int n, int type) {
        a.put_RegisterNumber(n);
        a.put_CheckType(type);
        a.put_TypeClose(0);
        a.put_OperationType(0);
        EXPECT_EQ(a.GetRegister(), 0);
        return a.get_Summ();
    };
    EXPECT_DOUBLE_EQ(reg(12, 1), 100);
    EXPECT_DOUBLE_EQ(reg(12, 2), 30);
    EXPECT_DOUBLE_EQ(reg(10, 1), 70);
    a.put_Summ(70.01);
    EXPECT_EQ(a.CashOutcome(), atol_codes::NotEnoughCash);
    a.put_Summ(20);
    EXPECT_EQ(a.CashOutcome(), 0);
    EXPECT_DOUBLE_EQ(reg(10, 1), 50);

    // X report in mode 2, Z report in mode 3 closes the shift
    a.put_Mode(2);
    a.SetMode();
    a.put_ReportType(1);
    EXPECT_EQ(a.Report(), atol_codes::WrongMode);
    a.put_ReportType(2);
    EXPECT_EQ(a.Report(), 0);
    a.put_Mode(3);
    a.SetMode();
    a.put_ReportType(1);
    EXPECT_EQ(a.Report(), 0);
    EXPECT_FALSE(a.get_SessionOpened());
    EXPECT_TRUE(a.core().tape().contains(QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")));

    // a shift older than 24 hours takes no receipt
    AtolEmulator later(dir.path(), clock);
    later.put_DeviceEnabled(true);
    later.setShift(true, kStart.addSecs(-25 * 3600));
    later.put_Mode(1);
    later.SetMode();
    later.put_CheckType(1);
    EXPECT_EQ(later.OpenCheck(), atol_codes::ShiftOver24h);
}

TEST(PrimEmulator, PortShiftStateAndMoneyFields)
{
    QTemporaryDir dir;
    writeSettings(dir, QStringLiteral("[prim]\nport=COM3\nports=COM1,COM3\nfault=XReport throw Библиотека не загружена\n"));
    ManualClock clock(kStart);
    PrimEmulator p(dir.path(), clock);
    EXPECT_TRUE(p.portExists(QStringLiteral("com3")));
    EXPECT_FALSE(p.portExists(QStringLiteral("COM2")));
    EXPECT_EQ(p.OpenDLLPlus(QStringLiteral("Иванова"), QString(), QStringLiteral("COM1"), QStringLiteral("9600"), 0),
              prim_codes::NoAnswer);
    EXPECT_EQ(p.StartSeans(), prim_codes::NoAnswer);
    ASSERT_EQ(p.OpenDLLPlus(QStringLiteral("Иванова"), QString(), QStringLiteral("COM3"), QStringLiteral("9600"), 0), 0);
    EXPECT_EQ(p.StartSeans(), 0);
    int state = -1, number = -1;
    p.GetShiftState(state, number);
    EXPECT_EQ(state, 0);
    ASSERT_EQ(p.ShiftOpen(QString()), 0);
    EXPECT_EQ(p.ShiftOpen(QString()), prim_codes::ShiftOpen);
    p.GetShiftState(state, number);
    EXPECT_EQ(state, 2);
    EXPECT_EQ(number, 1);
    auto doc = [&](int type, qint64 kop, bool print) {
        ASSERT_EQ(p.OpenFiscalDoc(type, 0, 0, 1, 1, 1, 32, 3, 24, kop), 0);
        p.AddPosField({9, 8, 1, 8, 1, 1, 7, 1, 1, 7, 12, 1, 1, 5, 1, 8, 13, 1, 6, 12, 1});
        if (print)
            ASSERT_EQ(p.PrintFiscalReceipt(), 0);
    };
    doc(0, 12000, true);
    doc(2, 2000, true);
    doc(0, 500, false); // abandoned: the next document cancels it
    doc(0, 100, true);
    ASSERT_EQ(p.GetMony(), 0);
    EXPECT_EQ(p.GetFldInt(5), 12100);
    EXPECT_EQ(p.GetFldInt(6), 2000);
    EXPECT_EQ(p.GetFldInt(7), 500);
    EXPECT_THROW(p.XReport(), DriverError);

    // the next day: the shift is from an earlier day, then older than 24 hours
    clock.set(QDateTime(kStart.date().addDays(1), QTime(9, 0)));
    PrimEmulator next(dir.path(), clock);
    next.OpenDLLPlus(QStringLiteral("Иванова"), QString(), QStringLiteral("COM3"), QStringLiteral("9600"), 0);
    EXPECT_EQ(next.StartSeans(), prim_codes::ShiftOld);
    next.GetShiftState(state, number);
    EXPECT_EQ(state, 2);
    clock.advance(2 * 3600 * 1000);
    next.GetShiftState(state, number);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(next.OpenFiscalDoc(0, 0, 0, 1, 1, 1, 32, 3, 24, 100), prim_codes::ShiftOver24h);
    ASSERT_EQ(next.ShiftClose(), 0);
    next.GetMony();
    EXPECT_EQ(next.GetFldInt(5), 12100); // the closed shift's totals until the next opens
    next.GetShiftState(state, number);
    EXPECT_EQ(state, 0);
    EXPECT_TRUE(next.core().tape().contains(QStringLiteral("Z-ОТЧЕТ (ЗАКРЫТИЕ СМЕНЫ)")));
}
