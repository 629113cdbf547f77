#pragma once
#include <QString>
#include <QStringList>

struct WorkingState;
class Log;

// The workstation's configuration file fr.ini: one setting per line, in any order. A line is taken for a
// key when the key's text occurs anywhere in it (an occurrence inside a longer key, such as "port=" in
// "lptport=", does not count). A number is made of the digits found in the line after its sixth
// character; text values are what follows the key. A numeric key without a number keeps its default.
// "driver=" is compared with the driver names after every line, so the last "driver=" line with a known
// name decides; an unknown name changes nothing.
class FrIni {
public:
    // Applies the lines to the state. Returns the lines whose numeric key had no number.
    static QStringList apply(const QStringList& lines, WorkingState& ws);
    // Reads the file (code page 1251) when it exists and applies it; false when there is no such file.
    // Lines without a number are written to the log.
    static bool read(const QString& path, WorkingState& ws, Log* log = nullptr);

    // The fr_driver number of a "driver=" value, -1 for an unknown name.
    static int driverCode(const QString& name);
    // The number of a line as fr.ini reads it: the digits (and "%") after the sixth character;
    // nothing when they do not make an integer.
    static bool numberOf(const QString& line, int* value);
};
