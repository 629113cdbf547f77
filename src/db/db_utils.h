#pragma once
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

class Database;
class Log;
class Query;
class Transaction;

// The one-line SQL helpers of the workstation. They never throw: a failure is a log line and, for the
// executing ones, the returned error text; a failed identifier request returns an empty text.
// Parameter lists bind by position (the first value to the first parameter in order of appearance).
class DbUtils {
public:
    DbUtils(Database& db, Log& log);

    // Who the journal names as the author of a change (cur_oper_nom).
    void setOperatorSource(std::function<QString()> source) { operator_ = std::move(source); }

    // Draws the next value of a generator (quoted, case-sensitive name); empty text on error.
    QString genid(const QString& generator);
    // ALTER SEQUENCE "name" RESTART WITH value, committed; returns false on error (logged).
    bool setgen(const QString& generator, qint64 value);

    // First column of the first row as text; on error logs and returns `unchanged`.
    QString sql_value(const QString& sql, const QVariantList& params = {}, const QString& unchanged = QString());
    QString sql_value_entry(const QString& sql, const QVariantList& params = {}, const QString& unchanged = QString());
    // Executes; with `commit` commits the transaction when it is active. Empty text on success, else the error.
    QString sql_exec(const QString& sql, const QVariantList& params = {}, bool commit = true);
    QString sql_exec_entry(const QString& sql, const QVariantList& params = {}, bool commit = false);

    // Rows as "<item><COL>value</COL>...</item>", values escaped, LOGO as Base64; no enclosing element.
    QString sql_xml(const QString& sql, const QVariantMap& params = {});
    // The same rows inside "<data>" ... "</data>" (the settings transfer file; written as UTF-8).
    QString browsesqls(const QString& sql, const QVariantMap& params = {});

    // Journals a change just executed through `q`: JRNL row with today's date and time, the statement
    // text, the operator, the table and every parameter value followed by "|"; then commits.
    void db_log(const Query& q, const QString& table);
    // Executes a change in the main transaction, commits it and journals it; empty text or the error.
    QString exec_logged(const QString& sql, const QVariantMap& params, const QString& table);

    // Binds a list by position / a map by name.
    static void bindList(Query& q, const QVariantList& params);
    static void bindMap(Query& q, const QVariantMap& params);

    Database& database() { return db_; }
    Log& log() { return log_; }

private:
    QString value(Transaction& tr, const QString& sql, const QVariantList& params, const QString& unchanged);
    QString exec(Transaction& tr, const QString& sql, const QVariantList& params, bool commit);

    Database& db_;
    Log& log_;
    std::function<QString()> operator_;
};
