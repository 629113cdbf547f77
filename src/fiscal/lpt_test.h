#pragma once
#include <QString>

// "Тест LPT": every line of a text file, followed by CR LF, written unchanged to the receipt printer's
// port name ("lptport"), which is opened as a new text file. False with a message when the file cannot be
// read or the port written.
bool lpt_test(const QString& lptport, const QString& file, QString* error);
