#pragma once
#include "util/money.h"
#include <QString>
#include <QStringList>
#include <vector>

struct WorkingState;
class Database;

// What the payment record window may do when it is opened from the payment grid.
struct RecordAccess {
    bool print = false; // "Печать чека"
    bool save = false;  // "Сохранить"
    // F1 opens for viewing, F9 (`edit`) for editing.
    static RecordAccess of(const WorkingState& ws, bool edit, bool current_shift);
};

// One stored payment as the record window shows it: the payment, its commission payment, the receipt
// text and the budget details.
struct PaymentRecord {
    QString uid, com_uid, fr_uid, kod_srv, service_name, commission_kod_srv, clnt_id, fio, prnstat;
    QString ab_nom, phone, barcd_num, mes, adr, pmnt_cm, podr;
    Money sum, commission;
    bool internal_commission = false; // "(внутренняя)"
    QString dat, tim, oper;
    QString exp_date, exp_uid, exported_dat; // planned export date, the export and its date
    QStringList counters; // CNTR1..CNTR10
    QStringList extra;    // EXP1..EXP5
    QString receipt_text; // FR.TXT1
    // PP
    QString nalprd, statplat, osnplat, datand, inn, tipnp, kbk, okato, n_plat, nom_pp, ls, uip, kod_org;
    QStringList departments; // SELECT PODR FROM BIS ORDER BY PODR
    struct Payee {
        QString kod_org, name;
    };
    std::vector<Payee> payees; // the service's payees
    bool found = false;

    // Throws DbError on a database error; `found` is false for an unknown payment.
    static PaymentRecord load(Database& db, const QString& uid);
};
