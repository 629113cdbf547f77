#pragma once
#include <QFont>
#include <QStringList>

class Log;
class QPrinter;

// Prints the output window's text on a page printer: landscape, the window's font at 9 points, one line
// per line height from three line heights below the top, a left margin of a fiftieth of the page width.
// A page ends when less than two line heights remain below the next line, and at the line
// "%NextPage%", which is never printed itself; no empty page is ejected after the last line.
class OutputPrinter {
public:
    explicit OutputPrinter(Log& log) : log_(log) {}

    static constexpr const char* kNextPage = "%NextPage%";

    // Sets the orientation and prints; false when the printer could not begin the document.
    bool print(QPrinter& printer, const QStringList& lines, QFont font);
    // The line height the printer gives the font (the printed height of "1").
    static int lineHeight(QPrinter& printer, const QFont& font);

private:
    Log& log_;
};
