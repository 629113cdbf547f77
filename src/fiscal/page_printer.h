#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

// Text lines on a page printer through Qt's printer support: the printer named by "prnname", else the
// system's default printer; a PDF file when one is set (tests) or when the computer has no printer at all
// (then the file is written into the fallback folder). Positions are printer dots at 203 dpi, the
// resolution of a receipt printer.
class PagePrinter {
public:
    static constexpr int kResolution = 203;

    // Every document goes to this PDF file (overwritten each time); empty = a real printer.
    void setPdfFile(const QString& path) { pdf_file_ = path; }
    QString pdfFile() const { return pdf_file_; }
    // Where documents go as PDF files when there is no printer.
    void setFallbackFolder(const QString& folder) { fallback_folder_ = folder; }

    // Prints the lines at x = 0 from y = 0, y growing by line_step dots, a new page when the page is full.
    // Returns false with a message when nothing could be printed; `target` gets the printer or file used.
    bool print(const QString& printer_name, const QStringList& lines, const QFont& font, int line_step, QString* target,
               QString* error);

private:
    QString pdf_file_;
    QString fallback_folder_;
};
