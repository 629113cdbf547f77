#include "payment/commission_calculator.h"
#include <algorithm>
#include <numeric>

namespace {
constexpr int kTariffScale = 6;

qint64 tariffScaled(const QString& tariff)
{
    return decimal_scaled(tariff, kTariffScale).value_or(0);
}
} // namespace

Money okr(double roubles) { return Money::fromDouble(roubles); }

Money okr_share(Money value, Money part, Money whole)
{
    if (whole.isZero())
        return Money();
    __int128 num = static_cast<__int128>(value.kopecks()) * part.kopecks();
    __int128 den = whole.kopecks();
    if (den < 0)
        num = -num, den = -den;
    return Money::fromKopecks(div_round_half_away(num, den));
}

Money CommissionCalculator::meterEstimate(qint64 current, qint64 previous, int decimals, const QString& tariff, Money debt)
{
    const __int128 num = static_cast<__int128>(current - previous) * tariffScaled(tariff) * 100;
    const __int128 den = static_cast<__int128>(power_of_ten(std::max(decimals, 0))) * power_of_ten(kTariffScale);
    return Money::fromKopecks(div_round_half_away(num, den)) + debt;
}

SumOutput CommissionCalculator::recompute(const SumInput& in, const CommissionConfig& config)
{
    SumOutput out;

    // 1. The amount from the extra fields.
    Money amount = Money::parseOr0(in.amount);
    const bool anyAmountField = std::any_of(in.extraIsAmount.begin(), in.extraIsAmount.end(), [](bool b) { return b; });
    if (in.multiAccount || anyAmountField) {
        amount = Money();
        const int count = in.multiAccount ? 10 : 5;
        for (int i = 0; i < count; ++i) {
            if (!in.extraVisible[static_cast<size_t>(i)])
                continue;
            if (!in.multiAccount && !in.extraIsAmount[static_cast<size_t>(i)])
                continue;
            const Money v = Money::parseOr0(in.extra[static_cast<size_t>(i)]);
            amount += v;
            out.extraText[static_cast<size_t>(i)] = v.text();
        }
    }

    // 2.-3. Amount and fee, the base of the commission.
    out.fee = Money::parseOr0(in.fee);
    out.feeText = out.fee.text();

    // 7 (first part). The meter estimate. When it replaces the amount, the commission below is taken
    // on the new amount, so that the figures shown are the figures stored.
    const qint64 tariff = tariffScaled(in.tariff);
    if (tariff > 0) {
        out.meterShown = true;
        out.tariffText = scaled_text(tariff, kTariffScale, QLatin1Char('.'));
        out.debtText = in.initialDebt.text();
        out.estimateValue = meterEstimate(in.currentReading1, in.previousReading1, in.decimals1, in.tariff, in.initialDebt);
        out.estimateText = out.estimateValue.text();
        if (in.estimate)
            amount = out.estimateValue;
    }
    out.amount = amount;
    out.amountText = amount.text();
    const Money base = amount + out.fee;

    // 4.-6. Payer and provider commission; a bank employee pays none.
    out.payerCommission = config.payer.charge(base);
    out.providerCommission = config.provider.charge(base);
    if (in.employee)
        out.payerCommission = Money();

    // 8. Commission and total.
    out.total = out.payerCommission + amount + out.fee;
    out.commissionText = out.payerCommission.text();
    out.totalText = out.total.text();

    // 9. Identification above the "id_sum" threshold, once per opening.
    out.identificationAsked = in.identificationAsked;
    if (out.total > in.idSum && !in.identificationAsked) {
        out.messages << QStringLiteral("Необходима идентификация клиента.");
        out.identificationAsked = true;
    }
    return out;
}

StoredCommission CommissionCalculator::stored(Money payerCommission, Money providerCommission)
{
    StoredCommission s;
    const bool provider = !providerCommission.isZero();
    s.commissionSum = provider ? providerCommission : payerCommission;
    s.comType = provider ? QStringLiteral("0") : QStringLiteral("1");
    s.frCom = payerCommission.text();
    return s;
}

std::vector<Money> CommissionCalculator::prorate(Money payerCommission, Money providerCommission,
                                                 const std::vector<Money>& amounts)
{
    const Money commission = providerCommission.isZero() ? payerCommission : providerCommission;
    std::vector<Money> shares(amounts.size());
    qint64 whole = 0;
    for (Money a : amounts)
        if (a > Money())
            whole += a.kopecks();
    if (whole == 0 || commission.isZero())
        return shares;

    // Largest remainder: every entry gets its share rounded down, the kopecks left over go to the
    // entries with the largest remainders (the earlier entry first on a tie).
    const bool neg = commission < Money();
    const qint64 c = neg ? -commission.kopecks() : commission.kopecks();
    std::vector<qint64> rem(amounts.size(), -1);
    qint64 given = 0;
    for (size_t i = 0; i < amounts.size(); ++i) {
        if (!(amounts[i] > Money()))
            continue;
        const __int128 num = static_cast<__int128>(c) * amounts[i].kopecks();
        shares[i] = Money::fromKopecks(static_cast<qint64>(num / whole));
        rem[i] = static_cast<qint64>(num % whole);
        given += shares[i].kopecks();
    }
    std::vector<size_t> order(amounts.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return rem[a] > rem[b]; });
    for (size_t k = 0; k < order.size() && given < c; ++k) {
        if (rem[order[k]] < 0)
            break;
        shares[order[k]] += Money::fromKopecks(1);
        ++given;
    }
    if (neg)
        for (Money& s : shares)
            s = -s;
    return shares;
}

QString CommissionCalculator::commissionCaption(const QString& defCit)
{
    return defCit.startsWith(QLatin1String("50")) ? QStringLiteral("Комиссия: ") : QStringLiteral("Вознаграждение: ");
}
