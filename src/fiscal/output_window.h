#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

class Log;
class UserDialogs;
class QAction;
class QPlainTextEdit;
class QPrinter;

// The output window "Окно вывода" (Form2): one text field (Memo1, "Courier New") that reports fill and the
// cashier prints, saves or edits, with the menu "Текст". Producers clear it, add their lines and show it
// modally. Files are read and written in code page 1251, starting in the work folder's "txt".
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(Log& log, UserDialogs& dialogs, QString txtFolder, QWidget* parent = nullptr);

    void clear();
    void addLine(const QString& line);
    void addLines(const QStringList& lines);
    QStringList lines() const;
    QPlainTextEdit* memo() const { return memo_; }
    QAction* action(const QString& objectName) const;

    // "Открыть файл", "Сохранить в файл", "Печать реестров и справок".
    void openFile();
    void saveFile();
    void printText();

    // Asks for the printer (the print dialog unless replaced); false when the cashier cancels.
    std::function<bool(QPrinter&)> choosePrinter;

private:
    Log& log_;
    UserDialogs& dialogs_;
    QString txtFolder_;
    QPlainTextEdit* memo_;
};
