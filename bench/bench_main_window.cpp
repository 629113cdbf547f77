// The main window's day list on an embedded database holding one day of 50,000 payments (each with its
// commission row): (a) the list statement plus filling the grid's model with the first part the window
// reads at once and reading the first screen of cells (the rest is read while the program is idle;
// the time to read every row is printed beside it); (b) the totals of numeric "+" over the same day,
// then once more after 5,000 payments stored each in its own transaction left a running-totals row
// apiece with no refresh of the list in between (that "+" merges them). Prints the median of several runs of each.
//   bench_main_window [WORKDIR] [--payments N] [--runs N]
#include "core/payment_list.h"
#include "core/payment_list_model.h"
#include "core/payment_totals.h"
#include "core/payments_controller.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include "db/schema_installer.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Steady = std::chrono::steady_clock;

namespace {
double ms(Steady::time_point a, Steady::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    int payments = 50000, runs = 7;
    QString work;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--payments") && i + 1 < args.size())
            payments = args[++i].toInt();
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = args[++i].toInt();
        else
            work = args[i];
    }
    QTemporaryDir tmp;
    if (work.isEmpty())
        work = tmp.path();
    QDir().mkpath(work);
    const QString path = QDir(work).filePath(QStringLiteral("bench_main_window.fdb"));
    QFile::remove(path);
    SchemaInstaller::create(path, QStringLiteral("SYSDBA"), QStringLiteral("x"), true);

    Database db;
    db.attach(path, QStringLiteral("SYSDBA"), QStringLiteral("x"));
    const QDate day(2024, 3, 15);
    {
        Query s(db.main(), QStringLiteral("INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR, OPN_DAT, OPN_TIM) VALUES "
                                          "('S1', '2', '0101', :D, '08:00:00')"));
        s.setParam(QStringLiteral("D"), day);
        s.execute();
        Query o(db.main(), QStringLiteral("UPDATE OPERATOR SET SMENA_NOM='S1' WHERE OPER_NOM='2'"));
        o.execute();
        Query q(db.main(), QStringLiteral(
                               "INSERT INTO PAYMENTS (UID, NDOC, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, "
                               "COM_UID, FR_UID, FIO) VALUES (?, ?, ?, ?, ?, '2', 'S1', '0101', ?, ?, ?, ?)"));
        Query pp(db.main(), QStringLiteral("INSERT INTO PP (UID, KOD_ORG, N_PLAT) VALUES (?, NULL, 'госпошлина')"));
        static const char* services[][2] = {{"100", "101"}, {"110", "111"}, {"120", "121"}, {"130", "131"}};
        for (int i = 0; i < payments; ++i) {
            const QString uid = QString::number(2000000 + 2 * i);
            const QString com = QString::number(2000001 + 2 * i);
            const auto* s = services[i % 4];
            const QString tim = QTime(8, 0).addSecs(i % 36000).toString(QStringLiteral("hh:mm:ss"));
            auto row = [&](const QString& u, const QString& sum, const char* srv, const QString& c) {
                q.bind(0, u);
                q.bind(1, QString::number(i));
                q.bind(2, sum);
                q.bind(3, day);
                q.bind(4, tim);
                q.bind(5, QString::fromLatin1(srv));
                if (c.isEmpty())
                    q.bindNull(6);
                else
                    q.bind(6, c);
                q.bind(7, QStringLiteral("FR") + u);
                q.bind(8, QStringLiteral("Плательщиков Плательщик Плательщикович %1").arg(i));
                q.execute();
            };
            row(uid, QStringLiteral("%1.%2").arg(100 + i % 900).arg(i % 100, 2, 10, QLatin1Char('0')), s[0], com);
            row(com, QStringLiteral("10.00"), s[1], QString());
            if (s[0][1] == '3') {
                pp.bind(0, uid);
                pp.execute();
            }
        }
        db.main().commit();
    }

    WorkingState ws;
    ws.cur_oper_nom = QStringLiteral("2");
    ws.cur_role = QStringLiteral("0");
    ws.cur_podr = QStringLiteral("0101");
    PaymentList list(ws, db);
    list.day = day;
    PaymentListModel model;
    std::vector<double> open, all, totals;
    int rows = 0;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = Steady::now();
        list.open_pmnts();
        model.setRows(list.fetch(PaymentsController::kFirstRows));
        db.main().commit();
        // the first screen: 40 rows of every column
        qsizetype chars = 0;
        for (int row = 0; row < 40 && row < model.rows(); ++row)
            for (int c = 0; c < model.columnCount(); ++c)
                chars += model.index(row, c).data().toString().size();
        const auto t1 = Steady::now();
        open.push_back(ms(t0, t1));
        while (!list.atEnd())
            model.appendRows(list.fetch(PaymentsController::kChunkRows));
        all.push_back(ms(t0, Steady::now()));
        rows = model.rows();
        (void)chars;

        PaymentTotals t(list, db);
        const auto t2 = Steady::now();
        const PaymentTotals::Totals tt = t.totals();
        db.main().commit();
        const auto t3 = Steady::now();
        totals.push_back(ms(t2, t3));
        if (r == 0)
            std::printf("rows listed: %d, totals: %lld payments, %s roubles\n", rows, static_cast<long long>(tt.count),
                        qPrintable(tt.sum.text()));
    }
    std::printf("open the day (list statement + model + first screen): median %.1f ms over %d runs (target < 150)\n",
                median(open), runs);
    std::printf("  every row read (in the background in the program): median %.1f ms\n", median(all));
    std::printf("numeric \"+\" totals: median %.1f ms over %d runs (target < 50)\n", median(totals), runs);

    // a running-totals row for each of 5,000 payments, as separate visits leave them
    {
        Query fill(db.main(), QStringLiteral("INSERT INTO PMNT_TOTALS (TR_ID, DAT, OPER_NOM, SMENA_NOM, KOD_SRV, CNT, SUM_PRIH) "
                                             "SELECT FIRST 5000 -CAST(UID AS BIGINT), DAT, OPER_NOM, SMENA_NOM, KOD_SRV, 0, 0 "
                                             "FROM PAYMENTS"));
        fill.execute();
        db.main().commit();
        PaymentTotals t(list, db);
        const auto t0 = Steady::now();
        const PaymentTotals::Totals first = t.totals();
        db.main().commit();
        const auto t1 = Steady::now();
        const PaymentTotals::Totals next = t.totals();
        db.main().commit();
        const auto t2 = Steady::now();
        std::printf("  after 5,000 single-payment transactions: first \"+\" (reads and merges them) %.1f ms, "
                    "the next %.1f ms (%s)\n",
                    ms(t0, t1), ms(t1, t2), first == next ? "same totals" : "TOTALS DIFFER");
    }
    db.detach();
    return 0;
}
