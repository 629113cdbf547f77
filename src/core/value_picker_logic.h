#pragma once
#include "core/row_set.h"
#include <QString>
#include <QVariantMap>

class Transaction;

// The value picker "Выберите значение двойным щелчком": a statement with the filter parameter :FLT,
// rerun with the typed text (Cyrillic small letters made capitals). A list whose first column is ID is
// not refiltered; an address list (first column ADR_ID) only while the house filter is filled.
class ValuePickerLogic {
public:
    ValuePickerLogic(Transaction& tr, QString sql, QVariantMap params = {});

    // Opens with an empty filter; throws DbError.
    void open();
    // The filter text "Найти: " changed (and the house and flat filters of an address list).
    void setFilter(const QString& text, const QString& dom = QString(), const QString& kv = QString());
    QString filter() const { return filter_; }
    RowSetModel& model() { return model_; }
    QString firstColumn() const;

    // Cyrillic small letters а-я to capitals.
    static QString upper(const QString& s);

private:
    void run();

    Transaction& tr_;
    QString sql_;
    QVariantMap params_;
    QString filter_;
    RowSetModel model_;
};
