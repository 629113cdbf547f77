#include "core/named_settings.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include <optional>

namespace {
struct Reader {
    Query q;
    explicit Reader(Database& db) : q(db.main(), QStringLiteral("SELECT VL FROM NSTR WHERE NM=:NM;")) {}
    std::optional<QString> get(const char* name)
    {
        q.setParam(QStringLiteral("NM"), QString::fromLatin1(name));
        q.open();
        std::optional<QString> v;
        if (!q.eof())
            v = q.text(0);
        q.close();
        return v;
    }
    void text(const char* name, QString& out)
    {
        if (auto v = get(name))
            out = *v;
    }
    void flag(const char* name, bool& out)
    {
        if (auto v = get(name))
            out = v->trimmed() == QLatin1String("1");
    }
    void amount(const char* name, Money& out)
    {
        if (auto v = get(name))
            out = Money::parseOr0(*v);
    }
};
} // namespace

QString NamedSettings::value(Database& db, const QString& name)
{
    Query q(db.main(), QStringLiteral("SELECT VL FROM NSTR WHERE NM=:NM;"));
    q.setParam(QStringLiteral("NM"), name);
    q.open();
    return q.eof() ? QString() : q.text(0);
}

void NamedSettings::load(Database& db, WorkingState& ws)
{
    Reader r(db);
    r.text("chk_hdr", ws.chk_hdr);
    r.text("cacc", ws.cacc);
    r.text("bikbnk", ws.bikbnk);
    r.text("bnk_nm", ws.bnk_nm);
    r.text("bnk_inn", ws.bnk_inn);
    r.text("bnk_kpp", ws.bnk_kpp);
    r.text("bnk_okat", ws.bnk_okat);
    r.text("def_cit", ws.def_cit);
    r.text("defokato", ws.defokato);
    r.amount("id_sum", ws.id_sum);
    r.text("serkv", ws.serkv);
    r.text("bpa_name", ws.bpa_name);
    r.text("bpa_adr", ws.bpa_adr);
    r.amount("cntval", ws.cntval);
    r.flag("limit", ws.limit);
    r.flag("add", ws.add);
    r.text("change", ws.change);
    r.flag("extexp", ws.extexp);
    r.flag("scheck", ws.scheck);
    r.flag("ident", ws.ident);
    r.flag("delprn", ws.delprn);
    r.flag("sfio", ws.sfio);
    r.flag("fiochk", ws.fiochk);
    r.flag("centpko", ws.centpko);
    r.flag("noper", ws.noper);
    r.flag("pmntedt", ws.pmntedt);
    r.flag("repprn", ws.repprn);
    r.flag("noret", ws.noret);
    r.flag("mansrch", ws.mansrch);
    r.flag("nosotr", ws.nosotr);
    r.flag("empcnt", ws.empcnt);
    r.flag("nofio", ws.nofio);
    r.flag("namedcnt", ws.namedcnt);
    r.flag("noclose", ws.noclose);
    r.flag("cmtondel", ws.cmtondel);
    r.flag("pkochk", ws.pkochk);
    r.flag("extexp2", ws.extexp2);
    ws.change = ws.change.trimmed();
    if (!ws.central_mode.isEmpty())
        ws.mansrch = true;
}
