#include "db/db_utils.h"
#include "db/database.h"
#include "db/query.h"
#include "util/base64.h"
#include "util/log.h"
#include "util/text.h"
#include <QDateTime>

DbUtils::DbUtils(Database& db, Log& log) : db_(db), log_(log) {}

void DbUtils::bindList(Query& q, const QVariantList& params)
{
    const int n = qMin(static_cast<int>(params.size()), q.paramCount());
    for (int i = 0; i < n; ++i)
        q.bind(i, params[i]);
}

void DbUtils::bindMap(Query& q, const QVariantMap& params)
{
    for (auto it = params.constBegin(); it != params.constEnd(); ++it)
        if (q.hasParam(it.key()))
            q.setParam(it.key(), it.value());
}

QString DbUtils::genid(const QString& generator)
{
    QString quoted = generator;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    try {
        Query q(db_.main(), QStringLiteral("SELECT Gen_Id(\"%1\", 1) FROM RDB$DATABASE;").arg(quoted));
        q.open();
        return q.text(0);
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Получение id ") + generator + QLatin1Char('|') + e.message());
        return QString();
    }
}

bool DbUtils::setgen(const QString& generator, qint64 value)
{
    QString quoted = generator;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    try {
        db_.main().executeImmediate(QStringLiteral("ALTER SEQUENCE \"%1\" RESTART WITH %2").arg(quoted).arg(value));
        db_.main().commit();
        return true;
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Установка id ") + generator + QLatin1Char('|') + e.message());
        return false;
    }
}

QString DbUtils::value(Transaction& tr, const QString& sql, const QVariantList& params, const QString& unchanged)
{
    try {
        Query q(tr, sql);
        bindList(q, params);
        q.open();
        if (q.eof() || q.fieldCount() == 0)
            return unchanged;
        return q.text(0);
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Ошибка выполнения запроса ") + sql + QLatin1Char('|') + e.message());
        return unchanged;
    }
}

QString DbUtils::exec(Transaction& tr, const QString& sql, const QVariantList& params, bool commit)
{
    try {
        Query q(tr, sql);
        bindList(q, params);
        q.execute();
        if (commit && tr.active())
            tr.commit();
        return QString();
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Ошибка выполнения запроса ") + sql + QLatin1Char('|') + e.message());
        return e.message().isEmpty() ? QStringLiteral("Ошибка выполнения запроса") : e.message();
    }
}

QString DbUtils::sql_value(const QString& sql, const QVariantList& params, const QString& unchanged)
{
    return value(db_.main(), sql, params, unchanged);
}

QString DbUtils::sql_value_entry(const QString& sql, const QVariantList& params, const QString& unchanged)
{
    return value(db_.entry(), sql, params, unchanged);
}

QString DbUtils::sql_exec(const QString& sql, const QVariantList& params, bool commit)
{
    return exec(db_.main(), sql, params, commit);
}

QString DbUtils::sql_exec_entry(const QString& sql, const QVariantList& params, bool commit)
{
    return exec(db_.entry(), sql, params, commit);
}

QString DbUtils::sql_xml(const QString& sql, const QVariantMap& params)
{
    QString out;
    try {
        Query q(db_.main(), sql);
        bindMap(q, params);
        q.open();
        const int n = q.fieldCount();
        QStringList names;
        for (int i = 0; i < n; ++i)
            names << q.fieldInfo(i).name;
        for (; !q.eof(); q.next()) {
            out += QStringLiteral("<item>");
            for (int i = 0; i < n; ++i) {
                const QString& name = names[i];
                const QString value = name.compare(QStringLiteral("LOGO"), Qt::CaseInsensitive) == 0
                                          ? base64_encode(q.bytes(i))
                                          : xml_escape(q.text(i));
                out += QLatin1Char('<') + name + QLatin1Char('>') + value + QStringLiteral("</") + name + QLatin1Char('>');
            }
            out += QStringLiteral("</item>");
        }
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Ошибка выполнения запроса ") + sql + QLatin1Char('|') + e.message());
    }
    return out;
}

QString DbUtils::browsesqls(const QString& sql, const QVariantMap& params)
{
    return QStringLiteral("<data>") + sql_xml(sql, params) + QStringLiteral("</data>");
}

void DbUtils::db_log(const Query& q, const QString& table)
{
    QString prms;
    for (int i = 0;; ++i) {
        // paramText returns an empty text past the last parameter; count through the prepared ones
        if (i >= const_cast<Query&>(q).paramCount())
            break;
        prms += q.paramText(i) + QLatin1Char('|');
    }
    const QDateTime now = QDateTime::currentDateTime();
    try {
        Query j(db_.main(), QStringLiteral("INSERT INTO JRNL (DAT, TIM, QUERY_UPD, OPER_NOM, TAB_NAME, PRMS) "
                                           "VALUES (:DAT, :TIM, :QUERY_UPD, :OPER_NOM, :TAB_NAME, :PRMS)"));
        j.setParam(QStringLiteral("DAT"), now.date());
        j.setParam(QStringLiteral("TIM"), now.time().toString(QStringLiteral("hh:mm:ss")));
        j.setParam(QStringLiteral("QUERY_UPD"), q.sql());
        j.setParam(QStringLiteral("OPER_NOM"), operator_ ? operator_() : QString());
        j.setParam(QStringLiteral("TAB_NAME"), table);
        j.setParam(QStringLiteral("PRMS"), prms);
        j.execute();
        db_.main().commit();
    } catch (const DbError& e) {
        log_.writelog(QStringLiteral("Ошибка записи в журнал изменений|") + e.message());
    }
}

QString DbUtils::exec_logged(const QString& sql, const QVariantMap& params, const QString& table)
{
    try {
        Query q(db_.main(), sql);
        bindMap(q, params);
        q.execute();
        db_.main().commit();
        db_log(q, table);
        return QString();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка выполнения запроса ") + sql + QLatin1Char('|') + e.message());
        return e.message();
    }
}
