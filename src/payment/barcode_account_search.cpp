#include "payment/barcode_account_search.h"
#include "db/query.h"
#include "payment/barcode_item.h"
#include "payment/central_barcode_lookup.h"
#include "util/log.h"
#include <algorithm>

namespace {
bool allDigits(const QString& s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Digits without their leading zeros ("00012345" -> "12345", "000" -> "0").
QString withoutLeadingZeros(const QString& digits)
{
    int i = 0;
    while (i < digits.size() - 1 && digits[i] == QLatin1Char('0'))
        ++i;
    return digits.mid(i);
}
} // namespace

BarcodeAccountSearch::BarcodeAccountSearch(Transaction& tr, CentralBarcodeLookup* central, Log* log)
    : tr_(tr), central_(central), log_(log)
{
}

std::vector<BarcodeCandidate> BarcodeAccountSearch::candidates(const QString& barcode)
{
    std::vector<BarcodeCandidate> list;
    Query q(tr_, QStringLiteral("select ls_barpos,kod_srv from service where ls_barpos is not null and ls_barpos<>''"));
    for (q.open(); !q.eof(); q.next()) {
        const QString kodSrv = q.text(1);
        for (const QString& pos : barcode_position_list(q.text(0))) {
            const BarcodePosition s = BarcodePosition::parse(pos);
            const QString item = barcode_item(s, barcode);
            // An empty item would match every account row of the service with an empty number.
            if (item.isEmpty())
                continue;
            list.push_back({item, kodSrv});
            if (s.length < 10 && allDigits(item)) {
                const QString trimmed = withoutLeadingZeros(item);
                if (trimmed != item)
                    list.push_back({trimmed, kodSrv});
            }
        }
    }
    q.close();
    return list;
}

BarcodeSearchResult BarcodeAccountSearch::search(const QString& barcode)
{
    BarcodeSearchResult r;
    if (barcode.isEmpty())
        return r;
    if (central_)
        central_->sbybc(barcode);

    {
        Query q(tr_, QStringLiteral("select clnt_id,adr_id,ls_id from ls\nwhere\nls.bar_cod =:ls"));
        q.setParam(QStringLiteral("ls"), barcode);
        q.open();
        if (!q.eof()) {
            r.exactMatch = true;
            r.clntId = q.text(0);
            if (r.clntId.isEmpty())
                r.adrId = q.text(1);
            r.lsId = q.text(2);
        }
        q.close();
    }
    if (!r.clntId.isEmpty() || !r.adrId.isEmpty())
        return r;

    const std::vector<BarcodeCandidate> list = candidates(barcode);
    Query q(tr_, QStringLiteral("select ls_id from ls where nom_ab=:ls and kod_srv=:kod_srv"));
    for (const BarcodeCandidate& c : list) {
        q.setParam(QStringLiteral("ls"), c.account);
        q.setParam(QStringLiteral("kod_srv"), c.kodSrv);
        q.open();
        const bool hit = !q.eof();
        const QString lsId = hit ? q.text(0) : QString();
        q.close();
        if (hit) {
            r.accountMatch = true;
            r.account = c.account;
            r.kodSrv = c.kodSrv;
            r.lsId = lsId;
            if (log_)
                log_->writelog(QStringLiteral("Найден л/с по штрихкоду: ") + c.account);
            break;
        }
    }
    return r;
}
