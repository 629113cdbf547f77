#include "fiscal/emulator_text.h"
#include <cmath>

namespace emulator_text {
QString spread(const QString& left, const QString& right, int width)
{
    const int gap = std::max<int>(1, width - left.size() - right.size());
    return left + QString(gap, QLatin1Char(' ')) + right;
}

QString money(qint64 k)
{
    const bool neg = k < 0;
    const qint64 a = neg ? -k : k;
    return (neg ? QStringLiteral("-") : QString()) + QString::number(a / 100) + QLatin1Char('.')
        + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
}

qint64 kopecks(double roubles) { return std::llround(roubles * 100.0); }

QString cutLine(int width)
{
    const QString mark = QStringLiteral(" отрез ");
    const int side = std::max<int>(2, (width - mark.size()) / 2);
    return QString(side, QLatin1Char('-')) + mark + QString(side, QLatin1Char('-'));
}

QString fiscalSign(const QString& serial, int document)
{
    quint64 h = 1469598103934665603ULL;
    for (QChar c : serial) {
        h ^= c.unicode();
        h *= 1099511628211ULL;
    }
    h ^= static_cast<quint64>(document) * 2654435761ULL;
    h *= 1099511628211ULL;
    return QStringLiteral("%1").arg(h % 10000000000ULL, 10, 10, QLatin1Char('0'));
}
}
