#pragma once
#include "util/money.h"
#include <QString>
#include <compare>
#include <optional>

// A commission rate in percent, exact to a ten-thousandth of a percent (the precision of KOMIS).
class Percent {
public:
    constexpr Percent() = default;
    static constexpr Percent fromScaled(qint64 tenThousandths) { Percent p; p.v_ = tenThousandths; return p; }
    // "1.5", "1,5", " 2 " ; an empty or bad text gives 0 (a rate column left empty means no commission).
    static Percent parseOr0(const QString& text);
    // Nothing for a text that is not a number; an empty text gives 0.
    static std::optional<Percent> parse(const QString& text);

    constexpr qint64 scaled() const { return v_; }
    constexpr bool isZero() const { return v_ == 0; }
    // Shortest decimal text with a point: "1.5", "2", "0.0125".
    QString text() const;
    // This rate of an amount, rounded half up to kopecks on the exact decimal value.
    Money of(Money amount) const { return amount.percent(text()); }

    constexpr auto operator<=>(const Percent&) const = default;

private:
    qint64 v_ = 0;
};

// One side of a commission: a rate with a minimum and a maximum (a maximum of 0 means none).
struct CommissionSide {
    Percent rate;
    Money min;
    Money max;

    bool any() const { return !rate.isZero() || !min.isZero() || !max.isZero(); }
    // The rate of the base, raised to the minimum, then cut to the maximum when there is one.
    Money charge(Money base) const;
    bool operator==(const CommissionSide&) const = default;
};

// The commission figures of one service as the payment uses them: the payer side is charged on top of
// the amount, the provider side is booked on the commission service (SERVICE.KOD_K).
struct CommissionConfig {
    CommissionSide payer;
    CommissionSide provider;
    bool operator==(const CommissionConfig&) const = default;
};

// A department's own figures for a service (KOMIS_PODR); zeros when it has none.
struct DepartmentCommission {
    Percent rate;
    Money min;
    Money max;
    bool found = false;
};
