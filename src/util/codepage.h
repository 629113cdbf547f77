#pragma once
#include <QByteArray>
#include <QString>

// Code page boundaries: inside the program text is QString; files and devices get 1251 or 866 bytes.
namespace cp1251 {
QByteArray encode(const QString& s);
QString decode(const QByteArray& b);
}
namespace cp866 {
QByteArray encode(const QString& s);
QString decode(const QByteArray& b);
}

// Byte maps between code page 1251 and DOS 866, exactly as the DOS-era files expect them:
// to_dos: A8->F0, B8->F1, B9->FC, C0-EF -> 80-AF, F0-FF -> E0-EF; other bytes unchanged.
QByteArray to_dos(const QByteArray& ansi);
// ToANSI: 80-AF -> C0-EF, E0-EF -> F0-FF, F0->A8, F1->B8, FC->B9; other bytes unchanged.
QByteArray ToANSI(const QByteArray& dos);

// Text versions: a QString written to / read from a DOS file through the byte maps above.
QByteArray to_dos_text(const QString& s);
QString from_dos_text(const QByteArray& dos);
