// Two workstations sharing one database on a real Firebird server over TCP. The test script starts the
// server and names it in KVP_TEST_FB_SERVER (host) with the SYSDBA password in KVP_TEST_FB_PASSWORD.
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "db/schema_installer.h"
#include "util/log.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QString q(const char* s) { return QString::fromUtf8(s); }

TEST(Server, TwoWorkstationsShareOneDatabase)
{
    const QString host = qEnvironmentVariable("KVP_TEST_FB_SERVER");
    if (host.isEmpty())
        GTEST_SKIP() << "KVP_TEST_FB_SERVER is not set: no Firebird server to test against";
    const QString password = qEnvironmentVariable("KVP_TEST_FB_PASSWORD");
    QTemporaryDir dir(QDir::tempPath() + q("/kvp-srv-XXXXXX"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    const QString conn = host + q(":") + dir.filePath(q("site.fdb"));
    SchemaInstaller::create(conn, q("SYSDBA"), password, true);

    Database desk1, desk2;
    desk1.attach(conn, q("SYSDBA"), password);
    desk2.attach(conn, q("SYSDBA"), password);
    QTemporaryDir logs;
    Log log(logs.path());
    DbUtils u1(desk1, log), u2(desk2, log);

    // both desks see each other through the server, with a remote protocol
    EXPECT_EQ(u1.sql_value(q("SELECT COUNT(*) FROM MON$ATTACHMENTS WHERE MON$REMOTE_PROTOCOL IS NOT NULL "
                             "AND MON$ATTACHMENT_ID<>CURRENT_CONNECTION")),
              q("1"));
    EXPECT_FALSE(u1.sql_value(q("select rdb$get_context('SYSTEM', 'CLIENT_ADDRESS') from rdb$database")).isEmpty());

    // identifiers drawn at two desks never collide
    const QString a = u1.genid(q("uid_gen")), b = u2.genid(q("uid_gen"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(b.toLongLong(), a.toLongLong() + 1);

    // a payment stored at desk 1 is seen at desk 2 once committed
    ASSERT_EQ(u1.sql_exec_entry(q("INSERT INTO PAYMENTS (UID, SUM_PRIH, FIO) VALUES (?, ?, ?)"),
                                {a, q("150,75"), q("Сидоров С.С.")}),
              QString());
    EXPECT_EQ(u2.sql_value(q("SELECT COUNT(*) FROM PAYMENTS WHERE UID=?"), {a}), q("0"));
    desk1.entry().commit();
    Query seen(desk2.main(), q("SELECT SUM_PRIH, FIO FROM PAYMENTS WHERE UID=:UID"));
    seen.setParam(q("UID"), a);
    seen.open();
    ASSERT_FALSE(seen.eof());
    EXPECT_EQ(seen.amount(0).kopecks(), 15075);
    EXPECT_EQ(seen.text(1), q("Сидоров С.С."));
    seen.close();

    // the same row changed at both desks: the second gets the conflict at once
    ASSERT_EQ(u1.sql_exec(q("UPDATE PAYMENTS SET PMNT_CM='1' WHERE UID=?"), {a}, false), QString());
    EXPECT_FALSE(u2.sql_exec(q("UPDATE PAYMENTS SET PMNT_CM='2' WHERE UID=?"), {a}, false).isEmpty());
    desk1.main().commit();
    desk2.main().rollback();
    EXPECT_EQ(u2.sql_value(q("SELECT PMNT_CM FROM PAYMENTS WHERE UID=?"), {a}), q("1"));
    desk1.detach();
    desk2.detach();
}
