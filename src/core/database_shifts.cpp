#include "core/database_shifts.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/clock.h"
#include "util/log.h"
#include <QDate>

DatabaseShiftOperations::DatabaseShiftOperations(WorkingState& ws, Database& db, DbUtils& utils, Log& log,
                                                 const Clock& clock)
    : ws_(ws), db_(db), utils_(utils), log_(log), clock_(clock)
{
}

bool DatabaseShiftOperations::openRow()
{
    const QString nom = utils_.genid(QStringLiteral("smena_nom_gen"));
    if (nom.isEmpty())
        return false;
    try {
        Query ins(db_.main(), QStringLiteral("INSERT INTO SMENA (SMENA_NOM,OPN_DAT,OPN_TIM,OPER_NOM,PODR) VALUES "
                                             "(:SMENA_NOM,current_date,substring (current_time from 1 for 8),:OPER_NOM,:PODR)"));
        ins.setParam(QStringLiteral("SMENA_NOM"), nom);
        ins.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        ins.setParam(QStringLiteral("PODR"), ws_.cur_podr);
        ins.execute();
        db_.main().commit();
        Query upd(db_.main(), QStringLiteral("UPDATE OPERATOR SET OPENDATE=:OPENDATE, SMENA_NOM=:SMENA_NOM WHERE OPER_NOM=:OPER_NOM;"));
        upd.setParam(QStringLiteral("OPENDATE"), clock_.today().toString(QStringLiteral("ddMMyy")));
        upd.setParam(QStringLiteral("SMENA_NOM"), nom);
        upd.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        upd.execute();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка открытия смены: ") + e.message());
        return false;
    }
    ws_.cur_smena_nom = nom;
    return true;
}

bool DatabaseShiftOperations::closeRow(const QString& acqCheque)
{
    try {
        Query sel(db_.main(), QStringLiteral("SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM=:OPER_NOM"));
        sel.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        sel.open();
        ws_.cur_smena_nom = sel.eof() ? QString() : sel.text(0);
        sel.close();
        log_.writelog(QStringLiteral("Закрывается смена ") + ws_.cur_smena_nom);
        Query upd(db_.main(), QStringLiteral("UPDATE SMENA SET CLS_DAT=current_date, CLS_TIM=substring (current_time from 1 for 8), "
                                             "acq_cheque = :cheque WHERE SMENA_NOM=:SMENA_NOM"));
        upd.setParam(QStringLiteral("cheque"), acqCheque);
        upd.setParam(QStringLiteral("SMENA_NOM"), ws_.cur_smena_nom);
        upd.execute();
        db_.main().commit();
        Query op(db_.main(), QStringLiteral("UPDATE OPERATOR SET SMENA_NOM=Null WHERE OPER_NOM=:OPER_NOM"));
        op.setParam(QStringLiteral("OPER_NOM"), ws_.cur_oper_nom);
        op.execute();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка закрытия смены: ") + e.message());
        return false;
    }
    log_.writelog(QStringLiteral("Cмена ") + ws_.cur_smena_nom + QStringLiteral(" закрыта."));
    return true;
}

bool DatabaseShiftOperations::OpenSession()
{
    log_.writelog(QStringLiteral("Открытие смены"));
    openRow();
    if (refreshLists)
        refreshLists();
    if (statusRefresh)
        statusRefresh(false, true);
    return true;
}

void DatabaseShiftOperations::CloseSession()
{
    log_.writelog(QStringLiteral("Закрытие смены"));
    closeRow();
    if (refreshLists)
        refreshLists();
    if (statusRefresh)
        statusRefresh(false, false);
}
