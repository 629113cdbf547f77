#include "core/payment_record.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"

RecordAccess RecordAccess::of(const WorkingState& ws, bool edit, bool current_shift)
{
    RecordAccess a;
    a.print = (!ws.repprn && current_shift) || (ws.fr_driver >= 1 && ws.fr_driver <= 4);
    a.save = edit && ws.cur_role != QLatin1String("3") && !(ws.cur_role == QLatin1String("2") && ws.pmntedt);
    return a;
}

PaymentRecord PaymentRecord::load(Database& db, const QString& uid)
{
    PaymentRecord r;
    r.uid = uid;
    {
        Query q(db.main(), QStringLiteral(
                               "SELECT P.COM_UID, P.FR_UID, P.KOD_SRV, S.PRIM, P.CLNT_ID, P.FIO, P.PRNSTAT, P.AB_NOM, "
                               "P.PHONE, P.BARCD_NUM, P.MES, P.ADR, P.PMNT_CM, P.PODR, P.SUM_PRIH, P.DAT, P.TIM, O.OPER, "
                               "P.EXP_DATE, P.EXP_UID, E.DAT AS EXPORTED, P.COM_TYPE, "
                               "P.CNTR1, P.CNTR2, P.CNTR3, P.CNTR4, P.CNTR5, P.CNTR6, P.CNTR7, P.CNTR8, P.CNTR9, P.CNTR10, "
                               "P.EXP1, P.EXP2, P.EXP3, P.EXP4, P.EXP5, FR.TXT1 "
                               "FROM PAYMENTS P LEFT JOIN SERVICE S ON S.KOD_SRV=P.KOD_SRV "
                               "LEFT JOIN OPERATOR O ON O.OPER_NOM=P.OPER_NOM LEFT JOIN EXPRT E ON E.EXP_UID=P.EXP_UID "
                               "LEFT JOIN FR ON FR.FR_UID=P.FR_UID WHERE P.UID=:UID"));
        q.setParam(QStringLiteral("UID"), uid);
        q.open();
        if (q.eof())
            return r;
        r.found = true;
        int i = 0;
        r.com_uid = q.text(i++);
        r.fr_uid = q.text(i++);
        r.kod_srv = q.text(i++);
        r.service_name = q.text(i++);
        r.clnt_id = q.text(i++);
        r.fio = q.text(i++).left(50);
        r.prnstat = q.text(i++);
        r.ab_nom = q.text(i++);
        r.phone = q.text(i++);
        r.barcd_num = q.text(i++);
        r.mes = q.text(i++);
        r.adr = q.text(i++).left(100);
        r.pmnt_cm = q.text(i++);
        r.podr = q.text(i++);
        r.sum = q.amount(i++);
        r.dat = q.text(i++);
        r.tim = q.text(i++);
        r.oper = q.text(i++);
        r.exp_date = q.text(i++);
        r.exp_uid = q.text(i++);
        r.exported_dat = q.text(i++);
        const QString comType = q.text(i++);
        for (int k = 0; k < 10; ++k)
            r.counters << q.text(i++);
        for (int k = 0; k < 5; ++k)
            r.extra << q.text(i++);
        r.receipt_text = q.text(i++);
        q.close();

        Query c(db.main(), QStringLiteral("SELECT P.SUM_PRIH, P.KOD_SRV, S.DEBET FROM PAYMENTS P LEFT JOIN SERVICE S "
                                          "ON S.KOD_SRV=P.KOD_SRV WHERE P.UID=:UID"));
        c.setParam(QStringLiteral("UID"), r.com_uid);
        c.open();
        if (!c.eof()) {
            r.commission = c.amount(0);
            r.commission_kod_srv = c.text(1);
            r.internal_commission = comType.isEmpty() ? !c.text(2).isEmpty() : comType == QLatin1String("0");
        } else {
            r.internal_commission = comType == QLatin1String("0");
        }
        c.close();
    }
    {
        Query q(db.main(), QStringLiteral("SELECT NALPRD, STATPLAT, OSNPLAT, DATAND, INN, TIPNP, KBK, OKATO, N_PLAT, "
                                          "NOM_PP, LS, UIP, KOD_ORG FROM PP WHERE UID=:UID"));
        q.setParam(QStringLiteral("UID"), uid);
        q.open();
        if (!q.eof()) {
            int i = 0;
            for (QString* f : {&r.nalprd, &r.statplat, &r.osnplat, &r.datand, &r.inn, &r.tipnp, &r.kbk, &r.okato,
                               &r.n_plat, &r.nom_pp, &r.ls, &r.uip, &r.kod_org})
                *f = q.text(i++);
        }
        q.close();
    }
    {
        Query q(db.main(), QStringLiteral("SELECT PODR FROM BIS ORDER BY PODR;"));
        for (q.open(); !q.eof(); q.next())
            r.departments << q.text(0);
        q.close();
    }
    {
        Query q(db.main(), QStringLiteral("SELECT ORGN.KOD_ORG,SPAYEE||' ('||ACC||')' FROM ORGN INNER JOIN ORG_SRV ON "
                                          "ORG_SRV.KOD_ORG=ORGN.KOD_ORG WHERE ORG_SRV.KOD_SRV=:KOD_SRV ORDER BY SPAYEE,ACC;"));
        q.setParam(QStringLiteral("KOD_SRV"), r.kod_srv);
        for (q.open(); !q.eof(); q.next())
            r.payees.push_back({q.text(0), q.text(1)});
        q.close();
    }
    return r;
}
