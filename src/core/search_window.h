#pragma once
#include "core/grid_search.h"
#include <QDialog>

class QLineEdit;
class QTableView;
class UserDialogs;

// The window "Поиск" over the selected column of a grid: "Найти" (or Enter) makes the next hit the
// current row; no hit says "Ничего не найдено." and returns to the row where the search started.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    SearchWindow(QTableView& grid, UserDialogs& dialogs, QWidget* parent = nullptr);
    // Opens the search on the grid's current column.
    static void run(QTableView& grid, UserDialogs& dialogs, QWidget* parent = nullptr);

    void find();
    QLineEdit* edit() const { return edit_; }

private:
    QTableView& grid_;
    UserDialogs& dialogs_;
    GridSearch search_;
    QLineEdit* edit_;
    int startRow_;
};
