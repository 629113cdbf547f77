#include "util/amount_in_words.h"
#include <QStringList>

namespace {
const char* const kUnits[] = {"", " один", " два", " три", " четыре", " пять", " шесть", " семь", " восемь", " девять"};
const char* const kUnitsFem[] = {"", " одна", " две", " три", " четыре", " пять", " шесть", " семь", " восемь", " девять"};
const char* const kTeens[] = {" десять", " одиннадцать", " двенадцать", " тринадцать", " четырнадцать",
                              " пятнадцать", " шестнадцать", " семнадцать", " восемнадцать", " девятнадцать"};
const char* const kTens[] = {"", "", " двадцать", " тридцать", " сорок", " пятьдесят", " шестьдесят", " семьдесят",
                             " восемьдесят", " девяносто"};
const char* const kHundreds[] = {"", " сто", " двести", " триста", " четыреста", " пятьсот", " шестьсот", " семьсот",
                                 " восемьсот", " девятьсот"};

// Words of one group of three digits (h, t, u), highest position first.
QString group(int h, int t, int u, bool feminine)
{
    QString s = QString::fromUtf8(kHundreds[h]) + QString::fromUtf8(kTens[t]);
    if (t == 1)
        s += QString::fromUtf8(kTeens[u]);
    else
        s += QString::fromUtf8(feminine ? kUnitsFem[u] : kUnits[u]);
    return s;
}
} // namespace

QString amount_in_words(const QString& amount)
{
    const QString a = amount.trimmed();
    const QString kop = a.right(2);
    QString integer = a.left(qMax<qsizetype>(0, a.size() - 3));
    integer.remove(QLatin1Char(' '));
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    integer = integer.right(9);
    int d[9] = {0};
    const int n = static_cast<int>(integer.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = integer[n - 1 - i];
        d[i] = c.isDigit() ? c.digitValue() : 0;
    }
    QString words;
    if (n > 6)
        words += group(d[8], d[7], d[6], false) + QStringLiteral(" млн.");
    if (n > 3 && (d[5] || d[4] || d[3]))
        words += group(d[5], d[4], d[3], true) + QStringLiteral(" тыс.");
    if (n == 1 && d[0] == 0)
        words += QStringLiteral(" ноль");
    else
        words += group(d[2], d[1], d[0], false);
    if (words.size() > 1)
        words[1] = words[1].toUpper();
    return words + QStringLiteral(" руб. ") + kop + QStringLiteral(" коп.");
}
