#include "util/base64.h"

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
int value(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z') return u - 'A';
    if (u >= 'a' && u <= 'z') return u - 'a' + 26;
    if (u >= '0' && u <= '9') return u - '0' + 52;
    if (u == '+') return 62;
    if (u == '/') return 63;
    return -1;
}
} // namespace

QString base64_encode(const QByteArray& bytes)
{
    QString out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; i += 3) {
        const unsigned v = (p[i] << 16) | ((i + 1 < n ? p[i + 1] : 0) << 8) | (i + 2 < n ? p[i + 2] : 0);
        out += QLatin1Char(kAlphabet[(v >> 18) & 63]);
        out += QLatin1Char(kAlphabet[(v >> 12) & 63]);
        out += i + 1 < n ? QLatin1Char(kAlphabet[(v >> 6) & 63]) : QLatin1Char('=');
        out += i + 2 < n ? QLatin1Char(kAlphabet[v & 63]) : QLatin1Char('=');
    }
    return out;
}

QByteArray base64_decode(const QString& text)
{
    QByteArray out;
    unsigned acc = 0;
    int bits = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('='))
            break;
        const int v = value(c);
        if (v < 0)
            continue;
        acc = (acc << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.append(static_cast<char>((acc >> bits) & 0xFF));
        }
    }
    return out;
}
