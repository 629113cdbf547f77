#include "core/payment_totals.h"
#include "core/payment_list.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"

PaymentTotals::Totals PaymentTotals::read(const QString& sql)
{
    QVariantMap params;
    params.insert(QStringLiteral("OPER_NOM"), list_.operNomParam());
    params.insert(QStringLiteral("DAT"), list_.day);
    params.insert(QStringLiteral("SMENA_NOM"), list_.smena_nom.isEmpty() ? QStringLiteral("%") : list_.smena_nom);
    Totals t;
    bool merge = false;
    Query q(db_.main(), sql);
    DbUtils::bindMap(q, params);
    q.open();
    if (!q.eof()) {
        t.sum = q.amount(0);
        t.count = q.integer(1);
        merge = q.fieldCount() > 2 && q.integer(2) > kMergeAbove; // running totals: their row count
    }
    q.close();
    if (merge)
        mergeRunningTotals(db_, list_.day);
    return t;
}

PaymentTotals::Totals PaymentTotals::fromPayments()
{
    // the sum and the count in one pass over the day: the same rows as the two separate statements
    // "SELECT SUM(SUM_PRIH) ... AND (SERVICE.DEBET IS NULL OR SERVICE.IS_K<>'1')" and
    // "SELECT COUNT(SUM_PRIH) ... AND SERVICE.IS_K='0'"
    return read(QStringLiteral("SELECT SUM(CASE WHEN SERVICE.DEBET IS NULL OR SERVICE.IS_K<>'1' THEN SUM_PRIH END), "
                               "COUNT(CASE WHEN SERVICE.IS_K='0' THEN SUM_PRIH END)"
                               " FROM PAYMENTS INNER JOIN SERVICE ON PAYMENTS.KOD_SRV=SERVICE.KOD_SRV"
                               " INNER JOIN OPERATOR ON PAYMENTS.OPER_NOM=OPERATOR.OPER_NOM WHERE") +
                (list_.ws().isCashier() ? QStringLiteral(" PAYMENTS.OPER_NOM LIKE :OPER_NOM")
                                        : QStringLiteral(" PAYMENTS.OPER_NOM IS NOT NULL")) +
                list_.dayShiftCondition());
}

PaymentTotals::Totals PaymentTotals::totals()
{
    if (!list_.hasRunningTotals())
        return fromPayments();
    // the same conditions on the day's running totals: a few rows per cashier, shift and service
    // instead of every payment of the day
    return read(QStringLiteral("SELECT SUM(CASE WHEN SERVICE.DEBET IS NULL OR SERVICE.IS_K<>'1' THEN T.SUM_PRIH END), "
                               "SUM(CASE WHEN SERVICE.IS_K='0' THEN T.CNT END), COUNT(*)"
                               " FROM PMNT_TOTALS T INNER JOIN SERVICE ON T.KOD_SRV=SERVICE.KOD_SRV"
                               " INNER JOIN OPERATOR ON T.OPER_NOM=OPERATOR.OPER_NOM WHERE") +
                (list_.ws().isCashier() ? QStringLiteral(" T.OPER_NOM LIKE :OPER_NOM") : QStringLiteral(" 1=1")) +
                list_.dayShiftCondition(QStringLiteral("T")));
}

bool PaymentTotals::mergeRunningTotals(Database& db, const QDate& day, int above)
{
    Transaction tr(db, Transaction::Kind::Snapshot);
    try {
        if (above > 0) {
            Query n(tr, QStringLiteral("SELECT COUNT(*) FROM PMNT_TOTALS WHERE DAT = :DAT"));
            n.setParam(QStringLiteral("DAT"), day);
            n.open();
            if (n.integer(0) <= above) {
                n.close();
                tr.commit();
                return true;
            }
        }
        Query add(tr, QStringLiteral(
                          "INSERT INTO PMNT_TOTALS (TR_ID, DAT, OPER_NOM, SMENA_NOM, KOD_SRV, CNT, SUM_PRIH) "
                          "SELECT CURRENT_TRANSACTION, DAT, OPER_NOM, SMENA_NOM, KOD_SRV, SUM(CNT), SUM(SUM_PRIH) "
                          "FROM PMNT_TOTALS WHERE DAT = :DAT GROUP BY DAT, OPER_NOM, SMENA_NOM, KOD_SRV "
                          "HAVING SUM(CNT) <> 0 OR SUM(SUM_PRIH) <> 0"));
        add.setParam(QStringLiteral("DAT"), day);
        add.execute();
        Query del(tr, QStringLiteral("DELETE FROM PMNT_TOTALS WHERE DAT = :DAT AND TR_ID <> CURRENT_TRANSACTION"));
        del.setParam(QStringLiteral("DAT"), day);
        del.execute();
        tr.commit();
        return true;
    } catch (const DbError&) {
        tr.rollback();
        return false;
    }
}

QString PaymentTotals::messageText(const Totals& t, int selectedCount, Money selectedSum)
{
    if (selectedCount > 1)
        return QStringLiteral("Выделено записей: %1 из %2\nНа сумму: %3 руб.")
            .arg(selectedCount)
            .arg(t.count)
            .arg(selectedSum.text());
    return QStringLiteral("Количество платежей: %1\nНа сумму: %2 руб.").arg(t.count).arg(t.sum.text());
}

QString PaymentTotals::message(int selectedCount, Money selectedSum)
{
    return messageText(totals(), selectedCount, selectedSum);
}
