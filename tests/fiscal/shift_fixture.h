#pragma once
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "fiscal/shift_operations.h"
#include "fiscal_fixture.h"
#include "test_database.h"
#include <QVariantMap>

// A register emulator (FiscalBench) with the shift operations over a fresh copy of the demo database,
// logged in as the demo cashier "2" in department "0101". The status refresh records its hints and takes
// the register's shift state as the program's does.
struct ShiftBench {
    explicit ShiftBench(int driver, const QString& emulator_ini = QString())
        : bench(driver, true, emulator_ini), utils(db, bench.log),
          svc(bench.printer.get(), db, utils, ctx, bench.log, bench.clock, bench.dialogs)
    {
        static int n = 0;
        db.attach(TestDatabase::shared().freshCopy(QStringLiteral("shifts_%1.fdb").arg(++n)), TestDatabase::kUser,
                  TestDatabase::kPassword);
        ctx.cur_oper_nom = QStringLiteral("2");
        ctx.cur_podr = QStringLiteral("0101");
        svc.statusRefresh = [this](bool force, bool printer) {
            refreshes << QStringLiteral("%1,%2").arg(force).arg(printer);
            bench.state.fr_shift_open = bench.printer->register_shift_state(force, printer).open;
        };
    }

    QString value(const QString& sql, const QVariantMap& params = {}) { return first_value(db, sql, params); }
    void exec(const QString& sql, const QVariantMap& params = {})
    {
        Query q(db.main(), sql);
        DbUtils::bindMap(q, params);
        q.execute();
        db.main().commit();
    }
    QString operatorShift() { return value(QStringLiteral("SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM='2'")); }
    bool closed(const QString& nom)
    {
        return !value(QStringLiteral("SELECT CLS_DAT FROM SMENA WHERE SMENA_NOM=:N"), {{QStringLiteral("N"), nom}}).isEmpty();
    }
    int openShifts()
    {
        return value(QStringLiteral("SELECT COUNT(*) FROM SMENA WHERE OPER_NOM='2' AND CLS_DAT IS NULL")).toInt();
    }
    // A payment of `amount` under the demo service "100" in shift `nom`.
    void payment(const QString& uid, const QString& amount, const QString& nom, const QString& service = QStringLiteral("100"))
    {
        exec(QStringLiteral("INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, OPER_NOM, SMENA_NOM, PODR, KOD_SRV) "
                            "VALUES (:UID, :SUM, current_date, '2', :SM, '0101', :SRV)"),
             {{QStringLiteral("UID"), uid}, {QStringLiteral("SUM"), amount}, {QStringLiteral("SM"), nom},
              {QStringLiteral("SRV"), service}});
    }
    bool logHas(const QString& line) { return bench.logLines().contains(line); }

    FiscalBench bench;
    Database db;
    DbUtils utils;
    ShiftContext ctx;
    ShiftOperationsService svc;
    QStringList refreshes;
};
