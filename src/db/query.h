#pragma once
#include "db/db_error.h"
#include "util/money.h"
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class Transaction;

// What the layer knows of one column or parameter.
struct FieldInfo {
    QString name;     // alias as the statement names it
    QString relation; // table, empty for expressions
    QString column;   // column name in the table
    int type = 0;     // Firebird SQL type code without the NULL bit
    int subtype = 0;
    int scale = 0;
    int length = 0;
    bool nullable = true;
    bool isText() const;
    bool isBlob() const;
    bool isNumeric() const;
    bool isDate() const;
};

// Translates ":NAME" parameters to "?" outside string literals, quoted names and comments.
// `names` gets the parameter names in order of appearance (upper case; a repeated name appears again).
QString translate_named_parameters(const QString& sql, QStringList* names);

// A statement on one transaction: named (":NAME") or positional parameters, open/next/eof over the
// rows, fields by name or index. Prepared once and reusable: set new parameter values and open or
// execute again. Every failure is a DbError carrying the database's message.
class Query {
public:
    explicit Query(Transaction& tr);
    Query(Transaction& tr, const QString& sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void setSql(const QString& sql);
    QString sql() const { return sql_; }
    Transaction& transaction() { return tr_; }
    void prepare();
    bool prepared() const;

    // Parameters.
    int paramCount();
    QStringList paramNames();
    const FieldInfo& paramInfo(int index);
    // By position (0 = the first "?" / ":NAME" occurrence in the text).
    void bindNull(int index);
    void bind(int index, const QString& v);
    void bind(int index, const char* v) { bind(index, QString::fromUtf8(v)); }
    void bind(int index, qint64 v);
    void bind(int index, int v) { bind(index, static_cast<qint64>(v)); }
    void bind(int index, double v);
    void bind(int index, Money v);
    void bind(int index, const QDate& v);
    void bind(int index, const QDateTime& v);
    void bindBytes(int index, const QByteArray& v);
    // QVariant: null/invalid -> NULL, QString, integers, double, QDate, QDateTime, QByteArray (blob bytes).
    void bind(int index, const QVariant& v);
    // By name: every occurrence of the name gets the value. Unknown names throw.
    template <typename T>
    void setParam(const QString& name, const T& v)
    {
        for (int i : positions(name))
            bind(i, v);
    }
    void setParamNull(const QString& name);
    void setParamBytes(const QString& name, const QByteArray& v);
    bool hasParam(const QString& name);
    // The text of a bound parameter as the journal records it.
    QString paramText(int index) const;

    // Result sets.
    void open();
    bool eof() const { return eof_; }
    void next();
    void close() noexcept;
    bool isOpen() const { return open_; }
    // Statements without a result set (or with RETURNING).
    void execute();
    // Rows touched by the last execute (insert, update, delete).
    int rowsAffected();

    // Fields of the current row.
    int fieldCount();
    const FieldInfo& fieldInfo(int index);
    // Index of a field by name (case-insensitive), -1 when there is none.
    int fieldIndex(const QString& name);
    bool isNull(int index) const;
    bool isNull(int index) { return std::as_const(*this).isNull(index); }
    bool isNull(const QString& name) { return isNull(requireField(name)); }
    // Text of the value: numbers with "," and without trailing zeros (12,5), dates "DD.MM.YYYY",
    // timestamps "DD.MM.YYYY hh:mm:ss", text blobs as their text; NULL gives an empty text.
    QString text(int index);
    QString text(const QString& name) { return text(requireField(name)); }
    qint64 integer(int index);
    qint64 integer(const QString& name) { return integer(requireField(name)); }
    double number(int index);
    double number(const QString& name) { return number(requireField(name)); }
    Money amount(int index);
    Money amount(const QString& name) { return amount(requireField(name)); }
    QDate date(int index);
    QDate date(const QString& name) { return date(requireField(name)); }
    QDateTime timestamp(int index);
    QByteArray bytes(int index);
    QByteArray bytes(const QString& name) { return bytes(requireField(name)); }
    QVariant value(int index);

    int requireField(const QString& name);

private:
    struct Impl;
    std::vector<int> positions(const QString& name);
    void bindFixed(int index, int type, int scale, const void* data, int size, const QVariant& shown);
    void ensurePrepared();
    void fetch();
    void freeStatement() noexcept;

    Transaction& tr_;
    QString sql_;
    std::unique_ptr<Impl> d_;
    bool open_ = false;
    bool eof_ = true;
};
