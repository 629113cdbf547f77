#include "core/payment_filter.h"
#include "util/money.h"

const char* const PaymentFilter::kServicePickerSql =
    "SELECT KOD_SRV,PRIM FROM SERVICE WHERE IS_K<>'1' and kod_srv<>'000' ORDER BY PRIM";
const char* const PaymentFilter::kPayeePickerSql =
    "SELECT KOD_ORG,SPAYEE,INN FROM ORGN WHERE PAYEE STARTING WITH :FLT ORDER BY PAYEE";
const char* const PaymentFilter::kClientPickerSql =
    "SELECT CLNT_ID,FIO,DOC_NOM FROM IDNTF WHERE FIO STARTING WITH :FLT ORDER BY FIO";

void PaymentFilter::clear(const QDate& today)
{
    *this = PaymentFilter();
    date_from = date_to = pp_from = pp_to = today;
}

bool PaymentFilter::build(ListFilter* out, QString* error) const
{
    ListFilter f;
    auto add = [&f](const QString& cond, const QString& name, const QVariant& v) {
        f.sql += cond;
        f.params.insert(name, v);
    };
    if (!fio.trimmed().isEmpty())
        add(QStringLiteral(" AND PAYMENTS.FIO = :F_FIO"), QStringLiteral("F_FIO"), fio.trimmed());
    if (!kod_srv.trimmed().isEmpty())
        add(QStringLiteral(" AND PAYMENTS.KOD_SRV = :F_KOD_SRV"), QStringLiteral("F_KOD_SRV"), kod_srv.trimmed());
    if (!kod_org.trimmed().isEmpty())
        add(QStringLiteral(" AND PP.KOD_ORG = :F_KOD_ORG"), QStringLiteral("F_KOD_ORG"), kod_org.trimmed());
    if (!ndoc.trimmed().isEmpty())
        add(QStringLiteral(" AND PAYMENTS.NDOC = :F_NDOC"), QStringLiteral("F_NDOC"), ndoc.trimmed());
    if (by_sum) {
        // an empty lower bound counts as 0; an empty upper bound sets no upper limit
        const QString from = sum_from.trimmed().isEmpty() ? QStringLiteral("0") : sum_from.trimmed();
        const auto lo = Money::parse(from);
        const auto hi = sum_to.trimmed().isEmpty() ? std::optional<Money>(Money()) : Money::parse(sum_to);
        if (!lo || !hi) {
            if (error)
                *error = QStringLiteral("Сумма указана неверно.");
            return false;
        }
        add(QStringLiteral(" AND PAYMENTS.SUM_PRIH >= :F_SUM_FROM"), QStringLiteral("F_SUM_FROM"), lo->text());
        if (!sum_to.trimmed().isEmpty())
            add(QStringLiteral(" AND PAYMENTS.SUM_PRIH <= :F_SUM_TO"), QStringLiteral("F_SUM_TO"), hi->text());
    }
    if (by_date) {
        f.sql += QStringLiteral(" AND PAYMENTS.DAT BETWEEN  :F_DAT_FROM and :F_DAT_TO");
        f.params.insert(QStringLiteral("F_DAT_FROM"), date_from);
        f.params.insert(QStringLiteral("F_DAT_TO"), date_to);
    }
    if (by_pp_date) {
        f.sql += QStringLiteral(" AND EXPRT.DAT BETWEEN  :F_PP_FROM and :F_PP_TO");
        f.params.insert(QStringLiteral("F_PP_FROM"), pp_from);
        f.params.insert(QStringLiteral("F_PP_TO"), pp_to);
    }
    *out = f;
    return true;
}
