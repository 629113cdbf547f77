#include "db/database.h"
#include "db/db_utils.h"
#include "db/journal.h"
#include "db/query.h"
#include "db/schema_installer.h"
#include "db/script_runner.h"
#include "test_database.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/md5.h"
#include <QDir>
#include <csignal>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QString q(const char* s) { return QString::fromUtf8(s); }
static Log& scratchLog()
{
    static Log log(QDir::tempPath() + QStringLiteral("/kvp-test-log"));
    return log;
}

TEST(NamedParameters, TranslatedOutsideLiteralsAndComments)
{
    QStringList names;
    const QString sql = translate_named_parameters(
        q("SELECT ':X', \"A:B\" FROM T -- :NOT\n WHERE D BETWEEN :DAT AND :dat /* :NO */ AND T=':Y''s:Z' AND N=:N_1"),
        &names);
    EXPECT_EQ(sql, q("SELECT ':X', \"A:B\" FROM T -- :NOT\n WHERE D BETWEEN ? AND ? /* :NO */ AND T=':Y''s:Z' AND N=?"));
    EXPECT_EQ(names, (QStringList{"DAT", "DAT", "N_1"}));
}

class Db : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = TestDatabase::shared().freshCopy(q("db_%1.fdb").arg(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db.attach(path, q("SYSDBA"), q("x"));
    }
    QString path;
    Database db;
};

TEST_F(Db, RepeatedNameBindsEveryOccurrenceAndValuesRoundTrip)
{
    Query ins(db.main(), q("INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, FIO, CNTR1, EXP9) "
                           "VALUES (:UID, :SUM, :DAT, :FIO, :CNTR, :EXP9)"));
    const struct { const char* uid; qint64 kop; QDate dat; const char* fio; } rows[] = {
        {"p1", 100, QDate(2026, 12, 10), "Иванов Иван"},
        {"p2", 5050, QDate(2026, 12, 11), "Ёжикова Ё. \"Кавычки\" 'апостроф'"},
        {"p3", 99999999999, QDate(2026, 12, 12), ""},
    };
    for (const auto& r : rows) {
        ins.setParam(q("UID"), q(r.uid));
        ins.setParam(q("SUM"), Money::fromKopecks(r.kop));
        ins.setParam(q("DAT"), r.dat);
        ins.setParam(q("FIO"), q(r.fio));
        ins.setParamNull(q("CNTR"));
        ins.setParam(q("EXP9"), q("1,005"));
        ins.execute();
        EXPECT_EQ(ins.rowsAffected(), 1);
    }
    db.main().commit();

    Query sel(db.main(), q("SELECT UID, SUM_PRIH, DAT, TIM, FIO, CNTR1 FROM PAYMENTS WHERE DAT BETWEEN :DAT AND :DAT"));
    sel.setParam(q("DAT"), QDate(2026, 12, 11));
    sel.open();
    ASSERT_FALSE(sel.eof());
    EXPECT_EQ(sel.text(q("UID")), q("p2"));
    EXPECT_EQ(sel.amount(q("SUM_PRIH")).kopecks(), 5050);
    EXPECT_EQ(sel.text(q("SUM_PRIH")), q("50,5"));
    EXPECT_EQ(sel.date(q("DAT")), QDate(2026, 12, 11));
    EXPECT_EQ(sel.text(q("DAT")), q("11.12.2026"));
    EXPECT_EQ(sel.text(q("FIO")), q("Ёжикова Ё. \"Кавычки\" 'апостроф'"));
    EXPECT_TRUE(sel.isNull(q("CNTR1")));
    EXPECT_EQ(sel.text(q("CNTR1")), QString());
    // the insert trigger filled the time as HH:MM:SS
    EXPECT_TRUE(QTime::fromString(sel.text(q("TIM")), q("hh:mm:ss")).isValid()) << sel.text(q("TIM")).toStdString();
    sel.next();
    EXPECT_TRUE(sel.eof());

    // the largest amount and the stored Cyrillic text come back exactly, also through a string parameter
    Query big(db.main(), q("SELECT SUM_PRIH, FIO FROM PAYMENTS WHERE UID=:UID"));
    big.setParam(q("UID"), q("p3"));
    big.open();
    EXPECT_EQ(big.amount(0).kopecks(), 99999999999);
    EXPECT_EQ(big.text(1), QString());
    // one prepared statement, reopened with another value
    big.setParam(q("UID"), q("p1"));
    big.open();
    EXPECT_EQ(big.amount(0).text(), q("1.00"));
    EXPECT_EQ(big.text(1), q("Иванов Иван"));
    // the date filled by the trigger when none is given
    // a number typed with a comma reaches a numeric parameter as a number
    Query today(db.main(), q("INSERT INTO PAYMENTS (UID, SUM_PRIH) VALUES ('p4', :SUM)"));
    today.setParam(q("SUM"), q("12,34"));
    today.execute();
    EXPECT_EQ(DbUtils(db, scratchLog()).sql_value(q("SELECT SUM_PRIH FROM PAYMENTS WHERE UID='p4'")),
              q("12,34"));
    // an empty field gives NULL to a number or a date
    Query empty(db.main(), q("INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT) VALUES ('p5', :SUM, :DAT)"));
    empty.setParam(q("SUM"), q(""));
    empty.setParam(q("DAT"), q(" "));
    empty.execute();
    EXPECT_EQ(DbUtils(db, scratchLog()).sql_value(q("SELECT COALESCE(SUM_PRIH, -1) FROM PAYMENTS WHERE UID='p5'")),
              q("-1"));
    EXPECT_EQ(DbUtils(db, scratchLog()).sql_value(q("SELECT DAT FROM PAYMENTS WHERE UID='p4'")),
              QDate::currentDate().toString(q("dd.MM.yyyy")));
}

TEST_F(Db, BlobsTextAndBinary)
{
    QString longText;
    for (int i = 0; i < 5000; ++i)
        longText += q("Строка чека №%1;\r\n").arg(i); // well over one segment and over a string parameter
    QByteArray exe;
    for (int i = 0; i < 100000; ++i)
        exe.append(static_cast<char>(i * 7));
    Query ins(db.main(), q("INSERT INTO FR (FR_UID, TXT1, RASP) VALUES (:FR_UID, :TXT1, :RASP)"));
    ins.setParam(q("FR_UID"), q("f1"));
    ins.setParam(q("TXT1"), longText);
    ins.setParam(q("RASP"), q("Короткий текст"));
    ins.execute();
    Query up(db.main(), q("INSERT INTO UPD_PRG (UPD_UID, VRS, EXE) VALUES (1, 65537, :EXE)"));
    up.setParamBytes(q("EXE"), exe);
    up.execute();
    db.main().commit();

    Query sel(db.main(), q("SELECT TXT1, RASP, CHAR_LENGTH(TXT1) FROM FR WHERE FR_UID='f1'"));
    sel.open();
    EXPECT_EQ(sel.text(0), longText);
    EXPECT_EQ(sel.text(1), q("Короткий текст"));
    EXPECT_EQ(sel.integer(2), longText.size()); // stored as WIN1251 characters, not UTF-8 bytes
    Query bin(db.main(), q("SELECT EXE FROM UPD_PRG WHERE UPD_UID=1"));
    bin.open();
    EXPECT_EQ(bin.bytes(0), exe);
    // a blob compared in SQL with a string parameter
    Query like(db.main(), q("SELECT COUNT(*) FROM FR WHERE RASP CONTAINING :T"));
    like.setParam(q("T"), q("ТЕКСТ"));
    like.open();
    EXPECT_EQ(like.integer(0), 1);
}

TEST_F(Db, EntryTransactionIsInvisibleUntilCommitAndConflictsFailAtOnce)
{
    DbUtils u(db, scratchLog());
    ASSERT_EQ(u.sql_exec(q("INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR) VALUES ('s1', '1', '0101')")), QString());
    ASSERT_EQ(u.sql_exec_entry(q("INSERT INTO PAYMENTS (UID, SUM_PRIH, SMENA_NOM) VALUES ('e1', 10, 's1')")), QString());
    const QString count = q("SELECT COUNT(*) FROM PAYMENTS WHERE UID='e1'");
    EXPECT_EQ(u.sql_value(count), q("0"));
    EXPECT_EQ(u.sql_value_entry(count), q("1"));

    // both transactions update the same row: the second fails at once (nowait), with the server's text
    ASSERT_EQ(u.sql_exec_entry(q("UPDATE SMENA SET PODR='0102' WHERE SMENA_NOM='s1'")), QString());
    const QString err = u.sql_exec(q("UPDATE SMENA SET PODR='0103' WHERE SMENA_NOM='s1'"), {}, false);
    EXPECT_TRUE(err.contains(q("deadlock")) || err.contains(q("update conflicts")) || err.contains(q("lock conflict")))
        << err.toStdString();
    db.main().rollback();

    db.entry().commit();
    EXPECT_EQ(u.sql_value(count), q("1"));
    EXPECT_EQ(u.sql_value(q("SELECT PODR FROM SMENA WHERE SMENA_NOM=?"), {q("s1")}), q("0102"));
    // a rolled back visit leaves nothing behind
    u.sql_exec_entry(q("INSERT INTO PAYMENTS (UID, SUM_PRIH) VALUES ('e2', 10)"));
    db.entry().rollback();
    EXPECT_EQ(u.sql_value(q("SELECT COUNT(*) FROM PAYMENTS WHERE UID='e2'")), q("0"));
}

TEST_F(Db, SiteRangeAndGenerators)
{
    QTemporaryDir logs;
    Log log(logs.path());
    DbUtils u(db, log);
    const QString before = u.genid(q("uid_gen"));
    ASSERT_FALSE(before.isEmpty());
    db.main().executeImmediate(q("EXECUTE PROCEDURE SET_SITE_RANGE('0012')"));
    db.main().commit();
    EXPECT_EQ(u.genid(q("uid_gen")), q("1200000001"));
    for (const char* g : {"fr_uid_gen", "smena_nom_gen", "kod_org_gen", "kod_gen", "lnk_id_gen", "jr_uid_gen"})
        EXPECT_EQ(u.genid(q(g)), q("1200000001")) << g;
    // the main server's code changes nothing
    db.main().executeImmediate(q("EXECUTE PROCEDURE SET_SITE_RANGE('0000')"));
    db.main().commit();
    EXPECT_EQ(u.genid(q("uid_gen")), q("1200000002"));
    // a value once taken is not returned, even when the statement that needed it fails
    const QString taken = u.genid(q("fr_uid_gen"));
    EXPECT_FALSE(u.sql_exec(q("INSERT INTO NO_SUCH_TABLE VALUES (?)"), {taken}).isEmpty());
    EXPECT_EQ(u.genid(q("fr_uid_gen")).toLongLong(), taken.toLongLong() + 1);
    // setgen and the generator names' case
    EXPECT_TRUE(u.setgen(q("ADR_ID_GEN"), 500));
    EXPECT_EQ(u.genid(q("ADR_ID_GEN")), q("501"));
    EXPECT_EQ(u.genid(q("adr_id_gen")), QString());
    EXPECT_FALSE(u.setgen(q("no_gen"), 1));
    QFile f(log.todayFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = cp1251::decode(f.readAll());
    EXPECT_TRUE(text.contains(q("Получение id adr_id_gen|")));
    EXPECT_TRUE(text.contains(q("Установка id no_gen|")));
    EXPECT_TRUE(text.contains(q("Ошибка выполнения запроса INSERT INTO NO_SUCH_TABLE")));
}

TEST_F(Db, PersonalAccountKeysUseEmptyStrings)
{
    DbUtils u(db, scratchLog());
    const QString upsert = q("UPDATE OR INSERT INTO LS (KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, SUM_USL) "
                             "VALUES (?, ?, ?, ?, ?) MATCHING (KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM)");
    ASSERT_EQ(u.sql_exec(upsert, {q("900"), q("12345"), QVariant(), QVariant(), 10}), QString());
    ASSERT_EQ(u.sql_exec(upsert, {q("900"), q("12345"), q(""), q(""), 20}), QString());
    ASSERT_EQ(u.sql_exec(upsert, {q("900"), q("12345"), q(""), q("B1"), 30}), QString());
    EXPECT_EQ(u.sql_value(q("SELECT COUNT(*) FROM LS WHERE KOD_SRV='900'")), q("2"));
    EXPECT_EQ(u.sql_value(q("SELECT SUM_USL FROM LS WHERE KOD_SRV='900' AND PHONE_NUM='' AND BARCD_NUM=''")), q("20"));
    // the key was drawn by the database
    EXPECT_FALSE(u.sql_value(q("SELECT MIN(LS_ID) FROM LS WHERE KOD_SRV='900'")).isEmpty());
    // the unique key refuses a duplicate inserted with NULLs
    EXPECT_FALSE(u.sql_exec(q("INSERT INTO LS (KOD_SRV, NOM_AB) VALUES ('900', '12345')")).isEmpty());
}

TEST_F(Db, HelpersXmlAndJournal)
{
    QTemporaryDir logs;
    Log log(logs.path());
    DbUtils u(db, log);
    u.setOperatorSource([] { return q("7"); });
    EXPECT_EQ(u.sql_value(q("SELECT BAD FROM RDB$DATABASE"), {}, q("unchanged")), q("unchanged"));
    u.sql_exec(q("INSERT INTO OPERATOR (OPER_NOM, OPER) VALUES ('7', 'Проверка')"));
    EXPECT_EQ(u.exec_logged(q("UPDATE OPERATOR SET OPER=:OPER, PODR=:PODR WHERE OPER_NOM=:OPER_NOM"),
                            {{q("OPER"), q("Кассир <1>")}, {q("PODR"), q("0101")}, {q("OPER_NOM"), q("7")}},
                            q("OPERATOR")),
              QString());
    Query j(db.main(), q("SELECT TAB_NAME, QUERY_UPD, PRMS, OPER_NOM, TIM, DAT FROM JRNL"));
    j.open();
    ASSERT_FALSE(j.eof());
    EXPECT_EQ(j.text(0), q("OPERATOR"));
    EXPECT_EQ(j.text(1), q("UPDATE OPERATOR SET OPER=:OPER, PODR=:PODR WHERE OPER_NOM=:OPER_NOM"));
    EXPECT_EQ(j.text(2), q("Кассир <1>|0101|7|"));
    EXPECT_EQ(j.text(3), q("7"));
    EXPECT_EQ(j.text(4).size(), 8);
    EXPECT_EQ(j.date(5), QDate::currentDate());
    j.close();

    const QString xml = u.sql_xml(q("SELECT OPER_NOM, OPER FROM OPERATOR WHERE OPER_NOM=:N"), {{q("N"), q("7")}});
    EXPECT_EQ(xml, q("<item><OPER_NOM>7</OPER_NOM><OPER>Кассир &lt;1&gt;</OPER></item>"));
    u.sql_exec(q("UPDATE SERVICE SET LOGO=? WHERE 1=0"), {QByteArray("x")});
    u.sql_exec(q("INSERT INTO SERVICE (KOD_SRV, PRIM) VALUES ('L1', 'Лого')"));
    Query logo(db.main(), q("UPDATE SERVICE SET LOGO=:LOGO WHERE KOD_SRV='L1'"));
    logo.setParamBytes(q("LOGO"), QByteArray("\xFF\xD8\xFF", 3));
    logo.execute();
    db.main().commit();
    EXPECT_EQ(u.browsesqls(q("SELECT KOD_SRV, LOGO FROM SERVICE WHERE KOD_SRV='L1'")),
              q("<data><item><KOD_SRV>L1</KOD_SRV><LOGO>/9j/</LOGO></item></data>"));

    JournalViewer v(db);
    const QStringList ids = v.loadList();
    ASSERT_EQ(ids.size(), 1);
    v.setList(ids, 0);
    EXPECT_EQ(v.current().author, q("Кассир <1>"));
    EXPECT_EQ(v.current().params, q("Кассир <1>|0101|7|"));
    EXPECT_FALSE(v.previous());
    EXPECT_FALSE(v.next());
}

TEST(Scripts, SplitRunAndReportTheFailingStatement)
{
    const QString script = q("SET SQL DIALECT 3;\n-- a comment; with a semicolon\n"
                             "CREATE TABLE X1 (A VARCHAR(10));\n"
                             "SET TERM ^ ;\nCREATE TRIGGER X1_BI FOR X1 BEFORE INSERT AS\nBEGIN\n"
                             "  IF (NEW.A IS NULL) THEN NEW.A = 'a;b'; /* ; */\nEND^\nSET TERM ; ^\n"
                             "INSERT INTO X1 (A) VALUES (NULL);\nCOMMIT;\n"
                             "INSERT INTO X1 (A) VALUES ('Текст');\n"
                             "INSERT INTO NOPE VALUES (1);\nINSERT INTO X1 (A) VALUES ('never');\n");
    const QStringList parts = split_script(script);
    ASSERT_EQ(parts.size(), 7); // COMMIT is one of them
    EXPECT_TRUE(parts[1].startsWith(q("CREATE TRIGGER")) && parts[1].endsWith(q("END")));

    Database db;
    db.attach(TestDatabase::shared().freshCopy(q("script.fdb")), q("SYSDBA"), q("x"));
    const ScriptResult r = ScriptRunner(db).run(script);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.executed, 4);
    EXPECT_EQ(r.failedStatement, q("INSERT INTO NOPE VALUES (1)"));
    EXPECT_TRUE(r.error.contains(q("NOPE"))) << r.error.toStdString();
    DbUtils u(db, scratchLog());
    EXPECT_EQ(u.sql_value(q("SELECT LIST(A, ',') FROM X1")), q("a;b,Текст"));
}

TEST(Schema, CreateRefusesAnExistingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(q("x.fdb"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
    f.close();
    try {
        SchemaInstaller::create(path, q("SYSDBA"), q("x"), false);
        FAIL() << "an existing file was overwritten";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(q("уже существует")));
    }
    QFile g(path);
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(g.readAll(), QByteArray("keep me"));
}

TEST(Schema, DemoDataServesACashier)
{
    auto db = TestDatabase::shared(true).attach();
    DbUtils u(*db, scratchLog());
    EXPECT_EQ(u.sql_value(q("SELECT COUNT(*) FROM OPERATOR WHERE USRROL='2' AND PASS=?"), {md5(q("1111"))}), q("1"));
    EXPECT_EQ(u.sql_value(q("SELECT COUNT(*) FROM OPERATOR WHERE USRROL='0' AND PASS=?"), {md5(q("admin"))}), q("1"));
    // every payable service has its commission companion
    EXPECT_EQ(u.sql_value(q("SELECT COUNT(*) FROM SERVICE S WHERE S.IS_K='0' AND S.KOD_SRV<>'000' AND NOT EXISTS "
                            "(SELECT 1 FROM SERVICE K WHERE K.KOD_SRV=S.KOD_K AND K.IS_K='1')")),
              q("0"));
    EXPECT_NE(u.sql_value(q("SELECT COUNT(*) FROM LS")), q("0"));
    EXPECT_NE(u.sql_value(q("SELECT COUNT(*) FROM NSTR")), q("0"));
}

TEST(Database, AttachingKeepsTheProgramsTerminationSignals)
{
    // the embedded engine would install handlers that swallow SIGTERM; the program's own stay
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    Database db;
    db.attach(TestDatabase::shared().path(), q("SYSDBA"), q("x"));
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(reinterpret_cast<void*>(after.sa_handler), reinterpret_cast<void*>(before.sa_handler));
}
