#include "db/database.h"
#include "db/query.h"
#include "payment/commission_calculator.h"
#include "payment/commission_rules.h"
#include "test_database.h"
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Side {
    const char* komis;
    const char* min;
    const char* max;
};

struct Case {
    const char* name;
    Side service;                // the payable service (payer side)
    Side commission;             // its KOD_K (provider side)
    const char* comType;         // LS.COM_TYPE of the account row
    std::optional<Side> department; // KOMIS_PODR of department "01"
    const char* amount;
    bool employee;
    const char* payer;
    const char* provider;
    const char* storedSum;
    const char* storedComType;
    const char* total;
};

// Empty texts are stored as NULL.
QVariant value(const char* s) { return *s ? QVariant(QString::fromUtf8(s)) : QVariant(); }

class CommissionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        db_ = new Database;
        db_->attach(TestDatabase::shared(false).freshCopy(QStringLiteral("commission.fdb")),
                    QString::fromLatin1(TestDatabase::kUser), QString::fromLatin1(TestDatabase::kPassword));
    }
    static void TearDownTestSuite()
    {
        delete db_;
        db_ = nullptr;
    }

    static void exec(const QString& sql, const QVariantList& params)
    {
        Query q(db_->main(), sql);
        for (int i = 0; i < params.size(); ++i)
            q.bind(i, params[i]);
        q.execute();
    }

    // A payable service and its commission service with the case's figures.
    static QString makeService(int n, const Case& c)
    {
        const QString kod = QStringLiteral("S%1").arg(n), kodK = QStringLiteral("K%1").arg(n);
        const QString ins = QStringLiteral("insert into service (kod_srv, kod_k, is_k, komis, min_sum, max_sum) "
                                           "values (?, ?, ?, ?, ?, ?)");
        exec(ins, {kod, kodK, QStringLiteral("0"), value(c.service.komis), value(c.service.min), value(c.service.max)});
        exec(ins, {kodK, QVariant(), QStringLiteral("1"), value(c.commission.komis), value(c.commission.min),
                   value(c.commission.max)});
        if (c.department)
            exec(QStringLiteral("insert into komis_podr (podr, kod_srv, komis, min_sum, max_sum) values (?, ?, ?, ?, ?)"),
                 {QStringLiteral("01"), kod, value(c.department->komis), value(c.department->min), value(c.department->max)});
        db_->main().commit();
        return kod;
    }

    static Database* db_;
};
Database* CommissionTest::db_ = nullptr;

TEST_F(CommissionTest, FiguresOfTheCommissionRules)
{
    const Case cases[] = {
        {"1.5% with minimum 10 on 100", {"1.5", "10", ""}, {"", "", ""}, "", {}, "100", false, "10.00", "0.00", "10.00", "1", "110.00"},
        {"1.5% with minimum 10 on 1000", {"1.5", "10", ""}, {"", "", ""}, "", {}, "1000", false, "15.00", "0.00", "15.00", "1", "1015.00"},
        {"maximum 12", {"1.5", "10", "12"}, {"", "", ""}, "", {}, "1000", false, "12.00", "0.00", "12.00", "1", "1012.00"},
        {"flat 30 on a small amount", {"", "30", ""}, {"", "", ""}, "", {}, "5", false, "30.00", "0.00", "30.00", "1", "35.00"},
        {"flat 30 on a large amount", {"", "30", ""}, {"", "", ""}, "", {}, "25000", false, "30.00", "0.00", "30.00", "1", "25030.00"},
        // 0.165 and 0.665 exactly; as binary doubles times 100 both fall just below the half
        {"half a kopeck rounds up", {"1.5", "", ""}, {"", "", ""}, "", {}, "11", false, "0.17", "0.00", "0.17", "1", "11.17"},
        {"half a kopeck, another rate", {"0.7", "", ""}, {"", "", ""}, "", {}, "95", false, "0.67", "0.00", "0.67", "1", "95.67"},
        {"COM_TYPE 0 moves 2% to the provider", {"2", "", ""}, {"", "", ""}, "0", {}, "100", false, "0.00", "2.00", "2.00", "0", "100.00"},
        {"COM_TYPE 1 moves the provider rate to the payer", {"", "", ""}, {"3", "5", ""}, "1", {}, "100", false, "5.00", "0.00", "5.00", "1", "105.00"},
        {"COM_TYPE 1 keeps a payer rate", {"1", "", ""}, {"3", "", ""}, "1", {}, "100", false, "1.00", "3.00", "3.00", "0", "101.00"},
        {"department rate, service minimum kept", {"1", "5", "50"}, {"", "", ""}, "", Side{"2", "", ""}, "100", false, "5.00", "0.00", "5.00", "1", "105.00"},
        {"department rate replaces the rate", {"1", "5", "50"}, {"", "", ""}, "", Side{"2", "", ""}, "1000", false, "20.00", "0.00", "20.00", "1", "1020.00"},
        {"department rate, service maximum kept", {"1", "5", "50"}, {"", "", ""}, "", Side{"2", "", ""}, "5000", false, "50.00", "0.00", "50.00", "1", "5050.00"},
        {"department zeros leave the service", {"1", "5", "50"}, {"", "", ""}, "", Side{"0", "0", "0"}, "1000", false, "10.00", "0.00", "10.00", "1", "1010.00"},
        {"a side without commission stays without", {"", "", ""}, {"", "", ""}, "", Side{"5", "1", ""}, "1000", false, "0.00", "0.00", "0.00", "1", "1000.00"},
        {"department applies to both sides", {"1", "", ""}, {"0.5", "", ""}, "", Side{"2", "", ""}, "1000", false, "20.00", "20.00", "20.00", "0", "1020.00"},
        {"bank employee pays none, provider kept", {"1.5", "", ""}, {"1", "", ""}, "", {}, "1000", true, "0.00", "10.00", "10.00", "0", "1000.00"},
        {"bank employee without provider side", {"1.5", "", ""}, {"", "", ""}, "", {}, "1000", true, "0.00", "0.00", "0.00", "1", "1000.00"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString kod = makeService(++n, c);
        const CommissionConfig config = CommissionRules(db_->main()).load(kod, QString::fromUtf8(c.comType), QStringLiteral("01"));

        SumInput in;
        in.amount = QString::fromUtf8(c.amount);
        in.employee = c.employee;
        in.idSum = Money::fromRoubles(1000000);
        const SumOutput out = CommissionCalculator::recompute(in, config);
        EXPECT_EQ(out.payerCommission.text(), QString::fromUtf8(c.payer));
        EXPECT_EQ(out.providerCommission.text(), QString::fromUtf8(c.provider));
        EXPECT_EQ(out.totalText, QString::fromUtf8(c.total));
        EXPECT_EQ(out.commissionText, QString::fromUtf8(c.payer));

        const StoredCommission st = CommissionCalculator::stored(out.payerCommission, out.providerCommission);
        EXPECT_EQ(st.commissionSum.text(), QString::fromUtf8(c.storedSum));
        EXPECT_EQ(st.comType, QString::fromUtf8(c.storedComType));
        EXPECT_EQ(st.frCom, QString::fromUtf8(c.payer));
    }
}

TEST_F(CommissionTest, DepartmentOfAnotherCashierDoesNotApply)
{
    const Case c{"", {"1", "", ""}, {"", "", ""}, "", Side{"4", "", ""}, "", false, "", "", "", "", ""};
    const QString kod = makeService(100, c);
    EXPECT_EQ(CommissionRules(db_->main()).load(kod, QString(), QStringLiteral("02")).payer.rate.text(), QStringLiteral("1"));
    EXPECT_EQ(CommissionRules(db_->main()).load(kod, QString(), QStringLiteral("01")).payer.rate.text(), QStringLiteral("4"));
}

// The other steps of the recomputation: extra amount fields, the meter estimate, the employee flag
// lowering the total at once, the identification message once per opening.
TEST(CommissionCalculatorTest, RecomputationSteps)
{
    CommissionConfig config;
    config.payer.rate = Percent::parseOr0(QStringLiteral("1"));

    SumInput in;
    in.amount = QStringLiteral("999");
    in.fee = QStringLiteral("10,5");
    in.extraVisible = {true, true, false, true};
    in.extraIsAmount = {true, false, true, true, false};
    in.extra = {QStringLiteral("100"), QStringLiteral("note"), QStringLiteral("50"), QStringLiteral("89.5")};
    in.idSum = Money::fromRoubles(150);
    SumOutput out = CommissionCalculator::recompute(in, config);
    // visible amount fields 1 and 4 (field 3 is hidden, field 2 is no amount)
    EXPECT_EQ(out.amountText, QStringLiteral("189.50"));
    EXPECT_EQ(out.extraText[0], QStringLiteral("100.00"));
    EXPECT_EQ(out.extraText[3], QStringLiteral("89.50"));
    EXPECT_FALSE(out.extraText[1].has_value());
    EXPECT_FALSE(out.extraText[2].has_value());
    EXPECT_EQ(out.feeText, QStringLiteral("10.50"));
    EXPECT_EQ(out.commissionText, QStringLiteral("2.00")); // 1 % of 200.00
    EXPECT_EQ(out.totalText, QStringLiteral("202.00"));
    ASSERT_EQ(out.messages, QStringList{QStringLiteral("Необходима идентификация клиента.")});
    EXPECT_TRUE(out.identificationAsked);

    // once per opening
    in.identificationAsked = out.identificationAsked;
    in.employee = true;
    out = CommissionCalculator::recompute(in, config);
    EXPECT_TRUE(out.messages.isEmpty());
    EXPECT_EQ(out.totalText, QStringLiteral("200.00"));

    // multi-account mode sums every visible extra field 1..10
    SumInput multi;
    multi.multiAccount = true;
    multi.extraVisible = {true, true, true, false, false, false, false, false, false, true};
    multi.extra = {QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("20.25"), QStringLiteral("7"),
                   QString(), QString(), QString(), QString(), QString(), QStringLiteral("1")};
    multi.idSum = Money::fromRoubles(1000);
    out = CommissionCalculator::recompute(multi, config);
    EXPECT_EQ(out.amountText, QStringLiteral("31.25"));
    EXPECT_EQ(out.extraText[9], QStringLiteral("1.00"));

    // meter estimate: readings 2 decimals, (150.25 - 100.00) * 4.5678 + 12.30 = 241.83195, rounded 241.83
    SumInput meter;
    meter.amount = QStringLiteral("12.30");
    meter.tariff = QStringLiteral("4,5678");
    meter.previousReading1 = 10000;
    meter.currentReading1 = 15025;
    meter.decimals1 = 2;
    meter.initialDebt = Money::fromKopecks(1230);
    meter.idSum = Money::fromRoubles(1000);
    out = CommissionCalculator::recompute(meter, config);
    EXPECT_TRUE(out.meterShown);
    EXPECT_EQ(out.tariffText, QStringLiteral("4.5678"));
    EXPECT_EQ(out.debtText, QStringLiteral("12.30"));
    EXPECT_EQ(out.estimateText, QStringLiteral("241.83"));
    EXPECT_EQ(out.amountText, QStringLiteral("12.30")); // no estimate flag: the amount stays
    meter.estimate = true;
    out = CommissionCalculator::recompute(meter, config);
    EXPECT_EQ(out.amountText, QStringLiteral("241.83"));
    // the commission follows the amount shown
    EXPECT_EQ(out.commissionText, QStringLiteral("2.42"));
    EXPECT_EQ(out.totalText, QStringLiteral("244.25"));
}

TEST(CommissionCalculatorTest, ProratedCommissionsAddUp)
{
    const Money ten = Money::fromRoubles(10);
    const std::vector<Money> amounts{Money::fromRoubles(100), Money::fromRoubles(100), Money(), Money::fromRoubles(100)};
    // payer commission shared when there is no provider commission
    std::vector<Money> shares = CommissionCalculator::prorate(ten, Money(), amounts);
    ASSERT_EQ(shares.size(), 4u);
    EXPECT_EQ(shares[0].text(), QStringLiteral("3.34"));
    EXPECT_EQ(shares[1].text(), QStringLiteral("3.33"));
    EXPECT_EQ(shares[2].text(), QStringLiteral("0.00"));
    EXPECT_EQ(shares[3].text(), QStringLiteral("3.33"));
    // the provider commission when it is non-zero
    shares = CommissionCalculator::prorate(ten, Money::fromKopecks(300), {Money::fromKopecks(2500), Money::fromKopecks(7500)});
    EXPECT_EQ(shares[0].text(), QStringLiteral("0.75"));
    EXPECT_EQ(shares[1].text(), QStringLiteral("2.25"));

    EXPECT_EQ(okr(1.005).text(), QStringLiteral("1.01"));
    EXPECT_EQ(okr_share(Money::fromKopecks(1), Money::fromKopecks(1), Money::fromKopecks(2)).text(), QStringLiteral("0.01"));
    EXPECT_EQ(CommissionCalculator::commissionCaption(QStringLiteral("5000000100000")), QStringLiteral("Комиссия: "));
    EXPECT_EQ(CommissionCalculator::commissionCaption(QStringLiteral("7700000000000")), QStringLiteral("Вознаграждение: "));
}

} // namespace
