#pragma once
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// An amount in exact kopecks. Every amount computation of the program goes through this type, so
// half a kopeck rounds up on the decimal value and never on a binary approximation.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromKopecks(qint64 k) { Money m; m.k_ = k; return m; }
    static Money fromRoubles(qint64 r) { return fromKopecks(r * 100); }
    // The decimal value the double stands for (its shortest exact text), rounded half up to kopecks.
    static Money fromDouble(double d);
    // "12,50", "12.5", "-3", "1234" (blanks allowed around); more than two decimals round half up.
    // Returns nothing for a text that is not a number.
    static std::optional<Money> parse(const QString& text);
    // Like parse, but an empty or bad text gives zero.
    static Money parseOr0(const QString& text);

    constexpr qint64 kopecks() const { return k_; }
    double toDouble() const { return static_cast<double>(k_) / 100.0; }
    // Always two decimals: "12.50" (or with the given separator).
    QString text(QChar separator = QLatin1Char('.')) const;
    QString toString() const { return text(QLatin1Char(',')); }
    bool isZero() const { return k_ == 0; }

    // rate percent of this amount, rounded half up to kopecks; rate is a decimal text or number.
    Money percent(const QString& rate) const;
    Money percent(double rate) const;

    constexpr Money operator+(Money o) const { return fromKopecks(k_ + o.k_); }
    constexpr Money operator-(Money o) const { return fromKopecks(k_ - o.k_); }
    constexpr Money operator-() const { return fromKopecks(-k_); }
    Money& operator+=(Money o) { k_ += o.k_; return *this; }
    Money& operator-=(Money o) { k_ -= o.k_; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    qint64 k_ = 0;
};

// Decimal helper: a decimal text scaled to an integer with `scale` places, rounded half up
// (away from zero for negatives). Returns nothing for a text that is not a number.
std::optional<qint64> decimal_scaled(const QString& text, int scale);
// The shortest text that reads back as the same double ("1.005" for 1.005).
QString shortest_decimal(double d);
// 10 to the power n (0 <= n <= 18).
qint64 power_of_ten(int n);
// num / den rounded half away from zero (den > 0).
qint64 div_round_half_away(__int128 num, __int128 den);
// A scaled integer as decimal text with `decimals` places, trailing zeros of the fraction dropped
// (and the separator with them): 1250 with 2 decimals and "," gives "12,5", 1200 gives "12".
QString scaled_text(qint64 v, int decimals, QChar separator);

// Rounds half up to two decimals on the decimal value of d (1.005 gives 1.01).
double round2(double d);
