#pragma once
#include "util/money.h"
#include <QString>

class PaymentList;
class Database;

// The totals message of the payment grid (numeric "+"): the day's (or the open shift's) count and sum
// with the list's cashier conditions, or the selected rows against that count.
class PaymentTotals {
public:
    PaymentTotals(PaymentList& list, Database& db) : list_(list), db_(db) {}

    struct Totals {
        qint64 count = 0;
        Money sum;
    };
    // Throws DbError on a database error.
    Totals totals();
    // selectedCount > 1: "Выделено записей: ..." with selectedSum; otherwise the day's totals.
    QString message(int selectedCount, Money selectedSum);

    static QString messageText(const Totals& t, int selectedCount, Money selectedSum);

private:
    PaymentList& list_;
    Database& db_;
};
