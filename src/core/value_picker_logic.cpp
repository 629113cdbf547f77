#include "core/value_picker_logic.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/user_dialogs.h"
#include <QRegularExpression>

ValuePickerLogic::ValuePickerLogic(Transaction& tr, QString sql, QVariantMap params)
    : tr_(tr), sql_(std::move(sql)), params_(std::move(params))
{
}

QString ValuePickerLogic::upper(const QString& s)
{
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 0x0430 && c.unicode() <= 0x044F)
            c = QChar(c.unicode() - 0x20);
    return out;
}

QString ValuePickerLogic::firstColumn() const
{
    const QStringList c = model_.columnNames();
    return c.isEmpty() ? QString() : c.first().toUpper();
}

void ValuePickerLogic::run()
{
    QVariantMap p = params_;
    p.insert(QStringLiteral("FLT"), upper(filter_));
    model_.load(tr_, sql_, p);
}

void ValuePickerLogic::open()
{
    filter_.clear();
    run();
}

void ValuePickerLogic::setFilter(const QString& text, const QString& dom, const QString& kv)
{
    filter_ = text;
    const QString first = firstColumn();
    if (first == QLatin1String("ID"))
        return;
    if (first == QLatin1String("ADR_ID")) {
        if (dom.isEmpty())
            return;
        params_.insert(QStringLiteral("DOM"), dom);
        params_.insert(QStringLiteral("KV"), kv);
    }
    run();
}

ValuePickerLogic::Directory ValuePickerLogic::directory() const
{
    const QString first = firstColumn();
    if (first == QLatin1String("KBK"))
        return Directory::Kbk;
    if (first == QLatin1String("OKATO"))
        return Directory::Okato;
    return Directory::None;
}

bool ValuePickerLogic::execute(const QString& sql, const QVariantMap& params, const QString& table,
                               UserDialogs& dialogs)
{
    try {
        Query q(tr_, sql);
        DbUtils::bindMap(q, params);
        q.execute();
        tr_.commit();
        if (journal)
            journal->db_log(q, table);
    } catch (const DbError& e) {
        tr_.rollback();
        dialogs.message(e.message(), QString(), UserDialogs::Icon::Error);
        return false;
    }
    try {
        run();
    } catch (const DbError& e) {
        dialogs.message(e.message(), QString(), UserDialogs::Icon::Error);
    }
    return true;
}

bool ValuePickerLogic::addDirectoryRow(UserDialogs& dialogs, const QString& code, const QString& text1,
                                       const QString& text2)
{
    const Directory dir = directory();
    if (dir == Directory::None)
        return false;
    const int digits = dir == Directory::Kbk ? 20 : 11;
    const QString c = code.trimmed();
    if (!QRegularExpression(QStringLiteral("^\\d{%1}$").arg(digits)).match(c).hasMatch()) {
        dialogs.message(dir == Directory::Kbk ? QStringLiteral("Код КБК должен состоять из 20 цифр.")
                                              : QStringLiteral("Код ОКАТО должен состоять из 11 цифр."),
                        QString(), UserDialogs::Icon::Warning);
        return false;
    }
    if (dir == Directory::Kbk) {
        if (!dialogs.askYesNo(QStringLiteral("Добавить КБК в справочник?")))
            return false;
        Query exists(tr_, QStringLiteral("SELECT COUNT(*) FROM KBK WHERE KBK=:KBK"));
        exists.setParam(QStringLiteral("KBK"), c);
        exists.open();
        const bool found = exists.integer(0) > 0;
        exists.close();
        if (found && !dialogs.askYesNo(QStringLiteral("Данный КБК уже существует в справочнике, заменить?")))
            return false;
        return execute(QStringLiteral("UPDATE OR INSERT INTO KBK (KBK,PRIM1,SOCR) VALUES (:KBK,:PRIM1,:SOCR)"),
                       {{QStringLiteral("KBK"), c}, {QStringLiteral("PRIM1"), text1}, {QStringLiteral("SOCR"), text2}},
                       QStringLiteral("KBK"), dialogs);
    }
    if (!dialogs.askYesNo(QStringLiteral("Добавить ОКАТО в справочник?")))
        return false;
    return execute(QStringLiteral("INSERT INTO OKATO2 (OKATO,SOCR,NAME) VALUES (:OKATO,:SOCR,:NAME)"),
                   {{QStringLiteral("OKATO"), c}, {QStringLiteral("SOCR"), text1}, {QStringLiteral("NAME"), text2}},
                   QStringLiteral("OKATO2"), dialogs);
}

bool ValuePickerLogic::deleteRow(UserDialogs& dialogs, int row)
{
    if (row < 0 || row >= model_.rows())
        return false;
    const QString first = firstColumn();
    QString sql, table;
    if (first == QLatin1String("CLNT_ID"))
        sql = QStringLiteral("DELETE FROM IDNTF WHERE CLNT_ID=:UID"), table = QStringLiteral("IDNTF");
    else if (first == QLatin1String("KBK"))
        sql = QStringLiteral("DELETE FROM KBK WHERE KBK=:UID"), table = QStringLiteral("KBK");
    else if (first == QLatin1String("OKATO"))
        sql = QStringLiteral("DELETE FROM OKATO2 WHERE OKATO=:UID"), table = QStringLiteral("OKATO2");
    else
        return false;
    const QString key = model_.text(row, 0);
    if (!dialogs.askYesNo(QStringLiteral("Удалить запись ") + key + QStringLiteral("?")))
        return false;
    return execute(sql, {{QStringLiteral("UID"), key}}, table, dialogs);
}
