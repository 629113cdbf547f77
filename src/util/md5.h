#pragma once
#include <QByteArray>
#include <QString>

// MD5 of the bytes, each digest byte as upper-case hexadecimal without leading zero (a byte below 16
// gives one character): the form stored in OPERATOR.PASS and used to sign server requests.
QString md5(const QByteArray& bytes);
// MD5 of a text taken as its code page 1251 bytes.
QString md5(const QString& text);
