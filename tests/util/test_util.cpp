#include "util/amount_in_words.h"
#include "util/base64.h"
#include "util/clock.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/md5.h"
#include "util/money.h"
#include "util/text.h"
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QString q(const char* s) { return QString::fromUtf8(s); }

TEST(Md5, DigestBytesWithoutLeadingZero)
{
    // MD5("") = d41d8cd98f00b204e9800998ecf8427e: bytes 0x00 and 0x04, 0x09 ... lose their leading zero
    EXPECT_EQ(md5(QByteArray()), q("D41D8CD98F0B24E980998ECF8427E"));
    // a byte below 16 gives one character, so the text is shorter than 32
    const QByteArray d = QCryptographicHash::hash("1111", QCryptographicHash::Md5);
    QString expected;
    for (char c : d)
        expected += QString::number(static_cast<unsigned char>(c), 16).toUpper();
    EXPECT_EQ(md5(q("1111")), expected);
    // the text is hashed as its 1251 bytes
    EXPECT_EQ(md5(q("Пароль")), md5(cp1251::encode(q("Пароль"))));
}

TEST(Numbers, StrtofloatxAndStrtointx)
{
    EXPECT_EQ(strtofloatx(""), 0.0);
    EXPECT_EQ(strtofloatx("12.50"), 12.5);
    EXPECT_EQ(strtofloatx("12,50"), 12.5);
    EXPECT_EQ(strtofloatx(" -3,25 "), -3.25);
    EXPECT_THROW(strtofloatx("12,5,0"), ConversionError);
    EXPECT_THROW(strtofloatx("abc"), ConversionError);
    EXPECT_EQ(strtointx(""), 0);
    EXPECT_EQ(strtointx("42"), 42);
    EXPECT_EQ(strtointx("4x2"), 0);
}

TEST(Numbers, Numconv)
{
    const struct { const char* in; const char* out; } cases[] = {
        {"1,5", "1.5"}, {"-12,75", "-12.75"}, {"100", "100"}, {"1,2,3", "1,2,3"}, {"12.01.2024", "12.01.2024"},
        {"abc,1", "abc,1"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(numconv(q(c.in)), q(c.out)) << c.in;
}

TEST(Money, RoundsHalfUpOnTheDecimalValue)
{
    // 1.005 is 1.00499999999999989... as a double; the amount is the decimal 1.005
    EXPECT_EQ(Money::fromDouble(1.005).kopecks(), 101);
    EXPECT_DOUBLE_EQ(round2(1.005), 1.01);
    EXPECT_DOUBLE_EQ(round2(2.675), 2.68);
    EXPECT_DOUBLE_EQ(round2(1.004), 1.0);
    EXPECT_DOUBLE_EQ(round2(-1.005), -1.01);
    const struct { const char* text; qint64 kop; } parsed[] = {
        {"12,50", 1250}, {"12.5", 1250}, {"0,005", 1}, {"0,0049", 0}, {"1234", 123400}, {"-3,1", -310}, {" 1 000,00 ", 100000}};
    for (const auto& p : parsed)
        EXPECT_EQ(Money::parse(q(p.text))->kopecks(), p.kop) << p.text;
    EXPECT_FALSE(Money::parse("12,5,0"));
    EXPECT_FALSE(Money::parse(""));
    EXPECT_EQ(Money::fromKopecks(123456).text(), q("1234.56"));
    EXPECT_EQ(Money::fromKopecks(-5).toString(), q("-0,05"));
    // 1.5 % of 100.00 and of 0.33 (half a kopeck rounds up)
    EXPECT_EQ(Money::fromRoubles(100).percent(q("1.5")).kopecks(), 150);
    EXPECT_EQ(Money::fromKopecks(100).percent(q("0,5")).kopecks(), 1);
    EXPECT_EQ(Money::fromKopecks(33).percent(1.5).kopecks(), 0);
}

TEST(Text, AlignShortFioCapitalize)
{
    EXPECT_EQ(align("ab", 6, 1), q("   ab "));
    EXPECT_EQ(align("ab", 6, 0), q("ab    "));
    EXPECT_EQ(align("ab", 6, 2), q("    ab"));
    EXPECT_EQ(align("abcdefgh", 6, 2), q("abcdef"));
    EXPECT_EQ(short_fio(q("Иванов Иван Иванович")), q("Иванов И.И."));
    EXPECT_EQ(short_fio(q("Иванов")), q("Иванов"));
    EXPECT_EQ(short_fio(q("Петров П.П.")), q("Петров П.П."));
    EXPECT_EQ(capitalize(q("иВАНОВ иван.петрович Smith")), q("Иванов Иван.Петрович Smith"));
    EXPECT_EQ(normalize_name(q(" петрова-водкина  анна 12/3 ")), q("Петрова-Водкина Анна"));
    EXPECT_EQ(xml_escape(q("a&b<c>'\"\r\n")), q("a&amp;b&lt;c&gt;&apos;&quot;&#13;&#10;"));
}

TEST(Text, AmountInWords)
{
    const struct { const char* in; const char* out; } cases[] = {
        {"5,00", " Пять руб. 00 коп."},
        {"0,10", " Ноль руб. 10 коп."},
        {"1234,56", " Одна тыс. двести тридцать четыре руб. 56 коп."},
        {"1000000,00", " Один млн. руб. 00 коп."},
        {"2512,00", " Две тыс. пятьсот двенадцать руб. 00 коп."},
        {"111111111,11", " Сто одиннадцать млн. сто одиннадцать тыс. сто одиннадцать руб. 11 коп."},
        {"20,05", " Двадцать руб. 05 коп."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amount_in_words(q(c.in)), q(c.out)) << c.in;
}

TEST(CodePages, DosMapsAndBase64)
{
    const QString text = q("Ёё№ Привет, мир! АЯаяпр");
    const QByteArray ansi = cp1251::encode(text);
    const QByteArray dos = to_dos(ansi);
    EXPECT_EQ(static_cast<unsigned char>(dos[0]), 0xF0);
    EXPECT_EQ(static_cast<unsigned char>(dos[1]), 0xF1);
    EXPECT_EQ(static_cast<unsigned char>(dos[2]), 0xFC);
    EXPECT_EQ(ToANSI(dos), ansi);
    EXPECT_EQ(cp1251::decode(ansi), text);
    // "р" (F0 in 1251) is E0 in 866
    EXPECT_EQ(static_cast<unsigned char>(to_dos(cp1251::encode(q("р")))[0]), 0xE0);

    const QByteArray bin("\x00\x01\xFEzz", 5);
    EXPECT_EQ(base64_encode(bin), q("AAH+eno="));
    // characters outside the alphabet are skipped, "=" ends the data
    EXPECT_EQ(base64_decode(q("AA H+\ne*no=AAAA")), bin);
    EXPECT_EQ(base64_decode(base64_encode("abcd")), QByteArray("abcd"));
}

TEST(Log, DailyFileInCp1251)
{
    QTemporaryDir dir;
    ManualClock clock(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)));
    Log log(dir.filePath("log/sub"), &clock);
    log.writelog(q("Программа запущена."));
    clock.advance(1000);
    log.writelog(q("второй"));
    QFile f(dir.filePath("log/sub/20261211.log"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, cp1251::encode(q("09:05:07 Программа запущена.\r\n09:05:08 второй\r\n")));
    // a log that cannot be written does not disturb the caller
    Log bad(QStringLiteral("/proc/forbidden/log"), &clock);
    EXPECT_NO_THROW(bad.writelog(q("x")));
}
