#pragma once
#include <QString>
#include <stdexcept>

// A text that is not a number where one was required.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

QString xml_escape(const QString& s);
// Empty text counts as 0; a text that is not an integer gives 0.
qint64 strtointx(const QString& s);
// Accepts both decimal separators; empty text counts as 0; anything else throws ConversionError.
double strtofloatx(const QString& s);
// A text of digits, "-" and at most one "," gets a "." instead of the ","; any other text is returned unchanged.
QString numconv(const QString& s);
// Cyrillic title case: the first letter of a word (after the start, a blank or ".") upper case, every other
// Cyrillic letter lower case; Latin letters are left alone.
QString capitalize(const QString& s);
// Removes "\", "/" and digits, collapses blanks, title case with blank, "-" and "." as word starts, trims.
QString normalize_name(const QString& s);
// "Иванов Иван Иванович" -> "Иванов И.И."; a single word is returned as it is.
QString short_fio(const QString& s);
// mode 0: pad right; mode 1: centre with floor(n/2)+1 blanks on each side; mode 2: pad left; then cut to width.
QString align(const QString& s, int width, int mode);
