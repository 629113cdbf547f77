#include "fiscal/fiscal_printer.h"
#include "fiscal/driver_error.h"
#include "util/clock.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
const QString kInsertSlip = QStringLiteral("Вставьте подкладной документ и нажмите ОК.");
const QString kInsertTape = QStringLiteral("Вставьте чековую или журнальную ленту и нажмите ок");
const QString kAmountLabel = QStringLiteral("Сумм.плат  ");
const QString kCommissionLabel = QStringLiteral("Комиссия   ");
const QString kTotalLabel = QStringLiteral("Итого      ");
const QString kVatLabel = QStringLiteral("НДС        ");
const QString kAtolAmountLabel = QStringLiteral("Сумм. плат.: ");
const QString kAtolCommissionLabel = QStringLiteral("Комиссия   : ");
const QString kBlank11 = QString(11, QLatin1Char(' '));
constexpr int kDriverErrorCode = 10;
} // namespace

FiscalPrinter::FiscalPrinter(FiscalSettings& settings, FiscalState& state, FiscalDrivers drivers, Log& log, Clock& clock,
                             UserDialogs& dialogs)
    : settings_(settings), state_(state), drivers_(std::move(drivers)), log_(log), clock_(clock), dialogs_(dialogs)
{
    if (!settings_.work_folder.isEmpty())
        page_printer_.setFallbackFolder(QDir(settings_.work_folder).filePath(QStringLiteral("fr_emul")));
}

void FiscalPrinter::log(const QString& text) { log_.writelog(text); }

QString FiscalPrinter::describe(const std::exception& e) const
{
    if (auto* d = dynamic_cast<const DriverError*>(&e))
        return d->message();
    return QString::fromUtf8(e.what());
}

QString FiscalPrinter::amount_text(Money m) { return m.text(QLatin1Char('.')); }

QStringList FiscalPrinter::wrap_line(const QString& line, int width, bool lf_is_char)
{
    QStringList pieces;
    QString piece;
    for (QChar c : line) {
        if (c == QLatin1Char('\r')) {
            pieces << piece;
            piece.clear();
            continue;
        }
        if (c == QLatin1Char('\n') && !lf_is_char)
            continue;
        if (piece.size() <= width)
            piece += c;
        else {
            pieces << piece;
            piece = c;
        }
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

QString FiscalPrinter::cashierLine() const { return QStringLiteral("Кассир: ") + settings_.cur_oper_name; }

QString FiscalPrinter::vatLine(const Prepared& p) const { return kVatLabel + amount_text(p.vat); }

QStringList FiscalPrinter::extraLines() const
{
    QStringList out;
    for (const QString& l : receipt_extra_lines)
        if (!l.isEmpty())
            out << l;
    return out;
}

// ---------------------------------------------------------------- connection

int FiscalPrinter::fr_connect(const QString& password)
{
    int result = 0;
    const int d = settings_.fr_driver;
    if (is_prim(d) && prim()) {
        try {
            const int open = prim()->OpenDLLPlus(settings_.cur_oper_name, settings_.fr_password, settings_.fr_port,
                                                 settings_.fr_speed, 0);
            log(QStringLiteral("Открытие соединения с фр прим ") + settings_.cur_oper_name + QStringLiteral(", ")
                + settings_.fr_password + QStringLiteral(", ") + settings_.fr_port + QStringLiteral(", ") + settings_.fr_speed
                + QStringLiteral(", результат: ") + num(open));
            result = prim()->StartSeans();
            log(QStringLiteral("Startseans фр прим, результат: ") + num(result));
            if (result != 0 && result != prim_codes::ShiftOld && result != prim_codes::Ready178 && open == 0)
                prim()->CloseDLL();
            // 178 is the library's other way of saying "ready".
            if (result == prim_codes::Ready178)
                result = 0;
        } catch (const std::exception& e) {
            log(QStringLiteral("Открытие соединения с фр прим, ошибка: ") + describe(e));
            result = kDriverErrorCode;
        }
    } else if (is_atol(d) && atol()) {
        try {
            atol()->put_DeviceEnabled(true);
            atol()->put_DefaultPassword(password.isEmpty() ? settings_.fr_password : password);
            result = atol()->GetStatus();
            log(QStringLiteral("Открытие соединения с фр штрих, результат: ") + num(result));
        } catch (const std::exception& e) {
            log(QStringLiteral("Открытие соединения с фр штрих, ошибка: ") + describe(e));
            result = kDriverErrorCode;
        }
    } else if (is_shtrih(d) && shtrih()) {
        try {
            shtrih()->put_Password(password.isEmpty() ? settings_.fr_password : password);
            bool ok = false;
            int port = settings_.fr_port.trimmed().toInt(&ok);
            if (!ok) // "COM3" names port 3
                port = QString(settings_.fr_port).remove(QRegularExpression(QStringLiteral("[^0-9]"))).toInt();
            shtrih()->put_ComNumber(port);
            const int c = shtrih()->Connect();
            log(QStringLiteral("Подключение к фр штрих, результат: ") + num(c));
            result = shtrih()->GetECRStatus();
        } catch (const std::exception& e) {
            log(QStringLiteral("Открытие соединения с фр штрих, ошибка: ") + describe(e));
            result = kDriverErrorCode;
        }
    } else if (d != FrWinPrinter) {
        result = kDriverErrorCode; // no driver object
    }
    log(QStringLiteral("Выход из функции ") + num(result));
    return result;
}

void FiscalPrinter::fr_disconnect()
{
    if (!state_.fr_connected)
        return;
    const int d = settings_.fr_driver;
    if (d == FrWinPrinter)
        return;
    log(QStringLiteral("Отключение от ФР."));
    try {
        if (is_prim(d) && prim())
            prim()->CloseDLL();
        else if (is_atol(d) && atol())
            atol()->put_DeviceEnabled(false);
        else if (is_shtrih(d) && shtrih())
            shtrih()->Disconnect();
    } catch (const std::exception& e) {
        log(QStringLiteral("Отключение от ФР, ошибка: ") + describe(e));
    }
}

// ---------------------------------------------------------------- waits

int FiscalPrinter::wait_ecr_mode(const std::function<bool(int)>& done, const QString& log_prefix)
{
    const QDateTime start = clock_.now();
    for (;;) {
        shtrih()->GetECRStatus();
        const int mode = shtrih()->get_ECRMode();
        if (!log_prefix.isEmpty())
            log(log_prefix + num(mode));
        if (done(mode) || start.msecsTo(clock_.now()) >= kWaitLimitMs)
            return mode;
        clock_.sleep(kWaitStepMs);
    }
}

int FiscalPrinter::wait_ready(const QString& log_prefix) { return wait_ecr_mode(ready_mode, log_prefix); }

int FiscalPrinter::retryBusy(const std::function<int()>& call, const QString& log_prefix)
{
    const QDateTime start = clock_.now();
    int code = call();
    if (!log_prefix.isEmpty())
        log(log_prefix + num(code));
    while (code == shtrih_codes::Busy && start.msecsTo(clock_.now()) < kWaitLimitMs) {
        clock_.sleep(kWaitStepMs);
        code = call();
        if (!log_prefix.isEmpty())
            log(log_prefix + num(code));
    }
    return code;
}

FiscalPrinter::ShiftState FiscalPrinter::register_shift_state(bool force_open, bool printer_shift_state)
{
    ShiftState s;
    const int d = settings_.fr_driver;
    try {
        if (is_prim(d) && prim()) {
            int state = 0, second = 0;
            prim()->GetShiftState(state, second);
            s.open = state > 0;
            s.over24h = state == 1;
        } else if (is_atol(d) && atol()) {
            s.open = atol()->get_SessionOpened();
        } else if (is_shtrih(d) && shtrih()) {
            shtrih()->GetECRStatus();
            const int mode = shtrih()->get_ECRMode();
            s.open = force_open || mode != 4;
            s.over24h = mode == 3;
        } else if (d == FrWinPrinter) {
            s.open = printer_shift_state;
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Состояние смены ФР, ошибка: ") + describe(e));
    }
    return s;
}

// ---------------------------------------------------------------- plain documents

bool FiscalPrinter::writePortFile(const QStringList& lines, QString* error)
{
    QFile f(settings_.lptport);
    // A file keeps what was printed before, as paper would; a device does not care.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = QStringLiteral("не удалось открыть ") + settings_.lptport + QStringLiteral(": ") + f.errorString();
        return false;
    }
    QByteArray out;
    for (const QString& l : lines) {
        if (l == QStringLiteral("\f"))
            out += '\f';
        else
            out += to_dos_text(l) + "\r\n";
    }
    if (f.write(out) != out.size()) {
        if (error)
            *error = QStringLiteral("ошибка записи в ") + settings_.lptport + QStringLiteral(": ") + f.errorString();
        return false;
    }
    return true;
}

bool FiscalPrinter::printPage(const QStringList& lines, bool fixed_font, QString* error)
{
    QFont font = fixed_font ? QFont(QStringLiteral("Courier New"), std::max(1, settings_.font_size - 2))
                            : QFont(QStringLiteral("Arial"), std::max(1, settings_.font_size));
    if (fixed_font)
        font.setStyleHint(QFont::TypeWriter);
    QString target;
    const bool ok = page_printer_.print(settings_.prnname, lines, font, settings_.line_int, &target, error);
    if (ok)
        log(QStringLiteral("Печать на принтер ") + target);
    return ok;
}

int FiscalPrinter::print_text(bool fixed_font)
{
    int code = 0;
    const int d = settings_.fr_driver;
    QStringList lines;
    for (const QString& l : document_lines)
        if (!l.isEmpty())
            lines << l;
    try {
        if (is_prim(d)) {
            if (!prim())
                return kDriverErrorCode;
            code = prim()->OpenFDoc();
            for (const QString& l : lines)
                prim()->PrintOEMCRLFDoc(l, static_cast<int>(cp1251::encode(l).size()));
            code = prim()->CloseFDoc();
            prim()->FreeDocCutPlus(8);
            code = primNoTape(code);
        } else if (d == FrWinPrinter) {
            QStringList pieces;
            for (const QString& l : lines)
                pieces += wrap_line(l, settings_.check_width, true);
            QString error;
            if (settings_.lptport.isEmpty()) {
                if (!printPage(pieces, fixed_font, &error)) {
                    log(QStringLiteral("Ошибка при печати: ") + error);
                    code = 1;
                }
            } else {
                pieces << QString(settings_.check_width, QLatin1Char('-'));
                for (int i = 0; i < settings_.cut_shft; ++i)
                    pieces << QString();
                if (!writePortFile(pieces, &error)) {
                    log(QStringLiteral("Ошибка при печати: ") + error);
                    code = 1;
                }
            }
        } else if (is_shtrih(d) && state_.fr_connected && shtrih()) {
            log(QStringLiteral("Печать распоряжения"));
            shtrih()->put_UseReceiptRibbon(true);
            shtrih()->put_UseJournalRibbon(false);
            shtrih()->put_UseSlipDocument(false);
            for (const QString& l : lines)
                for (const QString& piece : wrap_line(l, 40, false)) {
                    code = shtrihLine(piece);
                    log(piece + QStringLiteral(", результат: ") + num(code));
                }
            shtrihFeedCut();
            code = shtrih()->OutputReceipt();
        } else if (is_atol(d) && state_.fr_connected && atol()) {
            log(QStringLiteral("Печать распоряжения"));
            atol()->put_TextWrap(1);
            for (const QString& l : lines)
                for (const QString& piece : wrap_line(l, 40, false))
                    code = atolLine(piece);
            for (int i = 0; i < settings_.cut_shft + 1; ++i)
                atolLine(QStringLiteral("    "));
            code = atol()->FullCut();
            log(QStringLiteral("Отрезка: ") + num(code));
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Ошибка при печати: ") + describe(e));
        code = kDriverErrorCode;
    }
    return code;
}

// ---------------------------------------------------------------- receipts

int FiscalPrinter::print_receipt(const QString& text, const QString& amount, const QString& commission, const QString& uid,
                                 const QString& email, bool last, const QString& note, bool card, int department,
                                 double vat_rate, const QString& check2, bool receipt_mode, int doc_type, int& code)
{
    ReceiptData r;
    r.text = text;
    r.amount = amount;
    r.commission = commission;
    r.uid = uid;
    r.email = email;
    r.last = last;
    r.note = note;
    r.card = card;
    r.department = department;
    r.vat_rate = vat_rate;
    r.check2 = check2;
    r.receipt_mode = receipt_mode;
    r.doc_type = doc_type;
    return print_receipt(r, code);
}

namespace {
std::optional<Money> parseAmount(QString s)
{
    if (auto m = Money::parse(s.replace(QLatin1Char('.'), QLatin1Char(','))))
        return m;
    return Money::parse(s.replace(QLatin1Char(','), QLatin1Char('.')));
}
} // namespace

int FiscalPrinter::print_receipt(const ReceiptData& r, int& code)
{
    code = 0;
    log(QStringLiteral("Email клиента: ") + r.email);
    Prepared p;
    p.commission_separate = r.check2 == QLatin1String("2") || r.check2 == QLatin1String("3");
    p.slip_copy = r.check2 == QLatin1String("1") || r.check2 == QLatin1String("3");
    const auto amount = parseAmount(r.amount.trimmed().isEmpty() ? QStringLiteral("0") : r.amount);
    const auto commission = parseAmount(r.commission.trimmed().isEmpty() ? QStringLiteral("0") : r.commission);
    if (!amount || !commission) {
        // A receipt with an amount nobody can read is not printed at all.
        log(QStringLiteral("Ошибка при печати: неверная сумма \"") + (amount ? r.commission : r.amount) + QLatin1Char('"'));
        return 1;
    }
    p.amount = *amount;
    p.commission = *commission;
    if (r.vat_rate > 0) {
        p.has_vat = true;
        p.vat = p.amount - Money::fromDouble(p.amount.toDouble() / (r.vat_rate / 100.0 + 1.0));
    }
    p.total = p.commission_separate ? p.amount : p.amount + p.commission;
    p.total_kop = p.total.kopecks();
    const QDateTime now = clock_.now();
    p.date_time = now.toString(QStringLiteral("dd-MM-yyyy hh:mm:ss"));
    p.date6 = now.toString(QStringLiteral("ddMMyy"));

    int error = 0;
    const int d = settings_.fr_driver;
    try {
        if (d == FrWinPrinter && !settings_.lptport.isEmpty())
            portFileReceipt(r, p, error);
        else if (d == FrWinPrinter)
            pageReceipt(r, p, error);
        else if (d == FrPrim)
            primReceipt(r, p, code, error);
        else if (d == FrPrimNf && r.doc_type != 2)
            primPlainReceipt(r, p, code, error);
        if (state_.fr_connected) {
            switch (d) {
            case FrAtolFiscal: atolFiscal(r, p, code, error); break;
            case FrAtol: atolPlain(r, p, code, error); break;
            case FrShtrih: shtrihPlain(r, p, code, error); break;
            case FrShtrihFiscal:
                if (r.receipt_mode)
                    shtrihFiscal(r, p, code, error);
                else
                    shtrihFiscalSlip(r, p, code, error);
                break;
            default: break;
            }
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Ошибка при печати: ") + describe(e));
        error = 1;
    }
    return error;
}

QStringList FiscalPrinter::plainReceiptLines(const ReceiptData& r, const Prepared& p) const
{
    QStringList out;
    out << settings_.receipt_header;
    const bool ret = r.doc_type == 2;
    if (!ret || r.note.isEmpty()) {
        out << r.text << kAmountLabel + amount_text(p.amount) << kCommissionLabel + amount_text(p.commission);
        if (p.has_vat)
            out << vatLine(p);
        out << kTotalLabel + amount_text(p.total) << p.date_time << cashierLine();
    }
    out << extraLines();
    if (!ret)
        out << kTotalLabel + amount_text(p.total);
    return out;
}

void FiscalPrinter::portFileReceipt(const ReceiptData& r, const Prepared& p, int& error)
{
    QStringList lines = plainReceiptLines(r, p);
    lines << QString(settings_.check_width, QLatin1Char('-'));
    const bool ret = r.doc_type == 2;
    if (ret || r.last) {
        for (int i = 0; i < settings_.cut_shft; ++i)
            lines << QString();
        if (!ret)
            lines << QStringLiteral("\f");
    }
    QString message;
    if (!writePortFile(lines, &message)) {
        log(QStringLiteral("Ошибка при печати: ") + message);
        error = 1;
    }
}

void FiscalPrinter::pageReceipt(const ReceiptData& r, const Prepared& p, int& error)
{
    QString message;
    if (!printPage(plainReceiptLines(r, p), false, &message)) {
        log(QStringLiteral("Ошибка при печати: ") + message);
        error = 1;
    }
}

// ---------------------------------------------------------------- Prim

int FiscalPrinter::primNoTape(int code)
{
    if (code != prim_codes::NoTape)
        return code;
    dialogs_.message(kInsertTape);
    return 0;
}

void FiscalPrinter::primReceipt(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    PrimLibrary* lib = prim();
    if (!lib) {
        error = 1;
        code = kDriverErrorCode;
        return;
    }
    log(QStringLiteral("Начало печати прим"));
    const bool slip = !r.receipt_mode;
    const int copies = slip ? settings_.prim_hcopy : 1;
    const int offs = settings_.prim_loffs;
    code = lib->OpenFiscalDoc(r.doc_type, 0, 0, 1, copies, 1, offs, 3, 24, p.total_kop);
    log(QStringLiteral("openfiscaldoc ")
        + QStringList{num(r.doc_type), QStringLiteral("1"), num(settings_.prim_hcopy), num(offs), QString::number(p.total_kop)}
              .join(QLatin1Char('|'))
        + QStringLiteral(" err=") + num(code));
    lib->AddPosField({9, 8, 1, 8, 1, 1, 7, 1, 1, 7, 12, 1, 1, 5, 1, 8, 13, 1, 6, 12, 1});

    struct Field {
        int row, column, flag;
        QString text;
    };
    QList<Field> fields = {{1, 1, 0, QStringLiteral("ИНН")},
                           {2, 1, 0, settings_.receipt_header},
                           {4, 1, 0, QStringLiteral("Сумм.плат")},
                           {4, 12, 1, r.amount},
                           {5, 1, 0, QStringLiteral("Комисс.")},
                           {5, 12, 1, r.commission}};
    if (slip)
        fields.append({3, 1, 1, r.text});
    fields.append({6, 1, 0, QStringLiteral("Итого:")});
    fields.append({8, 7, 0, QStringLiteral("КАСС:")});
    fields.append({9, 1, 0, QStringLiteral("Рег.№")});
    for (const Field& f : fields)
        lib->AddFreeField(f.row, f.column, 1, 1, f.flag, f.text);
    const bool copy = slip && settings_.prim_hcopy > 1;
    if (copy) {
        log(QStringLiteral("копируем нефискальную информацию"));
        for (const Field& f : fields)
            lib->AddFreeField(f.row, f.column + offs, 1, 1, f.flag, f.text);
    }
    int row = 10;
    for (const QString& l : extraLines()) {
        if (!slip) {
            lib->AddFreeField(row++, 1, 1, 1, 0, l);
        } else if (l.contains(QStringLiteral("Абонент"))) {
            lib->AddFreeField(row, 1, 1, 1, 0, l);
            if (copy)
                lib->AddFreeField(row, offs + 1, 1, 1, 0, l);
            ++row;
        }
    }
    const QStringList tags = {QStringLiteral("<1030>") + r.text, QStringLiteral("<1038>"), QStringLiteral("<1055>00"),
                              QStringLiteral("<1042>"), QStringLiteral("<1115>"), QStringLiteral("<1105>")};
    int tag_code = 0;
    for (const QString& t : tags)
        tag_code = lib->AddFreeField(row++, 1, 1, 1, 0, t);
    log(QStringLiteral("last tag ") + num(tag_code));

    if (slip) {
        code = lib->PrintFiscalSlip();
        log(QStringLiteral("printfiscalslip err=") + num(code));
    } else {
        code = lib->PrintFiscalReceipt();
        log(QStringLiteral("printfiscalreceipt err=") + num(code));
    }
    if (!slip && p.slip_copy && code == 0) {
        dialogs_.message(kInsertSlip);
        primSlipCopy(r.text, p.amount, r.uid, p.date6);
        code = 0;
    }
    code = primNoTape(code);
    if (code != 0)
        error = 1;
    lib->GetNumbers();
}

void FiscalPrinter::primSlipCopy(const QString& text, Money amount, const QString& uid, const QString& date6)
{
    PrimLibrary* lib = prim();
    auto out = [&](const QString& l) { lib->PrintOEMCRLFDoc(l, static_cast<int>(cp1251::encode(l).size())); };
    lib->OpenFDoc();
    lib->SlipSelectFDoc();
    for (int i = 0; i < 3; ++i)
        out(QStringLiteral(" "));
    const QStringList contents = {date6 + QLatin1Char(' ') + settings_.receipt_header, text,
                                  uid + QLatin1Char(' ') + settings_.cur_oper_name + QLatin1Char(' ') + amount_text(amount)};
    for (const QString& c : contents)
        out((QStringLiteral("   ") + c).leftJustified(53, QLatin1Char(' '), true) + c);
    log(QStringLiteral("slipejectfdoc err=") + num(lib->SlipEjectFDoc()));
    log(QStringLiteral("closefdoc err=") + num(lib->CloseFDoc()));
}

void FiscalPrinter::primPlainReceipt(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    PrimLibrary* lib = prim();
    if (!lib) {
        error = 1;
        code = kDriverErrorCode;
        return;
    }
    QStringList lines = {settings_.receipt_header, r.text, kAmountLabel + amount_text(p.amount),
                         kCommissionLabel + amount_text(p.commission), kTotalLabel + amount_text(p.total), p.date_time,
                         cashierLine()};
    lines << extraLines() << kTotalLabel + amount_text(p.total);
    lib->OpenFDoc();
    for (const QString& l : lines)
        lib->PrintOEMCRLFDoc(l, static_cast<int>(cp1251::encode(l).size()));
    code = lib->CloseFDoc();
    lib->FreeDocCutPlus(8);
    code = primNoTape(code);
    if (code != 0)
        error = 1;
    lib->GetNumbers();
}

// ---------------------------------------------------------------- ATOL

int FiscalPrinter::atolLine(const QString& text)
{
    atol()->put_Caption(text);
    return atol()->PrintString();
}

void FiscalPrinter::atolFiscal(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    AtolDriver* a = atol();
    if (!a)
        return;
    a->put_Mode(1);
    code = a->SetMode();
    log(QStringLiteral("Установка режима атол. ") + num(code));
    a->put_CheckType(r.doc_type == 2 ? 2 : 1);
    code = a->OpenCheck();
    log(QStringLiteral("Открытие чека атол. ") + num(code));
    if (code == 0) {
        if (!r.email.isEmpty()) {
            log(QStringLiteral("Атол, сохранение Email ") + r.email);
            a->put_AttrNumber(1008);
            a->put_AttrValue(r.email);
            a->WriteAttribute();
            log(QStringLiteral("Атол, сохранили Email ") + r.email);
        }
        a->put_TextWrap(1);
        atolLine(settings_.receipt_header);
        atolLine(kAtolAmountLabel + amount_text(p.amount));
        atolLine(kAtolCommissionLabel + amount_text(p.commission));
        if (p.has_vat)
            atolLine(vatLine(p));
        atolLine(cashierLine());
        a->put_Name(r.text);
        a->put_Quantity(1);
        a->put_Price(p.total_kop / 100.0);
        if (r.department > 0)
            a->put_Department(r.department);
        if (r.doc_type != 2) {
            if (settings_.atol_tax_type > 0) {
                a->put_TaxTypeNumber(settings_.atol_tax_type);
                log(QStringLiteral("Тип налога атол: ") + num(settings_.atol_tax_type));
            }
            code = a->Registration();
            if (code != 0) {
                log(QStringLiteral("Ошибка регистрации атол: ") + num(code));
                error = 1;
            }
        } else {
            log(QStringLiteral("Возврат атол. Сумма ") + QString::number(p.total_kop));
            code = a->Return();
            if (code != 0) {
                log(QStringLiteral("Ошибка возврата атол: ") + num(code));
                error = 1;
            }
        }
        const int item_code = code;
        for (const QString& l : extraLines())
            atolLine(l);
        atolLine(kTotalLabel + amount_text(p.total));
        a->put_TypeClose(r.card ? 3 : 0);
        if (item_code == 0) {
            code = a->CloseCheck();
            log(QStringLiteral("Закрытие чека атол ") + num(code));
            if (code != 0)
                error = 1;
        }
    } else {
        error = 1;
    }
    a->Resetmode();
}

void FiscalPrinter::atolPlain(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    AtolDriver* a = atol();
    if (!a)
        return;
    a->put_TextWrap(1);
    a->PrintHeader();
    code = atolLine(settings_.receipt_header);
    log(QStringLiteral("Печать первой строки атол НФ ") + num(code));
    QStringList lines = {r.text, kAtolAmountLabel + amount_text(p.amount), kAtolCommissionLabel + amount_text(p.commission)};
    if (p.has_vat)
        lines << vatLine(p);
    lines << cashierLine() << extraLines() << p.date_time << kTotalLabel + amount_text(p.total);
    bool failed = code != 0;
    for (const QString& l : lines) {
        code = atolLine(l);
        failed = failed || code != 0;
    }
    for (int i = 0; i < settings_.cut_shft + 1; ++i)
        atolLine(QStringLiteral("    "));
    a->FullCut();
    if (failed)
        error = 1;
}

// ---------------------------------------------------------------- Shtrih

int FiscalPrinter::shtrihLine(const QString& text, const QString& log_prefix)
{
    shtrih()->put_StringForPrinting(text);
    return retryBusy([this] { return shtrih()->PrintString(); }, log_prefix);
}

void FiscalPrinter::shtrihFeedCut()
{
    shtrih()->put_StringQuantity(settings_.cut_shft);
    shtrih()->FeedDocument();
    shtrih()->CutCheck();
}

void FiscalPrinter::shtrihPayment(Money sum, bool card)
{
    ShtrihDriver* s = shtrih();
    const double v = sum.kopecks() / 100.0;
    s->put_Summ1(card ? 0.0 : v);
    s->put_Summ2(0.0);
    s->put_Summ3(0.0);
    s->put_Summ4(card ? v : 0.0);
    s->put_DiscountOnCheck(0.0);
    s->put_Tax1(0);
    s->put_Tax2(0);
    s->put_Tax3(0);
    s->put_Tax4(0);
}

void FiscalPrinter::shtrihCloseAndFeed(bool log_pause, int& code, int& error)
{
    ShtrihDriver* s = shtrih();
    if (settings_.altfeed)
        for (int i = 0; i < settings_.cut_shft; ++i)
            shtrihLine(QStringLiteral("     "));
    wait_ecr_mode([](int m) { return m == 8; }, QStringLiteral("Статус ФР: "));
    code = s->CloseCheck();
    log(QStringLiteral("Закрытие чека фр штрих, результат: ") + num(code));
    if (code != 0)
        error = 1;
    if (settings_.altfeed) {
        log(QStringLiteral("Конец документа, результат: ") + num(s->FinishDocument()));
    } else {
        s->put_StringQuantity(settings_.cut_shft);
        log(QStringLiteral("Проталкивание чека, результат: ") + num(s->FeedDocument()));
        log(QStringLiteral("Обрезка чека, результат: ") + num(s->CutCheck()));
    }
    wait_ecr_mode([](int m) { return m != 14 && m != 8; }, QStringLiteral("Статус ФР: "));
    if (settings_.prndelay > 0) {
        clock_.sleep(settings_.prndelay);
        if (log_pause)
            log(QStringLiteral("Пауза: ") + num(settings_.prndelay));
    }
}

void FiscalPrinter::shtrihPlain(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    ShtrihDriver* s = shtrih();
    if (!s)
        return;
    bool failed = false;
    auto line = [&](const QString& t) {
        code = shtrihLine(t);
        failed = failed || code != 0;
    };
    if (r.receipt_mode) {
        s->put_UseReceiptRibbon(true);
        s->put_UseJournalRibbon(true);
        s->put_UseSlipDocument(false);
        line(settings_.receipt_header);
        line(r.text);
        line(kAmountLabel + amount_text(p.amount));
        if (!p.commission_separate) {
            line(kCommissionLabel + amount_text(p.commission));
            if (p.has_vat)
                line(vatLine(p));
        }
        line(kTotalLabel + amount_text(p.total));
        line(p.date_time);
        line(cashierLine());
        for (const QString& l : extraLines())
            line(l);
        line(kTotalLabel + amount_text(p.total));
        shtrihFeedCut();
        s->OutputReceipt();
        if (p.commission_separate) {
            line(settings_.receipt_header);
            line(kCommissionLabel + amount_text(p.commission));
            if (p.has_vat)
                line(vatLine(p));
            line(p.date_time);
            line(cashierLine());
            shtrihFeedCut();
            s->OutputReceipt();
        }
    } else {
        dialogs_.message(kInsertSlip);
        s->put_UseReceiptRibbon(false);
        s->put_UseJournalRibbon(true);
        shtrihFillSlip(r, p, code);
        s->put_InfoType(0);
        s->put_IsClearUnfiscalInfo(true);
        code = s->PrintSlipDocument();
        log(QStringLiteral("Печать ПД результат: ") + num(code));
        failed = failed || code != 0;
    }
    if (failed)
        error = 1;
}

// Fills the slip buffer from line 1; returns the number of the closing total line.
int FiscalPrinter::shtrihFillSlip(const ReceiptData& r, const Prepared& p, int& code)
{
    ShtrihDriver* s = shtrih();
    code = s->ClearSlipDocumentBuffer();
    log(QStringLiteral("Очистка буфера ПД результат: ") + num(code));
    QStringList lines = {settings_.receipt_header, r.text, kAmountLabel + amount_text(p.amount),
                         kCommissionLabel + amount_text(p.commission)};
    if (p.has_vat)
        lines << vatLine(p);
    lines << kTotalLabel + amount_text(p.total) << p.date_time << cashierLine() << extraLines()
          << kTotalLabel + amount_text(p.total);
    int n = 0;
    for (const QString& l : lines) {
        ++n;
        s->put_StringNumber(n);
        s->put_StringForPrinting(l);
        code = s->FillSlipDocumentWithUnfiscalInfo();
        if (n == 1)
            log(QStringLiteral("Заполнение 1 строки буфера ПД результат: ") + num(code));
    }
    return n;
}

void FiscalPrinter::shtrihFiscal(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    ShtrihDriver* s = shtrih();
    if (!s)
        return;
    const bool ret = r.doc_type == 2;
    wait_ready();
    s->put_UseReceiptRibbon(true);
    s->put_UseJournalRibbon(true);
    s->put_UseSlipDocument(false);
    s->put_CheckType(r.doc_type);
    clock_.sleep(kWaitStepMs);
    code = retryBusy([s] { return s->OpenCheck(); }, QStringLiteral("Открытие чека фр штрих, результат: "));
    if (code != 0) {
        log(QStringLiteral("Так и не открыли чек фр штрих ошибка: ") + num(code));
        error = 1;
        return;
    }
    if (!r.email.isEmpty()) {
        s->put_CustomerEmail(r.email);
        log(QStringLiteral("Передача Email фр штрих, результат: ") + num(s->FNSendCustomerEmail()));
    }
    shtrihLine(settings_.receipt_header);
    shtrihLine(r.text);
    shtrihLine(kAmountLabel + amount_text(p.amount));
    if (!p.commission_separate) {
        shtrihLine(kCommissionLabel + amount_text(p.commission));
        if (p.has_vat)
            shtrihLine(vatLine(p));
    }
    auto item = [&](Money price, int department) {
        s->put_Quantity(1);
        s->put_Price(price.kopecks() / 100.0);
        s->put_Department(department);
        s->put_Tax1(0);
        s->put_Tax2(0);
        s->put_Tax3(0);
        s->put_Tax4(0);
    };
    item(p.total, r.department < 1 ? 1 : r.department);
    s->put_StringForPrinting(kTotalLabel + amount_text(p.total));
    auto registerItem = [&] {
        if (ret) {
            code = s->ReturnSale();
            log(QStringLiteral("Регистрация возврата фр штрих, результат: ") + num(code));
        } else {
            code = s->Sale();
            log(QStringLiteral("Регистрация продажи фр штрих, результат: ") + num(code));
        }
        if (code != 0)
            error = 1;
    };
    registerItem();
    shtrihLine(p.date_time);
    shtrihLine(cashierLine());
    for (const QString& l : extraLines())
        shtrihLine(l);
    shtrihLine(kTotalLabel + amount_text(p.total));
    shtrihPayment(p.total, r.card);
    shtrihCloseAndFeed(true, code, error);

    if (p.commission_separate) {
        wait_ready(QStringLiteral("Чек для комиссии, Статус ФР: "));
        s->put_UseReceiptRibbon(true);
        s->put_UseJournalRibbon(true);
        s->put_UseSlipDocument(false);
        s->put_CheckType(r.doc_type);
        code = s->OpenCheck();
        log(QStringLiteral("Открытие чека фр штрих, результат: ") + num(code));
        if (code != 0) {
            log(QStringLiteral("Так и не открыли чек фр штрих ошибка: ") + num(code));
            error = 1;
        } else {
            shtrihLine(settings_.receipt_header);
            shtrihLine(kCommissionLabel + amount_text(p.commission));
            if (p.has_vat) {
                shtrihLine(vatLine(p));
                shtrihLine(kBlank11);
            }
            item(p.commission, 1);
            registerItem(); // the sale line is named by the last printed text
            shtrihLine(p.date_time);
            shtrihLine(cashierLine());
            shtrihLine(kBlank11);
            shtrihPayment(p.commission, r.card);
            shtrihCloseAndFeed(false, code, error);
        }
    }

    log(QStringLiteral("Перед печатью второго чека"));
    code = 0;
    if (p.slip_copy) {
        const QString serial = s->get_SerialNumber();
        log(QStringLiteral("Получен серийный №: ") + serial);
        s->put_RegisterNumber(148);
        s->GetOperationReg();
        const int number = s->get_ContentsOfOperationRegister();
        s->put_UseReceiptRibbon(true);
        s->put_UseJournalRibbon(true);
        s->put_UseSlipDocument(false);
        code = shtrihLine(p.date6 + QLatin1Char(' ') + settings_.receipt_header + QStringLiteral(" №") + serial,
                          QStringLiteral("Первая строка: "));
        code = shtrihLine(r.text);
        code = shtrihLine(num(number) + QLatin1Char(' ') + settings_.cur_oper_name + QLatin1Char(' ') + amount_text(p.amount));
        s->put_StringQuantity(settings_.cut_shft);
        code = s->FeedDocument();
        log(QStringLiteral("feed: ") + num(code));
        code = s->CutCheck();
        log(QStringLiteral("cutcheck: ") + num(code));
        code = s->OutputReceipt();
        log(QStringLiteral("output: ") + num(code));
    }
}

void FiscalPrinter::shtrihFiscalSlip(const ReceiptData& r, const Prepared& p, int& code, int& error)
{
    ShtrihDriver* s = shtrih();
    if (!s)
        return;
    dialogs_.message(kInsertSlip);
    wait_ready();
    s->put_UseReceiptRibbon(false);
    s->put_UseJournalRibbon(true);
    const int total_line = shtrihFillSlip(r, p, code);
    s->put_CheckType(r.doc_type);
    s->put_CopyType(0);
    s->put_NumberOfCopies(0);
    s->put_CopyOffset1(0);
    s->put_CopyOffset2(0);
    s->put_CopyOffset3(0);
    s->put_CopyOffset4(0);
    s->put_CopyOffset5(0);
    code = s->OpenStandardFiscalSlipDocument();
    log(QStringLiteral("Открытие фискального ПД результат: ") + num(code));
    s->put_OperationBlockFirstString(total_line + 1);
    s->put_Quantity(1);
    s->put_Price(p.total_kop / 100.0);
    s->put_Department(1);
    s->put_Tax1(0);
    s->put_Tax2(0);
    s->put_Tax3(0);
    s->put_Tax4(0);
    s->put_StringForPrinting(kTotalLabel + amount_text(p.total));
    code = s->StandardRegistrationOnSlipDocument();
    log(QStringLiteral("Регистрация на фискальном ПД результат: ") + num(code));
    shtrihPayment(p.total, r.card);
    s->put_StringForPrinting(QString());
    code = s->StandardCloseCheckOnSlipDocument();
    log(QStringLiteral("Закрытие фискального ПД фр штрих, результат: ") + num(code));
    if (code != 0)
        error = 1;
    s->put_InfoType(2);
    s->put_IsClearUnfiscalInfo(true);
    s->PrintSlipDocument();
    clock_.sleep(1000);
}

// ---------------------------------------------------------------- reprint

int FiscalPrinter::reprint_slip(const QString& text, const QString& amount, const QString& commission, const QString& uid,
                                bool slip_copy, int& code, bool receipt_mode)
{
    Q_UNUSED(commission);
    Q_UNUSED(receipt_mode);
    code = 0;
    const Money sum = parseAmount(amount.trimmed().isEmpty() ? QStringLiteral("0") : amount).value_or(Money());
    const QString date6 = clock_.now().toString(QStringLiteral("ddMMyy"));
    try {
        if (settings_.fr_driver == FrPrim && state_.fr_connected && prim()) {
            log(kInsertSlip + QStringLiteral(" Повторная печать"));
            dialogs_.message(kInsertSlip);
            primSlipCopy(text, sum, uid, date6);
            code = 0;
        } else if (settings_.fr_driver == FrShtrihFiscal && state_.fr_connected && slip_copy && shtrih()) {
            ShtrihDriver* s = shtrih();
            const QString serial = s->get_SerialNumber();
            log(QStringLiteral("Получен серийный №: ") + serial);
            s->put_RegisterNumber(148);
            s->GetOperationReg();
            const int number = s->get_ContentsOfOperationRegister();
            dialogs_.message(kInsertSlip);
            wait_ecr_mode([](int m) { return m != 14; }, QStringLiteral("Статус ФР: "));
            s->put_SlipDocumentLength(900);
            s->put_SlipDocumentWidth(450);
            s->put_PrintingAlignment(2);
            code = s->ConfigureSlipDocument();
            log(QStringLiteral("Конфигурирование ПД результат: ") + num(code));
            s->put_UseReceiptRibbon(false);
            s->put_UseJournalRibbon(false);
            code = s->ClearSlipDocumentBuffer();
            const QStringList block = {date6 + QLatin1Char(' ') + settings_.receipt_header + QStringLiteral(" №") + serial, text,
                                       num(number) + QLatin1Char(' ') + settings_.cur_oper_name + QLatin1Char(' ')
                                           + amount_text(sum)};
            auto fill = [&](int n, const QString& t) {
                s->put_StringNumber(n);
                s->put_StringForPrinting(t);
                code = s->FillSlipDocumentWithUnfiscalInfo();
            };
            for (int n = 1; n <= 11; ++n)
                fill(n, QStringLiteral(" "));
            for (int i = 0; i < 3; ++i)
                fill(12 + i, block[i]);
            for (int n = 15; n <= 25; ++n)
                fill(n, QStringLiteral(" "));
            for (int i = 0; i < 3; ++i)
                fill(26 + i, block[i]);
            s->put_InfoType(0);
            s->put_IsClearUnfiscalInfo(true);
            code = s->PrintSlipDocument();
            log(QStringLiteral("Печать ПД результат: ") + num(code));
        }
    } catch (const std::exception& e) {
        log(QStringLiteral("Ошибка при печати: ") + describe(e));
        code = kDriverErrorCode;
    }
    return code;
}
