#pragma once
#include <QString>

class QAbstractItemModel;

// The search of the window "Поиск" over one column of a grid: a cell containing the text, compared
// after turning Cyrillic capitals into small letters. The first search starts at the first row; each
// further one continues after the last hit until the text changes.
class GridSearch {
public:
    GridSearch(const QAbstractItemModel& model, int column) : model_(model), column_(column) {}

    // The row of the next hit, -1 when there is none (the next search starts again at the top).
    int find(const QString& text);
    int column() const { return column_; }

    // Cyrillic capitals А-Я to small letters; other characters unchanged.
    static QString fold(const QString& s);

private:
    const QAbstractItemModel& model_;
    int column_;
    QString last_;
    int lastHit_ = -1;
};
