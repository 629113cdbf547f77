#include "payment/barcode_item.h"
#include "util/text.h"
#include <limits>

namespace {
int toInt(const QString& s)
{
    const qint64 v = strtointx(s);
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return 0;
    return static_cast<int>(v);
}
} // namespace

BarcodePosition BarcodePosition::parse(const QString& pos)
{
    BarcodePosition s;
    const int dash = pos.indexOf(QLatin1Char('-'));
    s.start = toInt(dash < 0 ? pos : pos.left(dash));
    if (dash >= 0) {
        s.hasLength = true;
        s.length = toInt(pos.mid(dash + 1));
    }
    return s;
}

QString barcode_item(const BarcodePosition& pos, const QString& barcode)
{
    if (pos.start < 1 || pos.start >= barcode.size() || !pos.hasLength || pos.length <= 0)
        return QString();
    return barcode.mid(pos.start - 1, pos.length);
}

QString barcode_item(const QString& pos, const QString& barcode) { return barcode_item(BarcodePosition::parse(pos), barcode); }

QStringList barcode_position_list(const QString& positions)
{
    QStringList out;
    for (const QString& part : positions.split(QLatin1Char(','))) {
        const QString p = part.trimmed();
        if (!p.isEmpty())
            out << p;
    }
    return out;
}

QString barcode_first_position(const QString& positions)
{
    const int comma = positions.indexOf(QLatin1Char(','));
    return comma < 0 ? positions : positions.left(comma);
}
