#pragma once
#include "payment/commission_config.h"
#include "util/money.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// What the payment parameters window holds when its sums are recomputed.
struct SumInput {
    QString amount; // field `sum`
    QString fee;    // field `abon`

    // Extra fields 1..10: text, shown or not, and for 1..5 whether the field is an amount ('#' label).
    bool multiAccount = false;
    std::array<QString, 10> extra;
    std::array<bool, 10> extraVisible{};
    std::array<bool, 5> extraIsAmount{};

    bool employee = false; // "Является сотрудником банка" ticked

    // Counter 1: tariff (decimal text; empty or 0 = none), readings as integers scaled by
    // 10^decimals, the initial debt of the account row.
    QString tariff;
    qint64 currentReading1 = 0;
    qint64 previousReading1 = 0;
    int decimals1 = 0;
    Money initialDebt;
    // The estimate replaces the amount (after leaving the first current reading or the tariff).
    bool estimate = false;

    Money idSum;                      // NSTR "id_sum" (0 when absent)
    bool identificationAsked = false; // the identification message was shown in this opening
};

// The figures and field texts after a recomputation. Texts have two decimals and a decimal point.
struct SumOutput {
    Money amount;
    Money fee;
    Money payerCommission;
    Money providerCommission;
    Money total; // payer commission + amount + fee ("Итого")

    QString amountText;
    QString feeText;
    QString commissionText;
    QString totalText;
    // Extra fields rewritten with two decimals (those counted into the amount); others untouched.
    std::array<std::optional<QString>, 10> extraText;

    // Counter 1 has a tariff: show tariff, debt and estimate fields.
    bool meterShown = false;
    QString tariffText;
    QString debtText;
    Money estimateValue;
    QString estimateText;

    bool identificationAsked = false; // the flag to keep for this opening
    QStringList messages;             // to show the cashier, in order
};

// The commission figures as the payment and commission rows store them.
struct StoredCommission {
    Money commissionSum; // SUM_PRIH of the commission row
    QString comType;     // PAYMENTS.COM_TYPE of the payment and its commission row
    QString frCom;       // FR.COM
};

// The sum recomputation of the payment parameters window, on exact kopecks.
class CommissionCalculator {
public:
    static SumOutput recompute(const SumInput& in, const CommissionConfig& config);

    // The commission row of a single payment: the provider commission when it is non-zero, else the
    // payer commission; COM_TYPE "0" when the provider commission is non-zero, else "1".
    static StoredCommission stored(Money payerCommission, Money providerCommission);

    // The commission rows of a multi-account payment: the provider commission (when non-zero, else the
    // payer commission) shared out in proportion to the entries' amounts, in kopecks, so that the rows
    // add up to exactly that commission. Entries with an amount of 0 or less get 0.
    static std::vector<Money> prorate(Money payerCommission, Money providerCommission, const std::vector<Money>& amounts);

    // The receipt's commission line caption for the default city code (NSTR "def_cit").
    static QString commissionCaption(const QString& defCit);

    // (current - previous) readings, scaled by 10^decimals, times the tariff plus the debt, rounded half up.
    static Money meterEstimate(qint64 current, qint64 previous, int decimals, const QString& tariff, Money debt);
};

// Half-up rounding of a double amount to kopecks, taken on the decimal value the double stands for.
Money okr(double roubles);
// value * part / whole rounded half up to kopecks, exactly (0 when whole is 0).
Money okr_share(Money value, Money part, Money whole);
