#include "core/row_set.h"
#include "db/db_utils.h"
#include "db/query.h"

void RowSetModel::load(Transaction& tr, const QString& sql, const QVariantMap& params)
{
    beginResetModel();
    columns_.clear();
    rows_.clear();
    try {
        Query q(tr, sql);
        DbUtils::bindMap(q, params);
        q.open();
        const int n = q.fieldCount();
        for (int i = 0; i < n; ++i)
            columns_ << q.fieldInfo(i).name;
        for (; !q.eof(); q.next()) {
            QStringList row;
            row.reserve(n);
            for (int i = 0; i < n; ++i)
                row << q.text(i);
            rows_.push_back(std::move(row));
        }
        q.close();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void RowSetModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

QString RowSetModel::text(int row, int column) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= columns_.size())
        return QString();
    return rows_[row][column];
}

int RowSetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows(); }
int RowSetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(columns_.size()); }

QVariant RowSetModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return text(index.row(), index.column());
}

QVariant RowSetModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role == Qt::DisplayRole && o == Qt::Horizontal && section >= 0 && section < columns_.size())
        return columns_[section];
    return QAbstractTableModel::headerData(section, o, role);
}
