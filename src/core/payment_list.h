#pragma once
#include "util/money.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <map>
#include <memory>
#include <vector>

struct WorkingState;
class Database;
class Query;

// Extra conditions of the payment list made by the filter window: SQL text with named parameters
// (every value is bound, never written into the text) and the values.
struct ListFilter {
    QString sql;        // " AND PAYMENTS.FIO = :F_FIO ..."
    QVariantMap params; // F_FIO -> value
    bool empty() const { return sql.isEmpty(); }
};

// One entry of the shift list: the shown text and the shift number it stands for ("%" = all shifts).
struct ShiftEntry {
    QString text;
    QString smena_nom;
};

// One row of the payment grid, as the list statement returns it.
struct PaymentRow {
    QString ndoc, uid, dat, tim, prim;
    Money sum;
    QString fio, oper, prnstat, pmnt_cm, spayee, n_plat;
};

// The main window's shift list and payment list: the statements, their parameters and the role rules,
// with the list state (day, chosen shift, "Платежи текущей смены", filter and order).
class PaymentList {
public:
    PaymentList(WorkingState& ws, Database& db);
    ~PaymentList();

    // --- list state
    QDate day;
    QString smena_nom = QStringLiteral("%");   // the chosen entry's shift; "%" = all
    bool current_shift = false;                 // "Платежи текущей смены"
    ListFilter list_filter;
    QString list_order = QStringLiteral("PAYMENTS.UID");

    // Refills the shift list for `day`: "%" first, then the day's shifts (a cashier sees only her own).
    std::vector<ShiftEntry> sm_list();
    // Reopens the payment list with the current state and reads every row; throws DbError.
    const std::vector<PaymentRow>& show_pmnts();
    const std::vector<PaymentRow>& rows() const { return rows_; }
    void clear();

    // The list read in parts, for the grid: open_pmnts reopens the list, fetch hands over the next
    // rows in list order until atEnd. The day list in its default order comes from the database in
    // that order, so its first screen is there after a few rows; in any other order, or with a filter,
    // open_pmnts reads and sorts every row. The rows are read in a read-only transaction of their own,
    // which the main transaction's commits do not end. Both throw DbError.
    void open_pmnts();
    std::vector<PaymentRow> fetch(int count);
    bool atEnd() const { return !cursor_ && next_ >= sorted_.size(); }
    // Ends a list still being read.
    void close();

    // The list statement and its parameters as show_pmnts runs them; the rows are then put in list_order.
    QString listSql() const;
    // True when the list is read in list order from the database (the day list ordered by UID).
    bool orderedByDatabase() const;
    QVariantMap listParams() const;
    // OPER_NOM of the list and the totals: the cashier herself for role "2", else "%".
    QString operNomParam() const;
    // The day and shift (or open shift) condition shared by the list and the totals, on the day,
    // shift and cashier columns of `table` (PAYMENTS, or the running totals).
    QString dayShiftCondition(const QString& table = QStringLiteral("PAYMENTS")) const;

    // Columns of the grid in list order: caption, field name sorted by, width (0 = hidden).
    struct Column {
        QString caption;
        QString field;
        int width;
    };
    static const std::vector<Column>& columns();
    static constexpr int kSumColumn = 5;
    static constexpr int kUidColumn = 1;

    static const char* const kShiftSql;
    const WorkingState& ws() const { return ws_; }
    // The column list_order names (the UID column when it names none).
    int orderColumn() const;
    // Whether the database keeps running totals of the payments (a database made before them has
    // not); read once.
    bool hasRunningTotals() const { return hasIndex(QStringLiteral("IX_PMNT_TOTALS_DAT")); }

private:
    static PaymentRow readRow(Query& q);
    void sortRows(std::vector<PaymentRow>& rows) const;
    bool hasIndex(const QString& name) const;
    mutable std::map<QString, bool> indexes_;
    WorkingState& ws_;
    Database& db_;
    std::vector<PaymentRow> rows_;
    std::unique_ptr<Query> cursor_;        // the open list in database order
    std::vector<PaymentRow> sorted_;       // or the list read whole and sorted,
    size_t next_ = 0;                      // handed over up to here
};
