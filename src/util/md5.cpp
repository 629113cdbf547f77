#include "util/md5.h"
#include "util/codepage.h"
#include <QCryptographicHash>

QString md5(const QByteArray& bytes)
{
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
    QString r;
    for (char c : digest)
        r += QString::number(static_cast<unsigned char>(c), 16).toUpper();
    return r;
}

QString md5(const QString& text) { return md5(cp1251::encode(text)); }
