#pragma once
#include "core/payment_list.h"
#include <QAbstractTableModel>
#include <QFont>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

// The payment grid's model over the rows the list statement returned (read once, no query per row).
// The amount is shown with two decimals and a decimal point, right-aligned in 10 characters in
// "Courier New"; the row's text colour follows PRNSTAT ("1" green, "2" red).
class PaymentListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PaymentListModel(QObject* parent = nullptr);

    // Takes the rows (moved in); resets the model.
    void setRows(std::vector<PaymentRow> rows);
    // Adds rows at the end (the rest of a list read in parts).
    void appendRows(std::vector<PaymentRow> rows);
    void clear() { setRows({}); }
    // A list read in parts: whether more rows are to come, and what reads and appends more when the
    // view scrolls past the last row (unset: every row is there).
    std::function<bool()> hasMore;
    std::function<void()> readMore;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    const PaymentRow& row(int r) const { return rows_[static_cast<size_t>(r)]; }
    int rows() const { return static_cast<int>(rows_.size()); }

    // PRNSTAT of a row: "" normal, "1" printed again (green), "2" corrected (red, even when selected).
    static constexpr int PrnStatRole = Qt::UserRole + 1;
    static QString sumText(Money m);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    QString cell(const PaymentRow& r, int column) const;
    std::vector<PaymentRow> rows_;
    QFont sumFont_, textFont_;
};

// Draws the PRNSTAT colours: green and normal rows turn white when selected, red rows stay red.
class PaymentGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
