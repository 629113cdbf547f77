#include "core/fr_ini.h"
#include "core/working_state.h"
#include "util/codepage.h"
#include "util/log.h"
#include <QFile>

namespace {

enum class Kind { Text, Number, Flag, WholeLine };

struct Key {
    const char* text;
    Kind kind;
};

// Every key the file knows; "com1=" .. "com6=" name the device behind each serial port.
constexpr Key kKeys[] = {
    {"driver=", Kind::Text},        {"check_width", Kind::Number}, {"prndelay", Kind::Number},
    {"cut_shft", Kind::Number},     {"altfeed", Kind::Flag},       {"pinpad=sbrf", Kind::WholeLine},
    {"prnname=", Kind::Text},       {"port=", Kind::Text},         {"speed=", Kind::Text},
    {"pswd=", Kind::Text},          {"pswd2=", Kind::Text},        {"serv=", Kind::Text},
    {"podr=", Kind::Text},          {"timeout=", Kind::Number},    {"dbuser=", Kind::Text},
    {"dbpass=", Kind::Text},        {"line_int=", Kind::Number},   {"runoneprc=", Kind::Flag},
    {"font_size=", Kind::Number},   {"lptport=", Kind::Text},      {"prim_hcopy=", Kind::Number},
    {"prim_loffs=", Kind::Number},  {"atol_tax_type=", Kind::Number},
    {"com1=", Kind::Text},          {"com2=", Kind::Text},         {"com3=", Kind::Text},
    {"com4=", Kind::Text},          {"com5=", Kind::Text},         {"com6=", Kind::Text},
};

// Position of the key in the line, -1 when it occurs only inside a longer key (or not at all).
int findKey(const QString& line, const QString& key)
{
    for (int from = 0;;) {
        const int p = line.indexOf(key, from);
        if (p < 0)
            return -1;
        bool shadowed = false;
        for (const Key& other : kKeys) {
            const QString o = QString::fromLatin1(other.text);
            if (o == key || o.size() <= key.size())
                continue;
            const int inner = o.indexOf(key);
            if (inner >= 0 && p - inner >= 0 && line.mid(p - inner, o.size()) == o) {
                shadowed = true;
                break;
            }
        }
        if (!shadowed)
            return p;
        from = p + 1;
    }
}

void setText(WorkingState& ws, const QString& key, const QString& v)
{
    if (key == QLatin1String("driver="))
        return; // handled after every line
    if (key == QLatin1String("prnname=")) ws.prnname = v;
    else if (key == QLatin1String("port=")) ws.fr_port = v;
    else if (key == QLatin1String("speed=")) ws.fr_speed = v;
    else if (key == QLatin1String("pswd=")) ws.fr_password = v;
    else if (key == QLatin1String("pswd2=")) ws.fr_password2 = v;
    else if (key == QLatin1String("serv=")) { ws.central_mode = v; ws.online = true; }
    else if (key == QLatin1String("podr=")) ws.fixed_podr = v;
    else if (key == QLatin1String("dbuser=")) ws.dbuser = v;
    else if (key == QLatin1String("dbpass=")) ws.dbpass = v;
    else if (key == QLatin1String("lptport=")) ws.lptport = v;
    else if (key.startsWith(QLatin1String("com"))) ws.com_ports[key.mid(3, 1).toInt()] = v;
}

void setNumber(WorkingState& ws, const QString& key, int v)
{
    if (key == QLatin1String("check_width")) ws.check_width = v;
    else if (key == QLatin1String("prndelay")) ws.prndelay = v;
    else if (key == QLatin1String("cut_shft")) ws.cut_shft = v;
    else if (key == QLatin1String("altfeed")) ws.altfeed = v == 1;
    else if (key == QLatin1String("timeout=")) ws.exchange_timeout = v;
    else if (key == QLatin1String("line_int=")) ws.line_int = v;
    else if (key == QLatin1String("runoneprc=")) ws.runoneprc = v == 1;
    else if (key == QLatin1String("font_size=")) ws.font_size = v;
    else if (key == QLatin1String("prim_hcopy=")) ws.prim_hcopy = v;
    else if (key == QLatin1String("prim_loffs=")) ws.prim_loffs = v;
    else if (key == QLatin1String("atol_tax_type=")) ws.atol_tax_type = v;
}

} // namespace

int FrIni::driverCode(const QString& name)
{
    static const char* const names[] = {"atol", "shtrih", "primnf", "winprn", "shtrihf", "atolf"};
    for (int i = 0; i < 6; ++i)
        if (name == QLatin1String(names[i]))
            return i + 1;
    return -1;
}

bool FrIni::numberOf(const QString& line, int* value)
{
    QString digits;
    for (int i = 6; i < line.size(); ++i)
        if (line[i].isDigit() || line[i] == QLatin1Char('%'))
            digits += line[i];
    bool ok = false;
    const int v = digits.toInt(&ok);
    if (ok && value)
        *value = v;
    return ok;
}

QStringList FrIni::apply(const QStringList& lines, WorkingState& ws)
{
    QStringList bad;
    QString driver;
    for (QString line : lines) {
        while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        for (const Key& k : kKeys) {
            const QString key = QString::fromLatin1(k.text);
            const int p = findKey(line, key);
            if (p < 0)
                continue;
            switch (k.kind) {
            case Kind::Text: {
                const QString v = line.mid(p + key.size()).trimmed();
                if (key == QLatin1String("driver="))
                    driver = v;
                else
                    setText(ws, key, v);
                break;
            }
            case Kind::Number:
            case Kind::Flag: {
                int v = 0;
                if (numberOf(line, &v))
                    setNumber(ws, key, v);
                else
                    bad << line;
                break;
            }
            case Kind::WholeLine:
                ws.pinpad = true;
                break;
            }
        }
        const int code = driverCode(driver);
        if (code >= 0)
            ws.fr_driver = code;
    }
    return bad;
}

bool FrIni::read(const QString& path, WorkingState& ws, Log* log)
{
    QFile f(path);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const QString text = cp1251::decode(f.readAll());
    const QStringList bad = apply(text.split(QLatin1Char('\n')), ws);
    if (log)
        for (const QString& line : bad)
            log->writelog(QStringLiteral("fr.ini: в строке нет числа, оставлено значение по умолчанию: ") + line);
    return true;
}
