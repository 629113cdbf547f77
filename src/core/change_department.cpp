#include "core/change_department.h"
#include "core/department_list.h"
#include "core/named_settings.h"
#include "core/register_session.h"
#include "core/status_refresh.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/log.h"

ChangeDepartment::ChangeDepartment(WorkingState& ws, Database& db, DbUtils& utils, Log& log, RegisterSession& reg,
                                   StatusRefresh& status)
    : ws_(ws), db_(db), utils_(utils), log_(log), reg_(reg), status_(status)
{
}

QStringList ChangeDepartment::departments()
{
    try {
        const QString address = ws_.isCashier() ? DepartmentList::clientAddress(db_) : QString();
        QStringList list = DepartmentList::load(db_, ws_.cur_role, address, ws_.fixed_podr);
        db_.main().commit();
        return list;
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка чтения подразделений: ") + e.message());
        return {};
    }
}

void ChangeDepartment::apply(const QString& podr)
{
    ws_.cur_podr = podr;
    QVariantMap p;
    p.insert(QStringLiteral("PODR"), podr);
    p.insert(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
    utils_.exec_logged(QStringLiteral("UPDATE SMENA SET PODR=:PODR WHERE SMENA_NOM=(SELECT SMENA_NOM FROM OPERATOR "
                                      "WHERE OPER_NOM=:OPER_NOM)"),
                       p, QStringLiteral("SMENA"));
    utils_.exec_logged(QStringLiteral("UPDATE PAYMENTS SET PODR=:PODR WHERE SMENA_NOM=(SELECT SMENA_NOM FROM OPERATOR "
                                      "WHERE OPER_NOM=:OPER_NOM)"),
                       p, QStringLiteral("PAYMENTS"));
    // the headers printed from now on are the new department's
    try {
        Query q(db_.main(), QStringLiteral("SELECT HDR,CHK_HDR,ID FROM BIS WHERE PODR=:PODR;"));
        q.setParam(QStringLiteral("PODR"), podr);
        q.open();
        ws_.report_header = q.eof() ? QString() : q.text(0);
        ws_.receipt_header = q.eof() ? QString() : q.text(1);
        ws_.podr_ident = q.eof() ? QString() : q.text(2);
        q.close();
        if (ws_.receipt_header.isEmpty())
            ws_.receipt_header = ws_.chk_hdr;
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка чтения подразделения: ") + e.message());
    }
    if (refreshLists)
        refreshLists();
}

bool ChangeDepartment::change_department()
{
    if (!choose)
        return false;
    const std::optional<QString> podr = choose(departments());
    if (!podr || podr->isEmpty())
        return false;
    apply(*podr);
    log_.writelog(QStringLiteral("Смена подразделения"));
    reg_.configure(ws_);
    reg_.fr_connect();
    status_.status_refresh(false, true);
    return true;
}
