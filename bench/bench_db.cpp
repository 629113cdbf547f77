// The database layer against the bare Firebird C API doing the same work, on one embedded database:
//  (a) 100,000 inserts into PAYMENTS with one prepared statement and one commit;
//  (b) lookups of one LS row by NOM_AB and KOD_SRV among 1,000,000 rows with a prepared statement.
// Prints both times and the ratios layer / bare.
//   bench_db [WORKDIR] [--rows N] [--lookups N]
#include "db/database.h"
#include "db/query.h"
#include "db/schema_installer.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ibase.h>
#include <random>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {
void check(const ISC_STATUS* st)
{
    if (st[0] == 1 && st[1]) {
        char buf[512];
        const ISC_STATUS* p = st;
        fb_interpret(buf, sizeof buf, &p);
        std::fprintf(stderr, "Firebird: %s\n", buf);
        std::exit(1);
    }
}

// A bare attachment and transaction with the same parameters the layer uses.
struct Bare {
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    ISC_STATUS_ARRAY st;
    explicit Bare(const std::string& path)
    {
        std::string dpb;
        dpb.push_back(isc_dpb_version1);
        auto add = [&](char tag, const std::string& v) { dpb.push_back(tag); dpb.push_back(static_cast<char>(v.size())); dpb += v; };
        add(isc_dpb_user_name, "SYSDBA");
        add(isc_dpb_password, "x");
        add(isc_dpb_lc_ctype, "UTF8");
        isc_attach_database(st, 0, path.c_str(), &db, static_cast<short>(dpb.size()), dpb.data());
        check(st);
        static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
        isc_start_transaction(st, &tr, 1, &db, static_cast<unsigned short>(sizeof tpb), tpb);
        check(st);
    }
    ~Bare()
    {
        if (tr)
            isc_rollback_transaction(st, &tr);
        isc_detach_database(st, &db);
    }
    void commit()
    {
        isc_commit_transaction(st, &tr);
        check(st);
    }
};

struct VarText {
    short len;
    char data[64];
};

void setText(XSQLVAR& v, VarText& buf, short& ind, const std::string& s)
{
    buf.len = static_cast<short>(s.size());
    std::memcpy(buf.data, s.data(), s.size());
    v.sqltype = SQL_VARYING | 1;
    v.sqlsubtype = 4;
    v.sqllen = static_cast<short>(s.size());
    v.sqldata = reinterpret_cast<char*>(&buf);
    v.sqlind = &ind;
    ind = 0;
}

const char* kInsert = "INSERT INTO PAYMENTS (UID, SUM_PRIH, OPER_NOM, SMENA_NOM, KOD_SRV, FIO) VALUES (?, ?, ?, ?, ?, ?)";
const char* kInsertNamed =
    "INSERT INTO PAYMENTS (UID, SUM_PRIH, OPER_NOM, SMENA_NOM, KOD_SRV, FIO) VALUES (:UID, :SUM_PRIH, :OPER_NOM, :SMENA_NOM, :KOD_SRV, :FIO)";

double bareInserts(const std::string& path, int n)
{
    Bare b(path);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(b.st, &b.db, &stmt);
    check(b.st);
    isc_dsql_prepare(b.st, &b.tr, &stmt, 0, kInsert, 3, nullptr);
    check(b.st);
    XSQLDA* in = static_cast<XSQLDA*>(calloc(1, XSQLDA_LENGTH(6)));
    in->version = SQLDA_VERSION1;
    in->sqln = 6;
    isc_dsql_describe_bind(b.st, &stmt, 1, in);
    check(b.st);
    VarText uid, oper, smena, srv, fio;
    short ind[6] = {0};
    ISC_INT64 sum = 0;
    const auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        setText(in->sqlvar[0], uid, ind[0], "b" + std::to_string(i));
        sum = 10000 + i;
        in->sqlvar[1].sqltype = SQL_INT64 | 1;
        in->sqlvar[1].sqlscale = -2;
        in->sqlvar[1].sqllen = 8;
        in->sqlvar[1].sqldata = reinterpret_cast<char*>(&sum);
        in->sqlvar[1].sqlind = &ind[1];
        setText(in->sqlvar[2], oper, ind[2], "2");
        setText(in->sqlvar[3], smena, ind[3], "1001");
        setText(in->sqlvar[4], srv, ind[4], "101");
        setText(in->sqlvar[5], fio, ind[5], "Иванов Иван Иванович");
        isc_dsql_execute(b.st, &b.tr, &stmt, 1, in);
        check(b.st);
    }
    b.commit();
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    isc_dsql_free_statement(b.st, &stmt, DSQL_drop);
    free(in);
    return s;
}

double layerInserts(const QString& path, int n)
{
    Database db;
    db.attach(path, QStringLiteral("SYSDBA"), QStringLiteral("x"));
    Query q(db.main(), QString::fromLatin1(kInsertNamed));
    q.prepare();
    const QString fio = QString::fromUtf8("Иванов Иван Иванович");
    const auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        q.setParam(QStringLiteral("UID"), QStringLiteral("l%1").arg(i));
        q.setParam(QStringLiteral("SUM_PRIH"), Money::fromKopecks(10000 + i));
        q.setParam(QStringLiteral("OPER_NOM"), QStringLiteral("2"));
        q.setParam(QStringLiteral("SMENA_NOM"), QStringLiteral("1001"));
        q.setParam(QStringLiteral("KOD_SRV"), QStringLiteral("101"));
        q.setParam(QStringLiteral("FIO"), fio);
        q.execute();
    }
    db.main().commit();
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void fillAccounts(const std::string& path, int rows)
{
    Bare b(path);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(b.st, &b.db, &stmt);
    check(b.st);
    const char* sql = "INSERT INTO LS (LS_ID, KOD_SRV, NOM_AB, SUM_USL, TXT_USL) VALUES (?, ?, ?, ?, ?)";
    isc_dsql_prepare(b.st, &b.tr, &stmt, 0, sql, 3, nullptr);
    check(b.st);
    XSQLDA* in = static_cast<XSQLDA*>(calloc(1, XSQLDA_LENGTH(5)));
    in->version = SQLDA_VERSION1;
    in->sqln = 5;
    isc_dsql_describe_bind(b.st, &stmt, 1, in);
    check(b.st);
    VarText id, srv, ab, txt;
    short ind[5] = {0};
    ISC_INT64 sum = 0;
    for (int i = 0; i < rows; ++i) {
        setText(in->sqlvar[0], id, ind[0], std::to_string(i + 1));
        setText(in->sqlvar[1], srv, ind[1], std::to_string(100 + i % 20));
        setText(in->sqlvar[2], ab, ind[2], std::to_string(5000000 + i / 20));
        sum = i;
        in->sqlvar[3].sqltype = SQL_INT64 | 1;
        in->sqlvar[3].sqlscale = -2;
        in->sqlvar[3].sqllen = 8;
        in->sqlvar[3].sqldata = reinterpret_cast<char*>(&sum);
        in->sqlvar[3].sqlind = &ind[3];
        setText(in->sqlvar[4], txt, ind[4], "Долг за услуги");
        isc_dsql_execute(b.st, &b.tr, &stmt, 1, in);
        check(b.st);
    }
    b.commit();
    isc_dsql_free_statement(b.st, &stmt, DSQL_drop);
    free(in);
}

const char* kLookup = "SELECT LS_ID, SUM_USL, TXT_USL FROM LS WHERE NOM_AB=? AND KOD_SRV=?";
const char* kLookupNamed = "SELECT LS_ID, SUM_USL, TXT_USL FROM LS WHERE NOM_AB=:NOM_AB AND KOD_SRV=:KOD_SRV";

std::vector<std::pair<std::string, std::string>> lookupKeys(int rows, int n)
{
    std::mt19937 rng(42);
    std::vector<std::pair<std::string, std::string>> keys;
    for (int k = 0; k < n; ++k) {
        const int i = static_cast<int>(rng() % static_cast<unsigned>(rows));
        keys.emplace_back(std::to_string(5000000 + i / 20), std::to_string(100 + i % 20));
    }
    return keys;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double bareLookups(const std::string& path, const std::vector<std::pair<std::string, std::string>>& keys, long long& check_sum)
{
    Bare b(path);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(b.st, &b.db, &stmt);
    check(b.st);
    XSQLDA* out = static_cast<XSQLDA*>(calloc(1, XSQLDA_LENGTH(3)));
    out->version = SQLDA_VERSION1;
    out->sqln = 3;
    isc_dsql_prepare(b.st, &b.tr, &stmt, 0, kLookup, 3, out);
    check(b.st);
    std::vector<std::string> buf(3);
    short oind[3];
    for (int i = 0; i < 3; ++i) {
        buf[i].assign(out->sqlvar[i].sqllen + 2, '\0');
        out->sqlvar[i].sqldata = buf[i].data();
        out->sqlvar[i].sqlind = &oind[i];
    }
    XSQLDA* in = static_cast<XSQLDA*>(calloc(1, XSQLDA_LENGTH(2)));
    in->version = SQLDA_VERSION1;
    in->sqln = 2;
    isc_dsql_describe_bind(b.st, &stmt, 1, in);
    check(b.st);
    VarText ab, srv;
    short ind[2];
    std::vector<double> times;
    times.reserve(keys.size());
    for (const auto& k : keys) {
        const auto t0 = Clock::now();
        setText(in->sqlvar[0], ab, ind[0], k.first);
        setText(in->sqlvar[1], srv, ind[1], k.second);
        isc_dsql_execute(b.st, &b.tr, &stmt, 1, in);
        check(b.st);
        if (isc_dsql_fetch(b.st, &stmt, 1, out) == 0) {
            ISC_INT64 sum;
            std::memcpy(&sum, out->sqlvar[1].sqldata, 8);
            check_sum += sum;
        }
        isc_dsql_free_statement(b.st, &stmt, DSQL_close);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    isc_dsql_free_statement(b.st, &stmt, DSQL_drop);
    free(in);
    free(out);
    return median(times);
}

double layerLookups(const QString& path, const std::vector<std::pair<std::string, std::string>>& keys, long long& check_sum)
{
    Database db;
    db.attach(path, QStringLiteral("SYSDBA"), QStringLiteral("x"));
    Query q(db.main(), QString::fromLatin1(kLookupNamed));
    q.prepare();
    std::vector<QString> ab, srv;
    for (const auto& k : keys) {
        ab.push_back(QString::fromStdString(k.first));
        srv.push_back(QString::fromStdString(k.second));
    }
    std::vector<double> times;
    times.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto t0 = Clock::now();
        q.setParam(QStringLiteral("NOM_AB"), ab[i]);
        q.setParam(QStringLiteral("KOD_SRV"), srv[i]);
        q.open();
        if (!q.eof())
            check_sum += q.amount(1).kopecks();
        q.close();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    return median(times);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int inserts = 100000, rows = 1000000, lookups = 20000;
    QString work;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size()) rows = args[++i].toInt();
        else if (args[i] == QLatin1String("--inserts") && i + 1 < args.size()) inserts = args[++i].toInt();
        else if (args[i] == QLatin1String("--lookups") && i + 1 < args.size()) lookups = args[++i].toInt();
        else work = args[i];
    }
    QTemporaryDir tmp;
    if (work.isEmpty())
        work = tmp.path();
    const QString empty = QDir(work).filePath(QStringLiteral("bench_empty.fdb"));
    QFile::remove(empty);
    SchemaInstaller::create(empty, QStringLiteral("SYSDBA"), QStringLiteral("x"), false);
    auto copy = [&](const QString& name) {
        const QString p = QDir(work).filePath(name);
        QFile::remove(p);
        QFile::copy(empty, p);
        return p;
    };

    // (a) inserts: alternate the two on fresh copies, best of two rounds each
    double bare = 1e9, layer = 1e9;
    for (int round = 0; round < 2; ++round) {
        bare = std::min(bare, bareInserts(copy(QStringLiteral("bench_a_bare.fdb")).toStdString(), inserts));
        layer = std::min(layer, layerInserts(copy(QStringLiteral("bench_a_layer.fdb")), inserts));
    }
    std::printf("(a) %d inserts, one prepared statement, one commit: bare %.3f s (%.0f/s), layer %.3f s (%.0f/s), ratio %.3f (target <= 1.15)\n",
                inserts, bare, inserts / bare, layer, inserts / layer, layer / bare);

    // (b) lookups among `rows` accounts
    const QString accounts = copy(QStringLiteral("bench_b.fdb"));
    fillAccounts(accounts.toStdString(), rows);
    const auto keys = lookupKeys(rows, lookups);
    long long s1 = 0, s2 = 0;
    bareLookups(accounts.toStdString(), keys, s1); // warm the cache
    s1 = 0;
    double mb = 1e9, ml = 1e9;
    for (int round = 0; round < 2; ++round) {
        s1 = s2 = 0;
        mb = std::min(mb, bareLookups(accounts.toStdString(), keys, s1));
        ml = std::min(ml, layerLookups(accounts, keys, s2));
    }
    std::printf("(b) %d lookups among %d LS rows: median bare %.2f us, layer %.2f us, ratio %.3f (target <= 1.5)%s\n",
                lookups, rows, mb, ml, ml / mb, s1 == s2 ? "" : "  RESULTS DIFFER");
    for (const char* f : {"bench_empty.fdb", "bench_a_bare.fdb", "bench_a_layer.fdb", "bench_b.fdb"})
        QFile::remove(QDir(work).filePath(QString::fromLatin1(f)));
    return s1 == s2 ? 0 : 1;
}
