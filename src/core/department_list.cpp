#include "core/department_list.h"
#include "db/database.h"
#include "db/query.h"

QStringList DepartmentList::load(Database& db, const QString& role, const QString& clientAddress,
                                 const QString& fixedPodr)
{
    QString sql = QStringLiteral("SELECT PODR FROM BIS");
    const bool cashier = role == QLatin1String("2");
    if (cashier) {
        sql += QStringLiteral(" WHERE (:IPMSK containing IPMSK OR IPMSK='*' OR IPMSK='') AND PODR<>'0000'");
        if (!fixedPodr.isEmpty())
            sql += QStringLiteral(" and podr = :fixedpodr");
    }
    sql += QStringLiteral(" ORDER BY PODR;");
    Query q(db.main(), sql);
    if (cashier) {
        q.setParam(QStringLiteral("IPMSK"), clientAddress);
        if (!fixedPodr.isEmpty())
            q.setParam(QStringLiteral("fixedpodr"), fixedPodr);
    }
    QStringList out;
    for (q.open(); !q.eof(); q.next())
        out << q.text(0);
    return out;
}

QString DepartmentList::clientAddress(Database& db)
{
    Query q(db.main(), QStringLiteral("select rdb$get_context('SYSTEM', 'CLIENT_ADDRESS') from rdb$database"));
    q.open();
    return q.eof() ? QString() : q.text(0).trimmed();
}
