#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <vector>

class Transaction;

// The rows of a statement as texts, read once, with the column names; the model of the list windows
// and the value picker.
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Runs the statement with the named parameters (unknown names are ignored); throws DbError.
    void load(Transaction& tr, const QString& sql, const QVariantMap& params = {});
    void clear();

    QStringList columnNames() const { return columns_; }
    QString text(int row, int column) const;
    int rows() const { return static_cast<int>(rows_.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    QStringList columns_;
    std::vector<QStringList> rows_;
};
