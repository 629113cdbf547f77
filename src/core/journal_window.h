#pragma once
#include "db/journal.h"
#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The viewer "Запись журнала изменений" of one journal row, with "<<" and ">>" over the journal list.
class JournalWindow : public QDialog {
    Q_OBJECT
public:
    JournalWindow(JournalViewer& viewer, QWidget* parent = nullptr);
    void showCurrent();
    void previous();
    void next();

private:
    JournalViewer& viewer_;
    QLabel *number_, *date_, *time_, *author_, *table_;
    QPlainTextEdit *sql_, *params_;
};
