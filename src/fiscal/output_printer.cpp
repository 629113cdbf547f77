#include "fiscal/output_printer.h"
#include "util/log.h"
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

int OutputPrinter::lineHeight(QPrinter& printer, const QFont& font)
{
    QFont f = font;
    f.setPointSize(9);
    const QFontMetrics fm(f, &printer);
    // the height a text line of "1" takes, as the printer's canvas measures it
    return std::max(1, fm.height());
}

bool OutputPrinter::print(QPrinter& printer, const QStringList& lines, QFont font)
{
    log_.writelog(QStringLiteral("Начало печати"));
    printer.setPageOrientation(QPageLayout::Landscape);
    log_.writelog(QStringLiteral("Выбрана ориентация"));
    QPainter p;
    if (!p.begin(&printer)) {
        log_.writelog(QStringLiteral("Принтер не готов"));
        return false;
    }
    log_.writelog(QStringLiteral("Начало Документа"));
    font.setPointSize(9);
    p.setFont(font);
    const QFontMetrics fm(p.font(), &printer);
    const int h = lineHeight(printer, font);
    const int x = printer.width() / 50;
    const int page_height = printer.height();
    const QString next_page = QString::fromLatin1(kNextPage);
    int y = 3 * h;
    bool page_full = false; // a new page is due before the next printed line
    for (int i = 0; i < lines.size(); ++i) {
        log_.writelog(QStringLiteral("Строка ") + QString::number(i));
        const QString& line = lines[i];
        if (page_full && line != next_page) {
            log_.writelog(QStringLiteral("Новая страница"));
            printer.newPage();
            y = 3 * h;
            page_full = false;
        }
        if (line == next_page) {
            page_full = true;
            continue;
        }
        p.drawText(x, y + fm.ascent(), line);
        y += h;
        if (page_height - y < 2 * h)
            page_full = true;
    }
    log_.writelog(QStringLiteral("Сейчас будет конец документа"));
    p.end();
    log_.writelog(QStringLiteral("Конец документа"));
    return true;
}
