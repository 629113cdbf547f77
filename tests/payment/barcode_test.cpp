#include "db/database.h"
#include "db/query.h"
#include "payment/barcode_account_search.h"
#include "payment/barcode_item.h"
#include "payment/barcode_parser.h"
#include "payment/central_barcode_lookup.h"
#include "test_database.h"
#include <gtest/gtest.h>

namespace {

TEST(BarcodeItemTest, ItemsByPosition)
{
    const QString b = QStringLiteral("1234567890"); // ten characters
    struct {
        const char* pos;
        const char* item;
    } cases[] = {
        {"1-3", "123"},
        {"4-4", "4567"},
        {"8-5", "890"},  // the barcode ends earlier
        {"9-2", "90"},
        {"10-1", ""},   // a start equal to the length gives nothing
        {"11-2", ""},
        {" 2 - 3 ", "234"},
        {"", ""},
        {"x-3", ""},    // a bad start
        {"0-3", ""},
        {"3", ""},      // no length
        {"3-", ""},
        {"3-abc", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(barcode_item(QString::fromUtf8(c.pos), b), QString::fromUtf8(c.item)) << c.pos;
    EXPECT_EQ(barcode_position_list(QStringLiteral(" 1-8 , ,12-10")), (QStringList{QStringLiteral("1-8"), QStringLiteral("12-10")}));
    EXPECT_EQ(barcode_first_position(QStringLiteral("1-8,12-10")), QStringLiteral("1-8"));
    EXPECT_EQ(CentralBarcodeLookup::requestParams(QStringLiteral("12 Ш")), QStringLiteral("bc=12%20%D0%A8"));
}

class RecordingLookup : public CentralBarcodeLookup {
public:
    bool sbybc(const QString& barcode) override
    {
        asked << barcode;
        return false;
    }
    QStringList asked;
};

class BarcodeDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db_.attach(TestDatabase::shared(false).freshCopy(QStringLiteral("barcode.fdb")),
                   QString::fromLatin1(TestDatabase::kUser), QString::fromLatin1(TestDatabase::kPassword));
    }

    void exec(const QString& sql, const QVariantList& params)
    {
        Query q(db_.main(), sql);
        for (int i = 0; i < params.size(); ++i)
            q.bind(i, params[i]);
        q.execute();
    }
    void service(const QString& kod, const QVariant& lsBarpos, const QVariant& idBarpos = {}, const QVariant& serviceId = {},
                 const QVariant& sumBarpos = {}, const QVariant& perBarpos = {}, const QVariant& blk = {})
    {
        exec(QStringLiteral("insert into service (kod_srv, is_k, ls_barpos, id_barpos, service_id, sum_barpos, per_barpos, blk) "
                            "values (?, '0', ?, ?, ?, ?, ?, ?)"),
             {kod, lsBarpos, idBarpos, serviceId, sumBarpos, perBarpos, blk});
    }
    void account(const QString& lsId, const QString& kodSrv, const QString& nomAb, const QVariant& barCod = {},
                 const QVariant& clnt = {}, const QVariant& adr = {})
    {
        exec(QStringLiteral("insert into ls (ls_id, kod_srv, nom_ab, bar_cod, clnt_id, adr_id) values (?, ?, ?, ?, ?, ?)"),
             {lsId, kodSrv, nomAb, barCod, clnt, adr});
    }

    Database db_;
};

TEST_F(BarcodeDbTest, AccountSearchOfTheEntryWindow)
{
    // A: account in positions 1-8 (leading zeros in the barcode, the account stored without them);
    // B: a list of positions, the second one matching; C: a position that would cut an empty item.
    service(QStringLiteral("A"), QStringLiteral("1-8"));
    service(QStringLiteral("B"), QStringLiteral(" 30-5 , 9-6 "));
    service(QStringLiteral("C"), QStringLiteral("40-5"));
    service(QStringLiteral("D"), QString()); // no positions: not searched
    account(QStringLiteral("101"), QStringLiteral("A"), QStringLiteral("12345"));
    account(QStringLiteral("102"), QStringLiteral("B"), QStringLiteral("777777"));
    account(QStringLiteral("103"), QStringLiteral("C"), QString());
    account(QStringLiteral("104"), QStringLiteral("D"), QStringLiteral("00012345"), QStringLiteral("WHOLE-BARCODE"),
            QStringLiteral("C1"), QStringLiteral("A1"));
    account(QStringLiteral("105"), QStringLiteral("D"), QStringLiteral("x"), QStringLiteral("ADDRESS-ONLY"), QVariant(),
            QStringLiteral("A2"));
    db_.main().commit();

    RecordingLookup central;
    BarcodeAccountSearch search(db_.main(), &central);

    const QString leadingZeros = QStringLiteral("00012345") + QStringLiteral("999999") + QStringLiteral("0000");
    const auto list = search.candidates(leadingZeros);
    ASSERT_EQ(list.size(), 3u); // the 30-5 and 40-5 items are beyond the barcode
    EXPECT_EQ(list[0], (BarcodeCandidate{QStringLiteral("00012345"), QStringLiteral("A")}));
    EXPECT_EQ(list[1], (BarcodeCandidate{QStringLiteral("12345"), QStringLiteral("A")}));
    EXPECT_EQ(list[2], (BarcodeCandidate{QStringLiteral("999999"), QStringLiteral("B")}));

    BarcodeSearchResult r = search.search(leadingZeros);
    EXPECT_TRUE(r.accountMatch);
    EXPECT_EQ(r.account, QStringLiteral("12345"));
    EXPECT_EQ(r.lsId, QStringLiteral("101"));
    EXPECT_EQ(central.asked, QStringList{leadingZeros}); // the central server is asked first

    // the second position of B's list
    r = search.search(QStringLiteral("99999999777777"));
    EXPECT_EQ(r.kodSrv, QStringLiteral("B"));
    EXPECT_EQ(r.lsId, QStringLiteral("102"));

    // the whole barcode known for an account row: client taken, no positions search
    r = search.search(QStringLiteral("WHOLE-BARCODE"));
    EXPECT_TRUE(r.exactMatch);
    EXPECT_FALSE(r.accountMatch);
    EXPECT_EQ(r.clntId, QStringLiteral("C1"));
    EXPECT_EQ(r.adrId, QString());
    EXPECT_EQ(r.lsId, QStringLiteral("104"));
    r = search.search(QStringLiteral("ADDRESS-ONLY"));
    EXPECT_EQ(r.adrId, QStringLiteral("A2"));

    // nothing matches; an account row with an empty number is not taken for an empty item
    r = search.search(QStringLiteral("55555555"));
    EXPECT_FALSE(r.found());
    EXPECT_TRUE(r.lsId.isEmpty());
}

TEST_F(BarcodeDbTest, ParseInThePaymentWindow)
{
    // Both services match the barcode's identifier positions: the one listed first wins. A blocked
    // service and a commission service do not take part.
    service(QStringLiteral("BLK"), QStringLiteral("4-6"), QStringLiteral("1-3"), QStringLiteral("777"), QStringLiteral("10-7"),
            QVariant(), QStringLiteral("1"));
    service(QStringLiteral("P1"), QStringLiteral("4-6,1-3"), QStringLiteral("1-3"), QStringLiteral("777"),
            QStringLiteral("10-7"), QStringLiteral("17-6"));
    service(QStringLiteral("P2"), QStringLiteral("4-2"), QStringLiteral("4-3"), QStringLiteral("456"), QStringLiteral("10-3"));
    db_.main().commit();

    BarcodeParser parser(db_.main());
    const QString barcode = QStringLiteral("777456789") + QStringLiteral("0012345") + QStringLiteral("032024") + QStringLiteral("X");
    BarcodeParseResult r = parser.parse(barcode, QString(), {});
    EXPECT_TRUE(r.serviceFound);
    EXPECT_EQ(r.kodSrv, QStringLiteral("P1"));
    EXPECT_EQ(r.account, QStringLiteral("456789")); // only the part before the first ","
    ASSERT_TRUE(r.amount.has_value());
    EXPECT_EQ(r.amount->text(), QStringLiteral("123.45"));
    EXPECT_EQ(r.amountText, QStringLiteral("123.45"));
    EXPECT_EQ(r.period, QStringLiteral("032024"));

    // a service already chosen keeps its own positions; 1200 kopecks show as 12
    r = parser.parse(QStringLiteral("AAAAAAAAA0001200"), QStringLiteral("P9"), {QStringLiteral(""), QStringLiteral("10-7"), QString()});
    EXPECT_FALSE(r.serviceFound);
    EXPECT_EQ(r.kodSrv, QStringLiteral("P9"));
    EXPECT_FALSE(r.account.has_value());
    EXPECT_EQ(r.amountText, QStringLiteral("12"));
    EXPECT_FALSE(r.period.has_value());
    EXPECT_EQ(BarcodeParser::amountText(Money::fromKopecks(1250)), QStringLiteral("12.5"));

    // no service's identifier matches
    r = parser.parse(QStringLiteral("000000000000"), QString(), {});
    EXPECT_FALSE(r.serviceFound);
    EXPECT_TRUE(r.kodSrv.isEmpty());
}

} // namespace
