#include "core/payment_cancellation.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "util/log.h"
#include "util/user_dialogs.h"

PaymentCancellation::PaymentCancellation(WorkingState& ws, Database& db, DbUtils& utils, Log& log,
                                         UserDialogs& dialogs, CancellationDevices& devices)
    : ws_(ws), db_(db), utils_(utils), log_(log), dialogs_(dialogs), devices_(devices)
{
}

PaymentCancellation::Result PaymentCancellation::fail()
{
    devices_.fr_disconnect();
    dialogs_.message(QString::fromUtf8(kFailed));
    return Result::Failed;
}

QStringList PaymentCancellation::notice(const QString& uid, const QString& reason)
{
    Query q(db_.main(), QStringLiteral(
                            "select uid, dat, cast(round(sum_prih, 2) as varchar(12)), ab_nom, s.prim, o.oper, "
                            "p.smena_nom, b.chkftr from payments p inner join service s on s.kod_srv=p.kod_srv "
                            "inner join operator o on o.oper_nom=p.oper_nom left join bis b on b.podr=p.podr "
                            "where p.uid=:uid"));
    q.setParam(QStringLiteral("uid"), uid);
    q.open();
    QStringList lines;
    if (q.eof())
        return lines;
    lines << QStringLiteral("Сообщение об отмене платежа") << QStringLiteral(" ")
          << QStringLiteral("Платеж №") + q.text(0) + QStringLiteral(" от ") + q.text(1)
          << QStringLiteral("На сумму: ") + Money::parseOr0(q.text(2)).text()
          << QStringLiteral("По лицевому счету: ") + q.text(3)
          << QStringLiteral("В пользу организации: ") + q.text(4) << QStringLiteral("Кассир: ") + q.text(5)
          << QStringLiteral("Смена №: ") + q.text(6) << QStringLiteral(" ")
          << QStringLiteral("Сообщение об ошибке: ") + reason << QStringLiteral(" ") << q.text(7);
    q.close();
    return lines;
}

bool PaymentCancellation::deleteLocally(const QString& uid, const QString& comUid, const QString& acqId)
{
    try {
        Query q(db_.main());
        if (!acqId.isEmpty()) {
            q.setSql(QStringLiteral("DELETE FROM PAYMENTS WHERE ACQ_ID=:ACQ_ID;"));
            q.setParam(QStringLiteral("ACQ_ID"), acqId.toLongLong());
        } else {
            q.setSql(QStringLiteral("DELETE FROM PAYMENTS WHERE UID=:UID OR UID=:UID1;"));
            q.setParam(QStringLiteral("UID"), uid);
            q.setParam(QStringLiteral("UID1"), comUid);
        }
        q.execute();
        db_.main().commit();
        utils_.db_log(q, QStringLiteral("PAYMENTS"));
        return true;
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка удаления платежа ") + uid + QStringLiteral("|") + e.message());
        dialogs_.message(QStringLiteral("Не удалось удалить платеж: ") + e.message(), QString(), UserDialogs::Icon::Error);
        return false;
    }
}

PaymentCancellation::Result PaymentCancellation::cancel(const QString& uid, bool current_shift)
{
    // 1. the payment
    log_.writelog(QStringLiteral("Выполнение возврата платежа ") + uid);
    QString comUid, delUrl, acqId, extId;
    int useLs = 0, department = 0;
    Money amount;
    {
        Query q(db_.main(), QStringLiteral(
                                "SELECT COM_UID, SUM_PRIH ,service.use_ls,rs.rs_delurl,service.department, acq_id, "
                                "ext_id FROM PAYMENTS inner join service on payments.kod_srv=service.kod_srv "
                                "left join rs on rs.rs_id=service.rs_id WHERE PAYMENTS.UID=:UID"));
        q.setParam(QStringLiteral("UID"), uid);
        q.open();
        if (q.eof())
            return Result::NotFound;
        comUid = q.text(0);
        useLs = static_cast<int>(q.integer(2));
        delUrl = q.text(3).trimmed();
        department = static_cast<int>(q.integer(4));
        acqId = q.text(5);
        extId = q.text(6);
        q.close();
    }
    const bool card = !acqId.isEmpty();

    // 2. the refund: every payment of the card transaction or of the receipt, without the commission
    // rows the provider pays
    {
        const QString sql = card ? QStringLiteral(
                                       "SELECT SUM(P.SUM_PRIH) FROM PAYMENTS P INNER JOIN SERVICE S ON "
                                       "P.KOD_SRV=S.KOD_SRV WHERE P.ACQ_ID=:ACQ_ID AND (S.DEBET IS NULL OR S.DEBET='')")
                                 : QStringLiteral(
                                       "SELECT SUM(P.SUM_PRIH) FROM PAYMENTS P INNER JOIN SERVICE S ON "
                                       "P.KOD_SRV=S.KOD_SRV WHERE P.FR_UID=(SELECT FR_UID FROM PAYMENTS WHERE "
                                       "UID=:UID) AND (S.DEBET IS NULL OR S.DEBET='')");
        Query q(db_.main(), sql);
        if (card)
            q.setParam(QStringLiteral("ACQ_ID"), acqId.toLongLong());
        else
            q.setParam(QStringLiteral("UID"), uid);
        q.open();
        if (!q.eof())
            amount = q.amount(0);
        q.close();
        if (!card)
            log_.writelog(QStringLiteral("Сумма возврата (платеж наличными) ") + amount.toString());
    }

    // 3. who may cancel
    if (!current_shift && ws_.cur_role != QLatin1String("0"))
        return Result::NotAllowed;
    if (!dialogs_.askYesNo(QStringLiteral("Удалить платеж с уникальным номером ") + uid + QStringLiteral(", на сумму ") +
                           amount.toString() + QStringLiteral("?")))
        return Result::Declined;

    // 4. the register
    log_.writelog(QStringLiteral("Возврат"));
    devices_.fr_connect();
    ReturnReceipt receipt;
    receipt.amount = amount;
    receipt.uid = uid;
    receipt.card = card;
    receipt.department = department;

    // 5. the card transaction
    if (card) {
        log_.writelog(QStringLiteral("Отмена операции."));
        qint64 newId = 0;
        if (devices_.pinpad_cancel(acqId.toLongLong(), &newId) != 0)
            return fail(); // nothing was returned to the card: no return receipt
        Query q(db_.main(), QStringLiteral("SELECT CHEQUE FROM ACQUIRING WHERE ID=:ID"));
        q.setParam(QStringLiteral("ID"), newId);
        q.open();
        const QString slip = q.eof() ? QString() : q.text(0);
        q.close();
        if (!slip.isEmpty())
            devices_.print_text(slip.split(QLatin1Char('\n')));
    }

    // 6. the reason
    if (ws_.cmtondel) {
        const auto reason = dialogs_.askText(QStringLiteral("Причина отмены."), QStringLiteral("Укажите причину отмены: "));
        if (!reason || reason->trimmed().isEmpty())
            return fail();
        receipt.note = reason->trimmed();
        receipt.extra_lines = notice(uid, receipt.note);
    }

    // 7. the return receipt
    int code = 0;
    const int err = devices_.print_receipt(receipt, code);
    if (err != 0 && ws_.cur_role != QLatin1String("0") &&
        (ws_.fr_driver == 0 || ws_.fr_driver == 5 || ws_.fr_driver == 6))
        return fail();
    devices_.fr_disconnect();

    // 8. the provider's copy
    if (useLs > 1 && !delUrl.isEmpty()) {
        QString url = delUrl;
        url.replace(QStringLiteral("<<uid>>"), uid);
        log_.writelog(QStringLiteral("Удаление платежа, запрос: ") + url);
        const ProviderDeletion d = devices_.provider_delete(url);
        log_.writelog(QStringLiteral("Удаление платежа, ответ: ") + (d.sent ? d.reply : d.error));
        if (!d.sent) {
            dialogs_.message(QString::fromUtf8(kFailed));
            return Result::Failed;
        }
        if (d.code != QLatin1String("0")) {
            if (!d.message.isEmpty())
                dialogs_.message(d.message);
            dialogs_.message(QString::fromUtf8(kFailed));
            return Result::Failed;
        }
    }

    Result result = Result::Deleted;
    if (!extId.isEmpty() && !ws_.central_mode.isEmpty()) {
        // 9. the central server deletes it and confirms
        if (!devices_.central_delete(uid)) {
            dialogs_.message(QString::fromUtf8(kFailed));
            return Result::Failed;
        }
        result = Result::Pending;
        if (!ws_.online) {
            if (refreshLists)
                refreshLists();
            dialogs_.message(QString::fromUtf8(kPending));
        } else if (refreshLists) {
            refreshLists();
        }
    } else {
        // 10. here
        if (!deleteLocally(uid, comUid, acqId))
            return Result::Failed;
        if (refreshLists)
            refreshLists();
    }
    // 11.
    if (statusRefresh)
        statusRefresh();
    return result;
}
