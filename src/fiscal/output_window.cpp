#include "fiscal/output_window.h"
#include "fiscal/output_printer.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

Form2::Form2(Log& log, UserDialogs& dialogs, QString txtFolder, QWidget* parent)
    : QDialog(parent), log_(log), dialogs_(dialogs), txtFolder_(std::move(txtFolder))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Окно вывода"));
    resize(900, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    QMenu* text = bar->addMenu(QStringLiteral("Текст"));
    text->setObjectName(QStringLiteral("mnuText"));
    const auto add = [&](const char* name, const QString& caption, auto slot) {
        QAction* a = text->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    add("actOpenFile", QStringLiteral("Открыть файл"), [this] { openFile(); });
    add("actSaveFile", QStringLiteral("Сохранить в файл"), [this] { saveFile(); });
    add("actPrint", QStringLiteral("Печать реестров и справок"), [this] { printText(); });
    add("actClose", QStringLiteral("Закрыть"), [this] { close(); });
    layout->setMenuBar(bar);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    QFont f(QStringLiteral("Courier New"), 10);
    f.setStyleHint(QFont::TypeWriter);
    memo_->setFont(f);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(memo_);

    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

QAction* Form2::action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void Form2::clear() { memo_->clear(); }

void Form2::addLine(const QString& line) { memo_->appendPlainText(line); }

void Form2::addLines(const QStringList& lines)
{
    for (const QString& l : lines)
        addLine(l);
}

QStringList Form2::lines() const
{
    const QString t = memo_->toPlainText();
    if (t.isEmpty())
        return {};
    return t.split(QLatin1Char('\n'));
}

void Form2::openFile()
{
    QDir().mkpath(txtFolder_);
    const QString name = dialogs_.openFileName(QStringLiteral("Открыть файл"), txtFolder_,
                                               QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)"));
    if (name.isEmpty())
        return;
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) {
        dialogs_.message(QStringLiteral("Не удалось открыть файл ") + name + QStringLiteral(": ") + f.errorString(),
                         QString(), UserDialogs::Icon::Error);
        return;
    }
    QString text = cp1251::decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo_->setPlainText(text);
}

void Form2::saveFile()
{
    QDir().mkpath(txtFolder_);
    QString name = dialogs_.saveFileName(QStringLiteral("Сохранить в файл"), txtFolder_,
                                         QStringLiteral("Текстовые файлы (*.txt)"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".txt");
    QFile f(name);
    const QByteArray bytes = cp1251::encode(lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        dialogs_.message(QStringLiteral("Не удалось сохранить файл ") + name + QStringLiteral(": ") + f.errorString(),
                         QString(), UserDialogs::Icon::Error);
        return;
    }
    log_.writelog(QStringLiteral("Сохранен файл ") + name);
}

void Form2::printText()
{
    const QStringList text = lines();
    if (text.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter || !choosePrinter(printer))
        return;
    OutputPrinter out(log_);
    if (!out.print(printer, text, memo_->font()))
        dialogs_.message(QStringLiteral("Принтер не готов."), QString(), UserDialogs::Icon::Error);
}
