#include "fiscal/shift_operations.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "fiscal/fiscal_printer.h"
#include "util/clock.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <exception>

namespace {
const QString kInsertShift = QStringLiteral(
    "INSERT INTO SMENA (SMENA_NOM,OPN_DAT,OPN_TIM,OPER_NOM,PODR) VALUES "
    "(:SMENA_NOM,current_date,substring (current_time from 1 for 8),:OPER_NOM,:PODR)");
const QString kUserShiftUpdate =
    QStringLiteral("UPDATE OPERATOR SET OPENDATE=:OPENDATE, SMENA_NOM=:SMENA_NOM WHERE OPER_NOM=:OPER_NOM;");
const QString kUserShift = QStringLiteral("SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM=:OPER_NOM");
const QString kCloseShift = QStringLiteral(
    "UPDATE SMENA SET CLS_DAT=current_date, CLS_TIM=substring (current_time from 1 for 8), acq_cheque = :cheque "
    "WHERE SMENA_NOM=:SMENA_NOM");
const QString kCloseShiftNoCheque = QStringLiteral(
    "UPDATE SMENA SET CLS_DAT=current_date, CLS_TIM=substring (current_time from 1 for 8) WHERE SMENA_NOM=:SMENA_NOM");
const QString kUserNoShift = QStringLiteral("UPDATE OPERATOR SET SMENA_NOM=Null WHERE OPER_NOM=:OPER_NOM");
const QString kCollectionAmount = QStringLiteral(
    "select sum(payments.sum_prih) from payments inner join service on payments.kod_srv=service.kod_srv "
    "where coalesce(service.debet, '') = '' and  smena_nom=(SELECT SMENA_NOM FROM OPERATOR WHERE OPER_NOM=:OPER_NOM)");
const QString kAppCaption = QStringLiteral("kvp");

QString n(int v) { return QString::number(v); }
} // namespace

ShiftOperationsService::ShiftOperationsService(FiscalPrinter* printer, Database& db, DbUtils& utils, ShiftContext& ctx,
                                               Log& log, Clock& clock, UserDialogs& dialogs)
    : printer_(printer), db_(db), utils_(utils), ctx_(ctx), log_(log), clock_(clock), dialogs_(dialogs)
{
}

ShiftOperationsService::~ShiftOperationsService() = default;

void ShiftOperationsService::log(const QString& text) { log_.writelog(text); }

void ShiftOperationsService::refresh(bool force_open, bool printer_shift_state)
{
    if (statusRefresh)
        statusRefresh(force_open, printer_shift_state);
}

// ---------------------------------------------------------------- database half

QString ShiftOperationsService::userShift()
{
    Query q(db_.main(), kUserShift);
    q.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
    q.open();
    const QString nom = q.eof() ? QString() : q.text(0);
    q.close();
    return nom;
}

// Inserts the new row and makes it the cashier's, inside the main transaction (not committed).
QString ShiftOperationsService::insertShift()
{
    const QString nom = utils_.genid(QStringLiteral("smena_nom_gen"));
    if (nom.isEmpty())
        throw DbError(QStringLiteral("не удалось получить номер смены"));
    Query ins(db_.main(), kInsertShift);
    ins.setParam(QStringLiteral("SMENA_NOM"), nom);
    ins.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
    ins.setParam(QStringLiteral("PODR"), ctx_.cur_podr);
    ins.execute();
    Query upd(db_.main(), kUserShiftUpdate);
    upd.setParam(QStringLiteral("OPENDATE"), clock_.today().toString(QStringLiteral("ddMMyy")));
    upd.setParam(QStringLiteral("SMENA_NOM"), nom);
    upd.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
    upd.execute();
    return nom;
}

bool ShiftOperationsService::openRow()
{
    try {
        const QString nom = insertShift();
        db_.main().commit();
        ctx_.cur_smena_nom = nom;
    } catch (const DbError& e) {
        db_.main().rollback();
        log(QStringLiteral("Ошибка открытия смены: ") + e.message());
        dialogs_.message(QStringLiteral("Не удалось открыть смену в базе данных: ") + e.message(), QString(),
                         UserDialogs::Icon::Error);
        return false;
    }
    if (refreshLists)
        refreshLists();
    return true;
}

bool ShiftOperationsService::closeRow(const QString& cheque)
{
    QString nom;
    try {
        nom = userShift();
        ctx_.cur_smena_nom = nom;
        log(QStringLiteral("Закрывается смена ") + nom);
        Query upd(db_.main(), kCloseShift);
        upd.setParam(QStringLiteral("cheque"), cheque);
        upd.setParam(QStringLiteral("SMENA_NOM"), nom);
        upd.execute();
        Query op(db_.main(), kUserNoShift);
        op.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
        op.execute();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log(QStringLiteral("Ошибка закрытия смены: ") + e.message());
        dialogs_.message(QStringLiteral("Не удалось закрыть смену в базе данных: ") + e.message(), QString(),
                         UserDialogs::Icon::Error);
        return false;
    }
    if (updsm && !nom.isEmpty())
        updsm(nom);
    if (refreshLists)
        refreshLists();
    log(QStringLiteral("Cмена ") + nom + QStringLiteral(" закрыта."));
    return true;
}

bool ShiftOperationsService::splitRow()
{
    try {
        const QString old = userShift();
        if (!old.isEmpty()) {
            Query upd(db_.main(), kCloseShiftNoCheque);
            upd.setParam(QStringLiteral("SMENA_NOM"), old);
            upd.execute();
        }
        Query op(db_.main(), kUserNoShift);
        op.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
        op.execute();
        const QString nom = insertShift();
        db_.main().commit();
        log(QStringLiteral("Смена ") + old + QStringLiteral(" разделена, новая смена ") + nom);
        ctx_.cur_smena_nom = nom;
    } catch (const DbError& e) {
        db_.main().rollback();
        log(QStringLiteral("Ошибка разделения смены: ") + e.message());
        dialogs_.message(QStringLiteral("Не удалось разделить смену в базе данных: ") + e.message(), QString(),
                         UserDialogs::Icon::Error);
        return false;
    }
    if (refreshLists)
        refreshLists();
    return true;
}

// ---------------------------------------------------------------- open and close

bool ShiftOperationsService::OpenSession()
{
    log(QStringLiteral("Открытие смены"));
    const int d = printer_ ? printer_->settings().fr_driver : FrWinPrinter;
    if (d == FrPrimNf)
        CloseSession();
    bool force_open = false;
    int code = 0;
    if (printer_) {
        printer_->fr_connect(printer_->settings().fr_password2);
        try {
            if (d == FrPrim && printer_->prim()) {
                code = printer_->prim()->ShiftOpen(QString());
            } else if (d == FrAtolFiscal && printer_->atol()) {
                AtolDriver* a = printer_->atol();
                a->put_Mode(1);
                a->SetMode();
                code = a->OpenSession();
                a->Resetmode();
                a->GetStatus();
            } else if (d == FrShtrihFiscal && printer_->shtrih()) {
                if (printer_->state().fr_shift_open) {
                    log(QStringLiteral("Смена на ФР \"Штрих\" уже была открыта."));
                    code = 0;
                } else {
                    log(QStringLiteral("Открываю смену на ФР \"Штрих\"."));
                    code = printer_->shtrih()->OpenSession();
                }
                log(QStringLiteral("Открытие смены фр штрих, результат: ") + n(code));
                if (code == -1) {
                    log(QStringLiteral("Ошибка -1 игнорируется."));
                    code = 0;
                    force_open = true;
                } else if (code == 55) {
                    log(QStringLiteral("Ошибка 55 игнорируется. Смена откроется следующим фискальным документом"));
                    code = 0;
                    force_open = true;
                }
            }
        } catch (const std::exception& e) {
            log(QStringLiteral("Открытие смены, ошибка: ") + QString::fromUtf8(e.what()));
            code = 10;
        }
    }
    if (code != 0) {
        if (!dialogs_.askYesNo(QStringLiteral("Ошибка открытия смены. Код ошибки: ") + n(code)
                                   + QStringLiteral(". Продолжить?"),
                               kAppCaption)) {
            log(QStringLiteral("Смена не открыта, работа программы завершается."));
            return false;
        }
        code = 0;
        force_open = true;
    }
    openRow();
    refresh(force_open, true);
    return true;
}

bool ShiftOperationsService::CloseSession()
{
    log(QStringLiteral("Закрытие смены"));
    const int d = printer_ ? printer_->settings().fr_driver : FrWinPrinter;
    int code = 0;
    QString cheque;
    if (printer_ && (d == FrPrim || d == FrShtrihFiscal || d == FrAtolFiscal)) {
        printer_->fr_connect(printer_->settings().fr_password2);
        if (ctx_.pinpad) {
            log(QStringLiteral("Z отчет POS"));
            QString text;
            const int pc = pinpad_->pinpad_z_report(text);
            if (pc == 0) {
                cheque = text;
                printer_->document_lines = text.split(QLatin1Char('\n'));
                for (QString& l : printer_->document_lines)
                    if (l.endsWith(QLatin1Char('\r')))
                        l.chop(1);
                printer_->print_text(false);
            } else {
                log(QStringLiteral("Z отчет POS не получен, код: ") + n(pc));
            }
        }
        try {
            if (d == FrPrim && printer_->prim()) {
                code = printer_->prim()->ShiftClose();
            } else if (d == FrAtolFiscal && printer_->atol()) {
                AtolDriver* a = printer_->atol();
                a->put_Mode(3);
                a->SetMode();
                a->put_ReportType(1);
                code = a->Report();
                a->GetStatus();
            } else if (d == FrShtrihFiscal && printer_->shtrih()) {
                code = printer_->shtrih()->PrintReportWithCleaning();
                log(QStringLiteral("Закрытие смены Штрих,код: ") + n(code));
                if (code == -1) {
                    log(QStringLiteral("Игнорируем ошибку -1"));
                    code = 0;
                }
            }
        } catch (const std::exception& e) {
            log(QStringLiteral("Закрытие смены, ошибка: ") + QString::fromUtf8(e.what()));
            code = 10;
        }
    }
    bool closed = false;
    if (code != 0) {
        dialogs_.message(QStringLiteral("Ошибка закрытия смены."), QString(), UserDialogs::Icon::Error);
    } else {
        closed = closeRow(cheque);
        if (closed && d == FrWinPrinter && cash_certificate_)
            cash_certificate_->close_cheque();
        // The closed shift stays named until its documents are printed; from now on there is none, so the
        // title and the menu do not take the closed shift's age for an open shift's.
        if (closed)
            ctx_.cur_smena_nom.clear();
    }
    log(QStringLiteral("Пауза после закрытия смены."));
    clock_.sleep(kAfterClosePauseMs);
    refresh(false, false);
    return closed;
}

// ---------------------------------------------------------------- cash desk

bool ShiftOperationsService::collection()
{
    Money amount;
    try {
        Query q(db_.main(), kCollectionAmount);
        q.setParam(QStringLiteral("OPER_NOM"), ctx_.cur_oper_nom);
        q.open();
        if (!q.eof() && !q.isNull(0))
            amount = q.amount(0);
        q.close();
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        log(QStringLiteral("Ошибка расчета суммы инкассации: ") + e.message());
        dialogs_.message(QStringLiteral("Не удалось рассчитать сумму инкассации: ") + e.message(), QString(),
                         UserDialogs::Icon::Error);
        return false;
    }
    const QString text = amount.toString();
    if (!dialogs_.askYesNo(QStringLiteral("Выполнить инкассацию на сумму ") + text + QStringLiteral("?")))
        return false;
    log(QStringLiteral("Инкассация"));
    const int d = printer_ ? printer_->settings().fr_driver : FrWinPrinter;
    int code = 0;
    if (printer_) {
        printer_->fr_connect();
        try {
            if (d == FrShtrihFiscal && printer_->shtrih()) {
                printer_->wait_ready();
                printer_->shtrih()->put_Summ1(amount.toDouble());
                code = printer_->shtrih()->CashOutcome();
                log(QStringLiteral("Инкассация Штрих, сумма ") + text + QStringLiteral(", результат: ") + n(code));
            } else if (d == FrAtolFiscal && printer_->atol()) {
                AtolDriver* a = printer_->atol();
                a->put_Mode(1);
                a->SetMode();
                a->put_Summ(amount.toDouble());
                code = a->CashOutcome();
                log(QStringLiteral("Инкассация Атол, сумма ") + text + QStringLiteral(", результат: ") + n(code));
            }
        } catch (const std::exception& e) {
            log(QStringLiteral("Инкассация, ошибка: ") + QString::fromUtf8(e.what()));
            code = 10;
        }
    }
    bool done = false;
    if (code != 0)
        dialogs_.message(QStringLiteral("Ошибка при инкассации. Код: ") + n(code), QString(), UserDialogs::Icon::Error);
    else
        done = splitRow();
    refresh(false, true);
    return done;
}

int ShiftOperationsService::x_report()
{
    log(QStringLiteral("Х отчет"));
    if (!printer_)
        return 0;
    const int d = printer_->settings().fr_driver;
    printer_->fr_connect(printer_->settings().fr_password2);
    int code = 0;
    try {
        if (is_prim(d) && printer_->prim()) {
            code = printer_->prim()->XReport();
        } else if (is_atol(d) && printer_->atol()) {
            AtolDriver* a = printer_->atol();
            a->put_Mode(2);
            a->SetMode();
            a->put_ReportType(2);
            code = a->Report();
        } else if (d == FrShtrihFiscal && printer_->shtrih()) {
            code = printer_->shtrih()->PrintReportWithoutCleaning();
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Х отчет, ошибка: ") + QString::fromUtf8(e.what()));
        code = 10;
    }
    log(QStringLiteral("Х отчет, результат: ") + n(code));
    return code;
}

std::optional<QStringList> ShiftOperationsService::read_register_totals()
{
    log(QStringLiteral("Отчет на экран"));
    if (!printer_)
        return std::nullopt;
    const int d = printer_->settings().fr_driver;
    printer_->fr_connect();
    const auto col = [](qint64 kop) { return QStringLiteral("%1").arg(Money::fromKopecks(kop).toString(), 10); };
    try {
        if (is_prim(d) && printer_->prim()) {
            PrimLibrary* p = printer_->prim();
            p->GetMony();
            const qint64 sales = p->GetFldInt(5);
            const qint64 returns = p->GetFldInt(6);
            return QStringList{QStringLiteral("Продажа:   ") + col(sales), QStringLiteral("Возврат:    ") + col(returns),
                               QStringLiteral("---------------------"), QStringLiteral("Итого:     ") + col(sales - returns)};
        }
        if (is_atol(d) && printer_->atol()) {
            AtolDriver* a = printer_->atol();
            a->put_CheckType(1);
            a->put_TypeClose(0);
            a->put_OperationType(0);
            a->put_RegisterNumber(12);
            a->GetRegister();
            const qint64 sales = Money::fromDouble(a->get_Summ()).kopecks();
            a->put_RegisterNumber(10);
            a->GetRegister();
            const qint64 total = Money::fromDouble(a->get_Summ()).kopecks();
            return QStringList{QStringLiteral("Продажа:   ") + col(sales), QStringLiteral("Возврат:   ") + col(sales - total),
                               QStringLiteral("---------------------"), QStringLiteral("Итого:     ") + col(total)};
        }
        if (d == FrShtrihFiscal && printer_->shtrih()) {
            // the cash registers the cash certificate reads: sales 193 (cash) and 205 (card), returns 195 and 207
            ShtrihDriver* s = printer_->shtrih();
            const auto reg = [s](int number) {
                s->put_RegisterNumber(number);
                s->GetCashReg();
                return Money::fromDouble(s->get_ContentsOfCashRegister()).kopecks();
            };
            const qint64 sales = reg(193) + reg(205);
            const qint64 returns = reg(195) + reg(207);
            return QStringList{QStringLiteral("Продажа:   ") + col(sales), QStringLiteral("Возврат:   ") + col(returns),
                               QStringLiteral("---------------------"), QStringLiteral("Итого:     ") + col(sales - returns)};
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Отчет на экран, ошибка: ") + QString::fromUtf8(e.what()));
    }
    return std::nullopt;
}

void ShiftOperationsService::register_totals(const std::function<void(const std::optional<QStringList>&)>& show)
{
    const std::optional<QStringList> lines = read_register_totals();
    if (show)
        show(lines);
    refresh(false, true);
}

std::optional<Money> ShiftOperationsService::correction_amount(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return Money();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<qint64> micro = decimal_scaled(t, 6);
    if (!micro)
        return std::nullopt;
    return Money::fromKopecks(*micro / 10000); // towards zero: whole kopecks only
}

int ShiftOperationsService::print_correction_receipt(int type, Money amount)
{
    log(QStringLiteral("Чек коррекции. Сумма ") + amount.toString() + QStringLiteral(" Тип чека ") + n(type));
    if (!printer_)
        return 0;
    const int c = printer_->fr_connect();
    if (c != 0)
        return c;
    int code = 0;
    if (printer_->settings().fr_driver == FrShtrihFiscal && printer_->shtrih()) {
        ShtrihDriver* s = printer_->shtrih();
        try {
            log(QStringLiteral("Чек коррекции для ФР Штрих."));
            code = s->FNBeginCorrectionReceipt();
            log(QStringLiteral("FNBeginCorrectionReceipt ") + n(code));
            s->put_Summ1(amount.toDouble());
            s->put_CheckType(type);
            code = s->FNBuildCorrectionReceipt();
            const int receipt = s->get_ReceiptNumber();
            const int document = s->get_DocumentNumber();
            const QString sign = s->get_FiscalSign();
            log(QStringLiteral("FNBuildCorrectionReceipt ") + n(code) + QLatin1Char(' ') + n(receipt) + QLatin1Char(' ')
                + n(document) + QLatin1Char(' ') + sign);
        } catch (const std::exception& e) {
            log(QStringLiteral("Чек коррекции, ошибка: ") + QString::fromUtf8(e.what()));
            code = 10;
        }
    }
    printer_->fr_disconnect();
    return code;
}

QStringList ShiftOperationsService::calculation_state_report()
{
    log(QStringLiteral("Отчет о состоянии расчетов."));
    QString number, sign, count, date;
    if (printer_ && printer_->fr_connect() == 0 && printer_->settings().fr_driver == FrShtrihFiscal
        && printer_->shtrih()) {
        ShtrihDriver* s = printer_->shtrih();
        try {
            log(QStringLiteral("Отчет о состоянии расчетов ФР Штрих."));
            log(QStringLiteral("FNBeginCalculationStateReport ") + n(s->FNBeginCalculationStateReport()));
            log(QStringLiteral("FNBuildCalculationStateReport ") + n(s->FNBuildCalculationStateReport()));
            number = n(s->get_DocumentNumber());
            sign = s->get_FiscalSign();
            count = n(s->get_DocumentCount());
            const QDate d = s->get_Date();
            date = d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
        } catch (const std::exception& e) {
            log(QStringLiteral("Отчет о состоянии расчетов, ошибка: ") + QString::fromUtf8(e.what()));
        }
        printer_->fr_disconnect();
    }
    return {QStringLiteral("Отчет о состоянии расчетов."),
            QStringLiteral("Номер фискального документа              : ") + number,
            QStringLiteral("Фискальный признак                       : ") + sign,
            QStringLiteral("Количество неподтвержденных документов   : ") + count,
            QStringLiteral("Дата первого неподтверждённого документа : ") + date};
}

QStringList ShiftOperationsService::unconfirmed_documents_report()
{
    log(QStringLiteral("Запрос количества ФД на которые нет квитанции."));
    QString count;
    if (printer_ && printer_->fr_connect() == 0 && printer_->settings().fr_driver == FrShtrihFiscal
        && printer_->shtrih()) {
        ShtrihDriver* s = printer_->shtrih();
        try {
            log(QStringLiteral("Запрос количества ФД на которые нет квитанции. ФР Штрих."));
            log(QStringLiteral("FNGetUnconfirmedDocCount  ") + n(s->FNGetUnconfirmedDocCount()));
            // The driver leaves the count in DocumentCount, as after the calculation state report.
            count = n(s->get_DocumentCount());
        } catch (const std::exception& e) {
            log(QStringLiteral("Запрос количества ФД, ошибка: ") + QString::fromUtf8(e.what()));
        }
        printer_->fr_disconnect();
    }
    return {QStringLiteral("Запрос количества ФД на которые нет квитанции. "),
            QStringLiteral("Количество неподтверждённых ФД : ") + count};
}
