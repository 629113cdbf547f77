#include "core/payment_list_model.h"
#include <QBrush>
#include <QColor>
#include <QPalette>

PaymentListModel::PaymentListModel(QObject* parent) : QAbstractTableModel(parent)
{
    sumFont_ = QFont(QStringLiteral("Courier New"));
    sumFont_.setStyleHint(QFont::TypeWriter);
    textFont_ = QFont(QStringLiteral("MS Sans Serif"));
    textFont_.setStyleHint(QFont::SansSerif);
}

void PaymentListModel::setRows(std::vector<PaymentRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void PaymentListModel::appendRows(std::vector<PaymentRow> rows)
{
    if (rows.empty())
        return;
    const int first = this->rows();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

bool PaymentListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && hasMore && hasMore();
}

void PaymentListModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent) && readMore)
        readMore();
}

QString PaymentListModel::sumText(Money m) { return m.text().rightJustified(10, QLatin1Char(' ')); }

int PaymentListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows(); }

int PaymentListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(PaymentList::columns().size());
}

QString PaymentListModel::cell(const PaymentRow& r, int column) const
{
    switch (column) {
    case 0: return r.ndoc;
    case 1: return r.uid;
    case 2: return r.dat;
    case 3: return r.tim;
    case 4: return r.prim;
    case 5: return sumText(r.sum);
    case 6: return r.fio;
    case 7: return r.oper;
    case 8: return r.prnstat;
    case 9: return r.pmnt_cm;
    case 10: return r.spayee;
    case 11: return r.n_plat;
    }
    return QString();
}

QVariant PaymentListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows())
        return QVariant();
    const PaymentRow& r = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cell(r, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == PaymentList::kSumColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        return index.column() == PaymentList::kSumColumn ? sumFont_ : textFont_;
    case Qt::ForegroundRole:
        if (r.prnstat == QLatin1String("1"))
            return QBrush(QColor(0, 128, 0));
        if (r.prnstat == QLatin1String("2"))
            return QBrush(Qt::red);
        return QVariant();
    case PrnStatRole:
        return r.prnstat;
    }
    return QVariant();
}

QVariant PaymentListModel::headerData(int section, Qt::Orientation o, int role) const
{
    const auto& cols = PaymentList::columns();
    if (role == Qt::DisplayRole && o == Qt::Horizontal && section >= 0 && section < static_cast<int>(cols.size()))
        return cols[static_cast<size_t>(section)].caption;
    return QAbstractTableModel::headerData(section, o, role);
}

void PaymentGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QString st = index.data(PaymentListModel::PrnStatRole).toString();
    if (st == QLatin1String("2")) {
        option->palette.setColor(QPalette::HighlightedText, Qt::red);
        option->palette.setColor(QPalette::Text, Qt::red);
    } else {
        option->palette.setColor(QPalette::HighlightedText, Qt::white);
    }
}
