#include "payment/central_barcode_lookup.h"
#include <QUrl>

QString CentralBarcodeLookup::requestParams(const QString& barcode)
{
    return QStringLiteral("bc=") + QString::fromLatin1(QUrl::toPercentEncoding(barcode));
}
