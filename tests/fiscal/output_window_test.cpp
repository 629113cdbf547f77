// The output window: page layout of its printing (PDF), files, the LPT test.
#include "fiscal/lpt_test.h"
#include "fiscal/output_printer.h"
#include "fiscal/output_window.h"
#include "fiscal_fixture.h"
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
QFont courier()
{
    QFont f(QStringLiteral("Courier New"), 9);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

// A PDF printer whose landscape page holds exactly 40 lines of the output font.
void fortyLinePage(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setFullPage(true);
    const int h = OutputPrinter::lineHeight(printer, courier());
    const double res = printer.resolution();
    // landscape: the page's height is the shorter side; 3 lines of top margin, a page ends when less than
    // two lines remain, so 44.5 line heights hold 40 lines
    const double height_pt = 44.5 * h * 72.0 / res;
    printer.setPageSize(QPageSize(QSizeF(height_pt, height_pt * 3), QPageSize::Point, QString(), QPageSize::ExactMatch));
}

// Each page's non-empty text lines, through pdftotext -layout.
QList<QStringList> pdfPages(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'))) {
        QStringList lines;
        for (const QString& l : page.split(QLatin1Char('\n')))
            if (!l.trimmed().isEmpty())
                lines << l.trimmed();
        pages << lines;
    }
    while (!pages.isEmpty() && pages.last().isEmpty()) // pdftotext ends the last page with a form feed
        pages.removeLast();
    return pages;
}

QStringList report(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("Строка отчета %1").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

QList<int> sizes(const QList<QStringList>& pages)
{
    QList<int> out;
    for (const QStringList& p : pages)
        out << p.size();
    return out;
}
} // namespace

TEST(OutputPrinting, PagesBreakByThemselvesAndAtNextPage)
{
    struct Case {
        const char* name;
        QStringList lines;
        QList<int> pages;
    };
    QStringList early = report(100);
    early.insert(10, QStringLiteral("%NextPage%"));
    QStringList trailing = report(40);
    trailing << QStringLiteral("%NextPage%");
    QStringList twice = report(5);
    twice << QStringLiteral("%NextPage%") << QStringLiteral("%NextPage%") << QStringLiteral("последняя");
    const QList<Case> cases = {
        {"automatic", report(100), {40, 40, 20}},
        {"page break after line 10", early, {10, 40, 40, 10}},
        {"a break at the end ejects no empty page", trailing, {40}},
        {"two breaks in a row make one", twice, {5, 1}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock clock;
        Log log(dir.filePath(QStringLiteral("log")), &clock);
        QPrinter printer(QPrinter::HighResolution);
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        fortyLinePage(printer, file);
        ASSERT_TRUE(OutputPrinter(log).print(printer, c.lines, courier()));
        const QList<QStringList> pages = pdfPages(file);
        EXPECT_EQ(sizes(pages), c.pages);
        QStringList printed;
        for (const QStringList& p : pages)
            printed += p;
        QStringList expected = c.lines;
        expected.removeAll(QStringLiteral("%NextPage%"));
        EXPECT_EQ(printed, expected); // every line in order, the last one too, never the break itself
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
}

TEST(OutputWindow, SavesOpensAndPrints)
{
    QTemporaryDir dir;
    ManualClock clock;
    Log log(dir.filePath(QStringLiteral("log")), &clock);
    ScriptedDialogs dialogs;
    Form2 w(log, dialogs, dir.filePath(QStringLiteral("txt")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Окно вывода"));
    ASSERT_NE(w.action(QStringLiteral("actPrint")), nullptr);

    // nothing to print: no print dialog
    int asked = 0;
    w.choosePrinter = [&](QPrinter&) { ++asked; return false; };
    w.action(QStringLiteral("actPrint"))->trigger();
    EXPECT_EQ(asked, 0);

    w.addLines({QStringLiteral("Кассовая справка"), QStringLiteral("Итого: 150,00")});
    dialogs.files.push_back(dir.filePath(QStringLiteral("txt/справка")));
    w.action(QStringLiteral("actSaveFile"))->trigger();
    QFile saved(dir.filePath(QStringLiteral("txt/справка.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), cp1251::encode(QStringLiteral("Кассовая справка\r\nИтого: 150,00\r\n")));

    w.clear();
    dialogs.files.push_back(saved.fileName());
    w.action(QStringLiteral("actOpenFile"))->trigger();
    EXPECT_EQ(w.lines(), (QStringList{QStringLiteral("Кассовая справка"), QStringLiteral("Итого: 150,00"), QString()}));

    const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
    w.choosePrinter = [&](QPrinter& p) {
        ++asked;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    w.action(QStringLiteral("actPrint"))->trigger();
    EXPECT_EQ(asked, 1);
    const QList<QStringList> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0], (QStringList{QStringLiteral("Кассовая справка"), QStringLiteral("Итого: 150,00")}));
    QFile lf(log.todayFile());
    ASSERT_TRUE(lf.open(QIODevice::ReadOnly));
    const QString logText = cp1251::decode(lf.readAll());
    for (const char* line : {"Начало печати", "Выбрана ориентация", "Начало Документа", "Строка 0", "Строка 2",
                             "Сейчас будет конец документа", "Конец документа"})
        EXPECT_TRUE(logText.contains(QString::fromUtf8(line))) << line;
}

TEST(LptTest, WritesEveryLineUnchangedWithCrLf)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("test.txt"));
    const QString port = dir.filePath(QStringLiteral("lpt1"));
    {
        QFile f(in);
        f.open(QIODevice::WriteOnly);
        f.write(cp1251::encode(QStringLiteral("Проверка\r\nline 2\nпоследняя")));
        QFile p(port);
        p.open(QIODevice::WriteOnly);
        p.write("old content that is replaced");
    }
    QString error;
    ASSERT_TRUE(lpt_test(port, in, &error)) << error.toStdString();
    QFile p(port);
    ASSERT_TRUE(p.open(QIODevice::ReadOnly));
    EXPECT_EQ(p.readAll(), cp1251::encode(QStringLiteral("Проверка\r\nline 2\r\nпоследняя\r\n")));
    EXPECT_FALSE(lpt_test(port, dir.filePath(QStringLiteral("missing.txt")), &error));
}
