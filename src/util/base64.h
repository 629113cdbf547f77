#pragma once
#include <QByteArray>
#include <QString>

// Standard alphabet with "=" padding; the decoder skips characters outside the alphabet and stops at "=".
QString base64_encode(const QByteArray& bytes);
QByteArray base64_decode(const QString& text);
