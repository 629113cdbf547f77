#include "payment/department_commissions.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/money.h"
#include <QVariantMap>

namespace {
// A value of the edit window as the statement binds it: a decimal text with a point, "0" when empty.
std::optional<QString> number(const QString& text, int scale)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QStringLiteral("0");
    const auto v = decimal_scaled(t, scale);
    if (!v)
        return std::nullopt;
    // Bound as text; the server converts it exactly to the column's NUMERIC type.
    QString s = t;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    s.remove(QLatin1Char(' '));
    return s;
}
} // namespace

std::vector<DepartmentCommissionRow> DepartmentCommissions::list(const QString& kodSrv)
{
    std::vector<DepartmentCommissionRow> rows;
    Query q(db_.main(), QStringLiteral("select kp.id, kp.podr, kp.komis, kp.min_sum, kp.max_sum\n"
                                       "from komis_podr kp\n"
                                       "where kp.kod_srv = :kod_srv\n"
                                       "order by podr"));
    q.setParam(QStringLiteral("kod_srv"), kodSrv);
    for (q.open(); !q.eof(); q.next())
        rows.push_back({q.text(0), q.text(1), q.text(2), q.text(3), q.text(4)});
    q.close();
    return rows;
}

QStringList DepartmentCommissions::departments()
{
    QStringList out;
    Query q(db_.main(), QStringLiteral("select podr from bis order by podr"));
    for (q.open(); !q.eof(); q.next())
        out << q.text(0);
    q.close();
    return out;
}

QString DepartmentCommissions::save(const QString& podr, const QString& kodSrv, const QString& komis,
                                    const QString& minSum, const QString& maxSum)
{
    QStringList errors;
    if (podr.isEmpty())
        errors << QStringLiteral("Не выбрано подразделение.");
    const auto k = number(komis, 4);
    if (!k)
        errors << QStringLiteral("Неверное значение комиссии: ") + komis;
    const auto mn = number(minSum, 2);
    if (!mn)
        errors << QStringLiteral("Неверное значение минимальной комиссии: ") + minSum;
    const auto mx = number(maxSum, 2);
    if (!mx)
        errors << QStringLiteral("Неверное значение максимальной комиссии: ") + maxSum;
    if (!errors.isEmpty())
        return errors.join(QLatin1Char('\n'));

    const QVariantMap params{{QStringLiteral("podr"), podr},
                             {QStringLiteral("kod_srv"), kodSrv},
                             {QStringLiteral("komis"), *k},
                             {QStringLiteral("min_sum"), *mn},
                             {QStringLiteral("max_sum"), *mx}};
    return utils_.exec_logged(QStringLiteral("update or insert into komis_podr (podr, kod_srv, komis, min_sum, max_sum) "
                                             "values (:podr, :kod_srv, :komis, :min_sum, :max_sum) matching (podr, kod_srv)"),
                              params, QStringLiteral("KOMIS_PODR"));
}

QString DepartmentCommissions::remove(const QString& id)
{
    return utils_.exec_logged(QStringLiteral("delete from komis_podr where id = :id"), {{QStringLiteral("id"), id}},
                              QStringLiteral("KOMIS_PODR"));
}
