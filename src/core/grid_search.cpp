#include "core/grid_search.h"
#include <QAbstractItemModel>

QString GridSearch::fold(const QString& s)
{
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 0x0410 && c.unicode() <= 0x042F)
            c = QChar(c.unicode() + 0x20);
    return out;
}

int GridSearch::find(const QString& text)
{
    const QString needle = fold(text);
    if (text != last_) {
        last_ = text;
        lastHit_ = -1;
    }
    const int rows = model_.rowCount();
    for (int r = lastHit_ + 1; r < rows; ++r) {
        if (fold(model_.index(r, column_).data().toString()).contains(needle)) {
            lastHit_ = r;
            return r;
        }
    }
    lastHit_ = -1;
    return -1;
}
