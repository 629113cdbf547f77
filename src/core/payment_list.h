#pragma once
#include "util/money.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>
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

    // --- list state
    QDate day;
    QString smena_nom = QStringLiteral("%");   // the chosen entry's shift; "%" = all
    bool current_shift = false;                 // "Платежи текущей смены"
    ListFilter list_filter;
    QString list_order = QStringLiteral("PAYMENTS.UID");

    // Refills the shift list for `day`: "%" first, then the day's shifts (a cashier sees only her own).
    std::vector<ShiftEntry> sm_list();
    // Reopens the payment list with the current state; throws DbError on a database error.
    const std::vector<PaymentRow>& show_pmnts();
    const std::vector<PaymentRow>& rows() const { return rows_; }
    void clear() { rows_.clear(); }
    // Hands the rows over (the grid's model keeps them).
    std::vector<PaymentRow> takeRows() { return std::move(rows_); }

    // The list statement and its parameters as show_pmnts runs them; the rows are then put in list_order.
    QString listSql() const;
    QVariantMap listParams() const;
    // OPER_NOM of the list and the totals: the cashier herself for role "2", else "%".
    QString operNomParam() const;
    // The day and shift (or open shift) condition shared by the list and the totals.
    QString dayShiftCondition() const;

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

private:
    void sortRows();
    bool hasServiceDayIndex() const;
    mutable std::optional<bool> serviceDayIndex_;
    WorkingState& ws_;
    Database& db_;
    std::vector<PaymentRow> rows_;
};
