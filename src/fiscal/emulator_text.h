#pragma once
#include <QString>
#include <QtGlobal>

// Small layout helpers of the emulators' tapes.
namespace emulator_text {
// left and right ends of one line of `width` characters (at least one blank between them).
QString spread(const QString& left, const QString& right, int width);
// "120.00"
QString money(qint64 kopecks);
qint64 kopecks(double roubles);
// The line that marks a cut of the tape.
QString cutLine(int width);
// A fiscal sign of a document: ten digits derived from the serial and the document number.
QString fiscalSign(const QString& serial, int document);
}
