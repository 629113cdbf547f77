#include "core/payment_totals.h"
#include "core/payment_list.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"

PaymentTotals::Totals PaymentTotals::totals()
{
    const QString from = QStringLiteral(
        " FROM PAYMENTS INNER JOIN SERVICE ON PAYMENTS.KOD_SRV=SERVICE.KOD_SRV"
        " INNER JOIN OPERATOR ON PAYMENTS.OPER_NOM=OPERATOR.OPER_NOM WHERE") +
                          (list_.ws().isCashier() ? QStringLiteral(" PAYMENTS.OPER_NOM LIKE :OPER_NOM")
                                                  : QStringLiteral(" PAYMENTS.OPER_NOM IS NOT NULL"));
    const QString cond = list_.dayShiftCondition();
    QVariantMap params;
    params.insert(QStringLiteral("OPER_NOM"), list_.operNomParam());
    params.insert(QStringLiteral("DAT"), list_.day);
    params.insert(QStringLiteral("SMENA_NOM"), list_.smena_nom.isEmpty() ? QStringLiteral("%") : list_.smena_nom);

    // the sum and the count in one pass over the day: the same rows as the two separate statements
    // "SELECT SUM(SUM_PRIH) ... AND (SERVICE.DEBET IS NULL OR SERVICE.IS_K<>'1')" and
    // "SELECT COUNT(SUM_PRIH) ... AND SERVICE.IS_K='0'"
    Totals t;
    Query q(db_.main(), QStringLiteral("SELECT SUM(CASE WHEN SERVICE.DEBET IS NULL OR SERVICE.IS_K<>'1' THEN SUM_PRIH END), "
                                       "COUNT(CASE WHEN SERVICE.IS_K='0' THEN SUM_PRIH END)") +
                            from + cond);
    DbUtils::bindMap(q, params);
    q.open();
    if (!q.eof()) {
        t.sum = q.amount(0);
        t.count = q.integer(1);
    }
    q.close();
    return t;
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
