#include "payment/barcode_parser.h"
#include "db/query.h"
#include "payment/barcode_item.h"
#include "util/text.h"

QString BarcodeParser::amountText(Money m)
{
    QString t = m.text();
    if (t.endsWith(QLatin1String(".00")))
        t.chop(3);
    else if (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    return t;
}

std::optional<std::pair<QString, BarcodePositions>> BarcodeParser::findService(const QString& barcode)
{
    Query q(tr_, QStringLiteral("select kod_srv, service_id, id_barpos, ls_barpos, sum_barpos, per_barpos from service "
                                "where is_k='0' and blk is null and service_id<>''"));
    std::optional<std::pair<QString, BarcodePositions>> found;
    for (q.open(); !q.eof(); q.next()) {
        const QString idPos = q.text(2);
        if (idPos.isEmpty())
            continue;
        const QString item = barcode_item(idPos, barcode);
        if (!item.isEmpty() && item == q.text(1)) {
            found = std::make_pair(q.text(0), BarcodePositions{q.text(3), q.text(4), q.text(5)});
            break;
        }
    }
    q.close();
    return found;
}

BarcodeParseResult BarcodeParser::parse(const QString& barcode, const QString& kodSrv, const BarcodePositions& positions)
{
    BarcodeParseResult r;
    r.kodSrv = kodSrv;
    r.positions = positions;
    if (kodSrv.isEmpty()) {
        if (auto s = findService(barcode)) {
            r.serviceFound = true;
            r.kodSrv = s->first;
            r.positions = s->second;
        }
    }

    const QString account = barcode_item(barcode_first_position(r.positions.lsBarpos), barcode);
    if (!account.isEmpty())
        r.account = account;

    const QString sum = barcode_item(r.positions.sumBarpos, barcode);
    if (!sum.isEmpty()) {
        r.amount = Money::fromKopecks(strtointx(sum));
        r.amountText = amountText(*r.amount);
    }

    const QString period = barcode_item(r.positions.perBarpos, barcode);
    if (!period.isEmpty())
        r.period = period;
    return r;
}
