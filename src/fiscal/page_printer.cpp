#include "fiscal/page_printer.h"
#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool PagePrinter::print(const QString& printer_name, const QStringList& lines, const QFont& font, int line_step,
                        QString* target, QString* error)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (error)
            *error = QStringLiteral("печать на принтер невозможна без графического окружения");
        return false;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    QString file = pdf_file_;
    if (file.isEmpty()) {
        QPrinterInfo info = QPrinterInfo::printerInfo(printer_name);
        if (info.isNull())
            info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            printer.setPrinterName(info.printerName());
            if (target)
                *target = info.printerName();
        } else {
            const QString folder = fallback_folder_.isEmpty() ? QDir::currentPath() : fallback_folder_;
            QDir().mkpath(folder);
            file = QDir(folder).filePath(QStringLiteral("winprn-")
                                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))
                                         + QStringLiteral(".pdf"));
        }
    }
    if (!file.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        if (target)
            *target = file;
    }
    printer.setResolution(kResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        if (error)
            *error = QStringLiteral("принтер не готов");
        return false;
    }
    p.setFont(font);
    const QFontMetrics fm(p.font(), &printer);
    const int page_height = printer.height();
    const int step = std::max(1, line_step);
    int y = 0;
    for (const QString& line : lines) {
        if (y > 0 && y + fm.height() > page_height) {
            printer.newPage();
            y = 0;
        }
        p.drawText(0, y + fm.ascent(), line);
        y += step;
    }
    p.end();
    return true;
}
