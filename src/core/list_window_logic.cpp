#include "core/list_window_logic.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/user_dialogs.h"

const char* const ListWindowLogic::kBisExportsSql =
    "SELECT EXP_UID,DAT,TIM,OPER,SM,EXPRT.PODR FROM EXPRT INNER JOIN OPERATOR ON EXPRT.OPER_NOM=OPERATOR.OPER_NOM "
    "ORDER BY DAT DESC,TIM DESC";
const char* const ListWindowLogic::kShiftsSql =
    "SELECT SMENA.SMENA_NOM,OPN_DAT,OPN_TIM,CLS_DAT,CLS_TIM,OPER,SMENA.PODR FROM SMENA INNER JOIN OPERATOR ON "
    "SMENA.OPER_NOM=OPERATOR.OPER_NOM ORDER BY OPN_DAT DESC,OPN_TIM DESC";
const char* const ListWindowLogic::kOkatoSql = "SELECT OKATO,PRIM FROM OKATO ORDER BY OKATO";
const char* const ListWindowLogic::kActiveUsersSql =
    "SELECT mon$attachment_id,mon$remote_protocol,mon$remote_address,mon$timestamp,mon$remote_process FROM "
    "MON$ATTACHMENTS ORDER BY mon$timestamp";

ListWindowLogic::ListWindowLogic(Database& db, DbUtils& utils, UserDialogs& dialogs, QString caption, QString sql,
                                 QVariantMap params)
    : db_(db), utils_(utils), dialogs_(dialogs), caption_(std::move(caption)), sql_(std::move(sql)), params_(std::move(params))
{
}

void ListWindowLogic::open()
{
    try {
        model_.load(db_.main(), sql_, params_);
        db_.main().commit();
    } catch (...) {
        db_.main().rollback();
        throw;
    }
}

QString ListWindowLogic::firstColumn() const
{
    const QStringList c = model_.columnNames();
    return c.isEmpty() ? QString() : c.first().toUpper();
}

bool ListWindowLogic::deleteRule(const QString& column, QString* sql, QString* table)
{
    static const struct {
        const char* column;
        const char* sql;
        const char* table;
    } rules[] = {
        {"FIO", "DELETE FROM CUSTOMER WHERE FIO=:UID", "CUSTOMER"},
        {"KBK", "DELETE FROM KBK WHERE KBK=:UID", "KBK"},
        {"OKATO", "DELETE FROM OKATO WHERE OKATO=:UID", "OKATO"},
        {"EXP_UID", "DELETE FROM EXPRT WHERE EXP_UID=:UID", "EXPRT"},
    };
    for (const auto& r : rules) {
        if (column.compare(QLatin1String(r.column), Qt::CaseInsensitive) == 0) {
            *sql = QString::fromLatin1(r.sql);
            *table = QString::fromLatin1(r.table);
            return true;
        }
    }
    return false;
}

bool ListWindowLogic::remove(int row)
{
    QString sql, table;
    if (row < 0 || row >= model_.rows() || !deleteRule(firstColumn(), &sql, &table))
        return false;
    const QString k = key(row);
    if (!dialogs_.askYesNo(QStringLiteral("Удалить запись ") + k + QStringLiteral("?")))
        return false;
    QVariantMap p;
    p.insert(QStringLiteral("UID"), k);
    const QString err = utils_.exec_logged(sql, p, table);
    if (!err.isEmpty()) {
        dialogs_.message(err, QString(), UserDialogs::Icon::Error);
        return false;
    }
    open();
    return true;
}

ListWindowLogic::DoubleClick ListWindowLogic::doubleClick() const
{
    const QString c = firstColumn();
    if (c == QLatin1String("JR_UID"))
        return DoubleClick::Journal;
    if (c == QLatin1String("EXP_UID") || c == QLatin1String("SMENA_NOM"))
        return DoubleClick::Payments;
    if (c == QLatin1String("KOD_ORG") && choosing)
        return DoubleClick::Choose;
    return DoubleClick::None;
}

QString ListWindowLogic::paymentsSql() const
{
    return QStringLiteral("SELECT PAYMENTS.NDOC, PAYMENTS.UID, PAYMENTS.DAT, PAYMENTS.TIM, SERVICE.PRIM,PAYMENTS.SUM_PRIH, "
                          "PAYMENTS.FIO, OPERATOR.OPER FROM PAYMENTS INNER JOIN SERVICE ON PAYMENTS.KOD_SRV=SERVICE.KOD_SRV "
                          "INNER JOIN OPERATOR ON PAYMENTS.OPER_NOM=OPERATOR.OPER_NOM WHERE PAYMENTS.") +
           firstColumn() + QStringLiteral("=:UID ORDER BY PAYMENTS.UID");
}

QString ListWindowLogic::reportText(int row)
{
    if (firstColumn() != QLatin1String("EXP_UID") || row < 0 || row >= model_.rows())
        return QString();
    Query q(db_.main(), QStringLiteral("SELECT RPT FROM EXPRT WHERE EXP_UID=:EXP_UID"));
    q.setParam(QStringLiteral("EXP_UID"), key(row).toLongLong());
    q.open();
    const QString t = q.eof() ? QString() : q.text(0);
    q.close();
    db_.main().commit();
    return t;
}
