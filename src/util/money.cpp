#include "util/money.h"
#include <charconv>
#include <cmath>

QString shortest_decimal(double d)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QString::number(d, 'f', 10);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

std::optional<qint64> decimal_scaled(const QString& text, int scale)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    if (t.isEmpty())
        return std::nullopt;
    bool neg = false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        neg = t[0] == QLatin1Char('-');
        i = 1;
    }
    __int128 value = 0;
    int decimals = -1; // -1 = before the separator
    bool digits = false;
    int roundDigit = -1;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        digits = true;
        const int dgt = c.unicode() - '0';
        if (decimals < 0) {
            value = value * 10 + dgt;
        } else if (decimals < scale) {
            value = value * 10 + dgt;
            ++decimals;
        } else {
            if (roundDigit < 0)
                roundDigit = dgt;
            ++decimals;
        }
        if (value > (__int128(1) << 100))
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    int have = decimals < 0 ? 0 : std::min(decimals, scale);
    for (; have < scale; ++have)
        value *= 10;
    if (roundDigit >= 5)
        value += 1;
    if (value > std::numeric_limits<qint64>::max())
        return std::nullopt;
    return static_cast<qint64>(neg ? -value : value);
}

Money Money::fromDouble(double d)
{
    if (!std::isfinite(d))
        return Money();
    auto v = decimal_scaled(shortest_decimal(d), 2);
    return v ? fromKopecks(*v) : Money();
}

std::optional<Money> Money::parse(const QString& text)
{
    auto v = decimal_scaled(text, 2);
    if (!v)
        return std::nullopt;
    return fromKopecks(*v);
}

Money Money::parseOr0(const QString& text) { return parse(text).value_or(Money()); }

QString Money::text(QChar separator) const
{
    const qint64 a = k_ < 0 ? -k_ : k_;
    QString r = QString::number(a / 100) + separator + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return k_ < 0 ? QLatin1Char('-') + r : r;
}

qint64 power_of_ten(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

qint64 div_round_half_away(__int128 num, __int128 den)
{
    const bool neg = num < 0;
    if (neg)
        num = -num;
    __int128 q = num / den;
    if ((num % den) * 2 >= den)
        ++q;
    return static_cast<qint64>(neg ? -q : q);
}

QString scaled_text(qint64 v, int decimals, QChar separator)
{
    const bool neg = v < 0;
    const quint64 a = neg ? static_cast<quint64>(-(v + 1)) + 1 : static_cast<quint64>(v);
    const auto unit = static_cast<quint64>(power_of_ten(decimals));
    QString r = QString::number(a / unit);
    if (const quint64 fp = a % unit) {
        QString f = QStringLiteral("%1").arg(fp, decimals, 10, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        r += separator + f;
    }
    return neg ? QLatin1Char('-') + r : r;
}

namespace {
constexpr int kRateScale = 8;
// kop * rate / 100, half away from zero
Money applyRate(qint64 kop, qint64 scaledRate)
{
    return Money::fromKopecks(div_round_half_away(static_cast<__int128>(kop) * scaledRate,
                                                  static_cast<__int128>(100) * power_of_ten(kRateScale)));
}
} // namespace

Money Money::percent(const QString& rate) const
{
    auto r = decimal_scaled(rate, kRateScale);
    return r ? applyRate(k_, *r) : Money();
}

Money Money::percent(double rate) const { return percent(shortest_decimal(rate)); }

double round2(double d)
{
    return static_cast<double>(Money::fromDouble(d).kopecks()) / 100.0;
}
