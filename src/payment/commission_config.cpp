#include "payment/commission_config.h"

namespace {
constexpr int kScale = 4;
}

std::optional<Percent> Percent::parse(const QString& text)
{
    if (text.trimmed().isEmpty())
        return Percent();
    auto v = decimal_scaled(text, kScale);
    if (!v)
        return std::nullopt;
    return fromScaled(*v);
}

Percent Percent::parseOr0(const QString& text) { return parse(text).value_or(Percent()); }

QString Percent::text() const
{
    const qint64 a = v_ < 0 ? -v_ : v_;
    QString r = QString::number(a / 10000);
    qint64 frac = a % 10000;
    if (frac != 0) {
        QString f = QStringLiteral("%1").arg(frac, kScale, 10, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        r += QLatin1Char('.') + f;
    }
    return v_ < 0 ? QLatin1Char('-') + r : r;
}

Money CommissionSide::charge(Money base) const
{
    Money c = rate.of(base);
    if (min > c)
        c = min;
    if (max > Money() && max < c)
        c = max;
    return c;
}
