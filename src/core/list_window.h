#pragma once
#include "core/list_window_logic.h"
#include <QDialog>
#include <functional>

class QTableView;

// The generic list window over ListWindowLogic: F7 searches the selected column, F1 shows an export's
// report, Delete deletes by the first column, a double click opens what the first column names.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(ListWindowLogic& logic, Database& db, DbUtils& utils, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows a text (the export's report) in the program's text window.
    std::function<void(const QString& caption, const QString& text)> showText;
    QTableView* grid() const { return grid_; }
    QString chosen() const { return chosen_; }

    void doubleClick(int row);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    ListWindowLogic& logic_;
    Database& db_;
    DbUtils& utils_;
    UserDialogs& dialogs_;
    QTableView* grid_;
    QString chosen_;
};
