#include "core/login_logic.h"
#include "core/department_list.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include "util/log.h"
#include "util/md5.h"
#include <QFile>
#include <QSaveFile>

LoginLogic::LoginLogic(WorkingState& ws, Database& db, Log& log, QString userFile)
    : ws_(ws), db_(db), log_(log), userFile_(std::move(userFile))
{
}

void LoginLogic::activate()
{
    if (!ws_.central_mode.isEmpty() && beforeUserList)
        beforeUserList();
    users_.clear();
    QString sql = QStringLiteral("SELECT OPER_NOM, OPER FROM OPERATOR WHERE BLK is Null");
    if (!ws_.central_mode.isEmpty())
        sql += QStringLiteral(" and usrrol='2'");
    sql += QStringLiteral(" ORDER BY OPER;");
    Query q(db_.main(), sql);
    for (q.open(); !q.eof(); q.next())
        users_.append(User{q.text(0), q.text(1)});
    q.close();
    db_.main().commit();

    initial_ = 0;
    QFile f(userFile_);
    if (f.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const int i = QString::fromLatin1(f.readAll()).trimmed().toInt(&ok);
        if (ok && i >= 0 && i < users_.size())
            initial_ = i;
    }
}

void LoginLogic::selectUser(int index)
{
    departments_.clear();
    podrIndex_ = -1;
    role_.clear();
    if (index < 0 || index >= users_.size())
        return;
    address_ = DepartmentList::clientAddress(db_);
    log_.writelog(QStringLiteral("Адрес рабочего места: ") + address_);
    QString podr;
    Query q(db_.main(), QStringLiteral("SELECT PODR, USRROL, SMENA_NOM FROM OPERATOR WHERE OPER_NOM=:OPER_NOM"));
    q.setParam(QStringLiteral("OPER_NOM"), users_[index].oper_nom);
    q.open();
    if (!q.eof()) {
        podr = q.text(0);
        role_ = q.text(1);
    }
    q.close();
    if (!ws_.central_mode.isEmpty())
        role_ = QStringLiteral("2");
    departments_ = DepartmentList::load(db_, role_, address_, ws_.fixed_podr);
    db_.main().commit();
    podrIndex_ = departments_.isEmpty() ? -1 : qMax(0, static_cast<int>(departments_.indexOf(podr)));
}

LoginLogic::Result LoginLogic::login(int userIndex, const QString& podr, const QString& password)
{
    if (userIndex < 0 || userIndex >= users_.size())
        return Result::NoUser;
    if (podr.isEmpty())
        return Result::NoDepartment;
    const User& u = users_[userIndex];
    ws_.cur_oper_nom = u.oper_nom;
    ws_.cur_podr = podr;
    if (!ws_.central_mode.isEmpty() && afterChoice)
        afterChoice();

    QString pass;
    Query q(db_.main(), QStringLiteral("SELECT PASS FROM OPERATOR WHERE OPER_NOM=:OPER_NOM"));
    q.setParam(QStringLiteral("OPER_NOM"), u.oper_nom);
    q.open();
    const bool found = !q.eof();
    if (found)
        pass = q.text(0);
    q.close();
    db_.main().commit();

    // Only the user's own password opens the workstation; there is no service password.
    if (!found || pass.isEmpty() || md5(password).compare(pass, Qt::CaseInsensitive) != 0) {
        ws_.cur_oper_nom.clear();
        log_.writelog(QStringLiteral("Неправильный пароль пользователя ") + u.oper);
        return Result::WrongPassword;
    }
    ws_.cur_pass_hash = pass;
    QSaveFile f(userFile_);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QByteArray::number(userIndex));
        f.commit();
    }
    return Result::Accepted;
}
