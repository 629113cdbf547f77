#include "util/text.h"
#include <QRegularExpression>
#include <QStringList>

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(("'" + text + "' не является числом").toStdString()), text_(text) {}

QString xml_escape(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    r.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    r.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    r.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    r.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    r.replace(QLatin1Char('\r'), QStringLiteral("&#13;"));
    r.replace(QLatin1Char('\n'), QStringLiteral("&#10;"));
    return r;
}

qint64 strtointx(const QString& s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    return ok ? v : 0;
}

namespace {
bool parseC(const QString& t, double& out)
{
    // Plain decimal notation only: optional sign, digits, one ".", optional exponent.
    bool ok = false;
    out = t.toDouble(&ok); // QString::toDouble is locale-independent ("C")
    return ok;
}
} // namespace

double strtofloatx(const QString& s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return 0.0;
    double v = 0;
    QString a = t;
    a.replace(QLatin1Char(','), QLatin1Char('.'));
    if (parseC(a, v))
        return v;
    // The second try of the original ("." -> ",") only succeeds where the comma is the separator,
    // which the first try already covered; both forms end here as a conversion error.
    throw ConversionError(s);
}

QString numconv(const QString& s)
{
    int commas = 0;
    for (QChar c : s) {
        if (c == QLatin1Char(','))
            ++commas;
        else if (!c.isDigit() && c != QLatin1Char('-'))
            return s;
    }
    if (commas > 1)
        return s;
    QString r = s;
    r.replace(QLatin1Char(','), QLatin1Char('.'));
    return r;
}

namespace {
bool isLowerCyr(QChar c) { return c.unicode() >= 0x0430 && c.unicode() <= 0x044F; }
bool isUpperCyr(QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x042F; }

QString titleCase(const QString& s, const QString& starters)
{
    QString r = s;
    bool wordStart = true;
    for (int i = 0; i < r.size(); ++i) {
        const QChar c = r[i];
        if (wordStart && isLowerCyr(c))
            r[i] = QChar(c.unicode() - 0x20);
        else if (!wordStart && isUpperCyr(c))
            r[i] = QChar(c.unicode() + 0x20);
        wordStart = starters.contains(c);
    }
    return r;
}
} // namespace

QString capitalize(const QString& s) { return titleCase(s, QStringLiteral(" .")); }

QString normalize_name(const QString& s)
{
    QString r;
    r.reserve(s.size());
    for (QChar c : s)
        if (c != QLatin1Char('\\') && c != QLatin1Char('/') && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            r.append(c);
    while (r.contains(QStringLiteral("  ")))
        r.replace(QStringLiteral("  "), QStringLiteral(" "));
    return titleCase(r, QStringLiteral(" -.")).trimmed();
}

QString short_fio(const QString& s)
{
    const QStringList words = s.split(QRegularExpression(QStringLiteral("[ .]")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return s.trimmed();
    QString r = words.first();
    if (words.size() > 1) {
        r += QLatin1Char(' ');
        for (int i = 1; i < words.size(); ++i)
            r += words[i].left(1) + QLatin1Char('.');
    }
    return r.trimmed();
}

QString align(const QString& s, int width, int mode)
{
    QString r;
    if (mode == 1) {
        const int n = width - static_cast<int>(s.size());
        const int pad = (n >= 0 ? n / 2 : (n - 1) / 2) + 1;
        const QString blanks(qMax(0, pad), QLatin1Char(' '));
        r = blanks + s + blanks;
    } else if (mode == 2) {
        r = s.rightJustified(width, QLatin1Char(' '));
    } else {
        r = s.leftJustified(width, QLatin1Char(' '));
    }
    return r.left(width);
}
