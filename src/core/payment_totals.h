#pragma once
#include "util/money.h"
#include <QDate>
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
        bool operator==(const Totals&) const = default;
    };
    // From the running totals the database keeps (PMNT_TOTALS), or straight from the payments on a
    // database without them. Throws DbError on a database error.
    Totals totals();
    // The same figures read from PAYMENTS row by row.
    Totals fromPayments();
    // selectedCount > 1: "Выделено записей: ..." with selectedSum; otherwise the day's totals.
    QString message(int selectedCount, Money selectedSum);

    static QString messageText(const Totals& t, int selectedCount, Money selectedSum);

    // Merges the running-totals rows of committed transactions for one day into one row per key, in a
    // snapshot transaction (it deletes exactly the rows it added up). Gives false when another
    // workstation merged them at the same time, or the database has no running totals (nothing
    // changes then). With `above`, only a day with more rows than that is merged: after a list refresh
    // with kMergeAbove, so the rows of a busy day stay few between two totals.
    static bool mergeRunningTotals(Database& db, const QDate& day, int above = 0);
    static constexpr int kMergeAbove = 64;

private:
    Totals read(const QString& sql);
    PaymentList& list_;
    Database& db_;
};
