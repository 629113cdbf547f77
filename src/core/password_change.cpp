#include "core/password_change.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include "util/log.h"
#include "util/md5.h"
#include "util/user_dialogs.h"

PasswordChange::PasswordChange(WorkingState& ws, Database& db, Log& log, UserDialogs& dialogs)
    : ws_(ws), db_(db), log_(log), dialogs_(dialogs)
{
}

QString PasswordChange::storedPass()
{
    Query q(db_.main(), QStringLiteral("SELECT PASS FROM OPERATOR WHERE OPER_NOM=:OPER_NOM"));
    q.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
    q.open();
    const QString p = q.eof() ? QString() : q.text(0);
    q.close();
    db_.main().commit();
    return p;
}

PasswordChange::Result PasswordChange::run()
{
    const QString caption = QString::fromUtf8(kCaption);
    const auto old = dialogs_.askText(caption, QStringLiteral("Введите старый пароль :"), QString(), true);
    if (!old)
        return Result::Cancelled;
    const auto pass1 = dialogs_.askText(caption, QStringLiteral("Введите новый пароль :"), QString(), true);
    if (!pass1)
        return Result::Cancelled;
    const auto pass2 = dialogs_.askText(caption, QStringLiteral("Введите новый пароль еще раз :"), QString(), true);
    if (!pass2)
        return Result::Cancelled;

    Result result = Result::Failed;
    try {
        if (md5(*old) != storedPass()) {
            dialogs_.message(QStringLiteral("Неправильно введен старый пароль"));
            return Result::WrongOld;
        }
        if (*pass1 != *pass2) {
            dialogs_.message(QStringLiteral("Новый пароль и подтверждение не совпадают"));
            return Result::Mismatch;
        }
        const QString hash = md5(*pass1);
        if (!ws_.central_mode.isEmpty()) {
            if (centralRequest)
                centralRequest(QStringLiteral("pswdch"), QStringLiteral("newpass=") + hash);
            if (storedPass() == hash) {
                ws_.cur_pass_hash = hash;
                dialogs_.message(QStringLiteral("Пароль изменен."));
                result = Result::Changed;
            } else {
                dialogs_.message(QStringLiteral("Не удалось изменить пароль."));
            }
        } else {
            Query q(db_.main(), QStringLiteral("UPDATE OPERATOR SET PASS=:PASS WHERE OPER_NOM=:OPER_NOM"));
            q.setParam(QStringLiteral("PASS"), hash);
            q.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
            q.execute();
            db_.main().commit();
            ws_.cur_pass_hash = hash;
            log_.writelog(QStringLiteral("Пароль изменен"));
            dialogs_.message(QStringLiteral("Пароль изменен"));
            result = Result::Changed;
        }
    } catch (const DbError& e) {
        db_.main().rollback();
        dialogs_.message(QStringLiteral("Не удалось изменить пароль.") + QLatin1Char('\n') + e.message(), QString(),
                         UserDialogs::Icon::Error);
    }
    if (refreshLists)
        refreshLists();
    return result;
}
