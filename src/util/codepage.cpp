#include "util/codepage.h"
#include <QHash>
#include <array>

namespace {
// Unicode code points of bytes 0x80..0xFF in code page 1251.
constexpr std::array<char16_t, 128> kCp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// Our own table keeps the conversion independent of which codecs the Qt build carries.
const QHash<char16_t, char>& reverse1251()
{
    static const QHash<char16_t, char> map = [] {
        QHash<char16_t, char> m;
        for (int i = 0; i < 128; ++i)
            m.insert(kCp1251[i], static_cast<char>(0x80 + i));
        return m;
    }();
    return map;
}
} // namespace

namespace cp1251 {
QByteArray encode(const QString& s)
{
    QByteArray out;
    out.reserve(s.size());
    const auto& rev = reverse1251();
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            out.append(static_cast<char>(u));
        else {
            auto it = rev.constFind(u);
            out.append(it != rev.constEnd() ? *it : '?');
        }
    }
    return out;
}

QString decode(const QByteArray& b)
{
    QString out;
    out.reserve(b.size());
    for (char ch : b) {
        const auto u = static_cast<unsigned char>(ch);
        out.append(u < 0x80 ? QChar(u) : QChar(kCp1251[u - 0x80]));
    }
    return out;
}
} // namespace cp1251

QByteArray to_dos(const QByteArray& ansi)
{
    QByteArray out(ansi);
    for (char& ch : out) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == 0xA8) ch = static_cast<char>(0xF0);
        else if (b == 0xB8) ch = static_cast<char>(0xF1);
        else if (b == 0xB9) ch = static_cast<char>(0xFC);
        else if (b >= 0xC0 && b <= 0xEF) ch = static_cast<char>(b - 0x40);
        else if (b >= 0xF0) ch = static_cast<char>(b - 0x10);
    }
    return out;
}

QByteArray ToANSI(const QByteArray& dos)
{
    QByteArray out(dos);
    for (char& ch : out) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0xAF) ch = static_cast<char>(b + 0x40);
        else if (b >= 0xE0 && b <= 0xEF) ch = static_cast<char>(b + 0x10);
        else if (b == 0xF0) ch = static_cast<char>(0xA8);
        else if (b == 0xF1) ch = static_cast<char>(0xB8);
        else if (b == 0xFC) ch = static_cast<char>(0xB9);
    }
    return out;
}

QByteArray to_dos_text(const QString& s) { return to_dos(cp1251::encode(s)); }
QString from_dos_text(const QByteArray& dos) { return cp1251::decode(ToANSI(dos)); }

namespace cp866 {
QByteArray encode(const QString& s) { return to_dos_text(s); }
QString decode(const QByteArray& b) { return from_dos_text(b); }
} // namespace cp866
