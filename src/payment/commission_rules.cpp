#include "payment/commission_rules.h"
#include "db/query.h"
#include <utility>

namespace {
CommissionSide sideOf(Query& q, int rate, int min, int max)
{
    CommissionSide s;
    s.rate = Percent::parseOr0(q.text(rate));
    s.min = q.isNull(min) ? Money() : q.amount(min);
    s.max = q.isNull(max) ? Money() : q.amount(max);
    return s;
}

void takeOver(Percent& to, Percent& from)
{
    if (to.isZero())
        to = std::exchange(from, Percent());
}

void takeOver(Money& to, Money& from)
{
    if (to.isZero())
        to = std::exchange(from, Money());
}

void applyOverride(CommissionSide& s, const DepartmentCommission& dep)
{
    if (!s.any())
        return;
    if (dep.rate > Percent())
        s.rate = dep.rate;
    if (dep.min > Money())
        s.min = dep.min;
    if (dep.max > Money())
        s.max = dep.max;
}
} // namespace

CommissionConfig CommissionRules::serviceFigures(const QString& kodSrv)
{
    Query q(tr_, QStringLiteral("SELECT komis, min_sum, max_sum,"
                                " (SELECT komis FROM SERVICE as a WHERE a.kod_srv=SERVICE.KOD_K),"
                                " (SELECT min_sum FROM SERVICE as b WHERE b.kod_srv=SERVICE.KOD_K),"
                                " (SELECT max_sum FROM SERVICE as c WHERE c.kod_srv=SERVICE.KOD_K)"
                                " FROM SERVICE WHERE SERVICE.KOD_SRV=:KOD_SRV"));
    q.setParam(QStringLiteral("KOD_SRV"), kodSrv);
    q.open();
    CommissionConfig c;
    if (!q.eof()) {
        c.payer = sideOf(q, 0, 1, 2);
        c.provider = sideOf(q, 3, 4, 5);
    }
    q.close();
    return c;
}

DepartmentCommission CommissionRules::departmentOverride(const QString& kodSrv, const QString& podr)
{
    Query q(tr_, QStringLiteral("select komis, min_sum, max_sum from komis_podr where kod_srv = :kod_srv and podr = :podr"));
    q.setParam(QStringLiteral("kod_srv"), kodSrv);
    q.setParam(QStringLiteral("podr"), podr);
    q.open();
    DepartmentCommission d;
    if (!q.eof()) {
        const CommissionSide s = sideOf(q, 0, 1, 2);
        d.rate = s.rate;
        d.min = s.min;
        d.max = s.max;
        d.found = true;
    }
    q.close();
    return d;
}

void CommissionRules::applySideRule(CommissionConfig& c, const QString& comType)
{
    if (comType == QLatin1String("1")) {
        takeOver(c.payer.rate, c.provider.rate);
        takeOver(c.payer.min, c.provider.min);
        takeOver(c.payer.max, c.provider.max);
    } else if (comType == QLatin1String("0")) {
        takeOver(c.provider.rate, c.payer.rate);
        takeOver(c.provider.min, c.payer.min);
        takeOver(c.provider.max, c.payer.max);
    }
}

void CommissionRules::applyDepartment(CommissionConfig& c, const DepartmentCommission& dep)
{
    applyOverride(c.payer, dep);
    applyOverride(c.provider, dep);
}

CommissionConfig CommissionRules::configure(CommissionConfig figures, const QString& comType, const DepartmentCommission& dep)
{
    applySideRule(figures, comType);
    applyDepartment(figures, dep);
    return figures;
}

CommissionConfig CommissionRules::load(const QString& kodSrv, const QString& comType, const QString& podr)
{
    return configure(serviceFigures(kodSrv), comType, departmentOverride(kodSrv, podr));
}
