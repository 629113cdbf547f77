#include "fiscal/shtrih_emulator.h"
#include "fiscal/emulator_text.h"
#include "util/clock.h"

using namespace emulator_text;
namespace sc = shtrih_codes;

ShtrihEmulator::ShtrihEmulator(const QString& work_folder, Clock& clock)
    : core_(QStringLiteral("shtrih"), work_folder, clock), width_(core_.settingInt(QStringLiteral("width"), 48))
{
    serial_ = core_.setting(QStringLiteral("serial"), QStringLiteral("0012345678"));
    load();
}

void ShtrihEmulator::put(const QString& name, const QVariant& v)
{
    props_[name] = v;
    core_.recordPut(name, EmulatorCore::valueText(v));
}

void ShtrihEmulator::load()
{
    const auto s = core_.loadState();
    shift_.load(s);
    receipt_number_ = s.value(QStringLiteral("receipt_number")).toInt();
    document_number_ = s.value(QStringLiteral("document_number")).toInt();
    unconfirmed_ = s.value(QStringLiteral("unconfirmed")).toInt();
    unconfirmed_since_ = QDate::fromString(s.value(QStringLiteral("unconfirmed_since")), Qt::ISODate);
    receipt_open_ = s.value(QStringLiteral("receipt_open")) == QLatin1String("1");
    receipt_on_slip_ = s.value(QStringLiteral("receipt_on_slip")) == QLatin1String("1");
    receipt_type_ = s.value(QStringLiteral("receipt_type")).toInt();
    receipt_total_ = s.value(QStringLiteral("receipt_total")).toLongLong();
    for (auto it = s.begin(); it != s.end(); ++it)
        if (it.key().startsWith(QLatin1String("cash_reg_")))
            cash_regs_[it.key().mid(9).toInt()] = it.value().toLongLong();
}

void ShtrihEmulator::save() const
{
    QMap<QString, QString> s;
    shift_.save(s);
    s[QStringLiteral("receipt_number")] = QString::number(receipt_number_);
    s[QStringLiteral("document_number")] = QString::number(document_number_);
    s[QStringLiteral("unconfirmed")] = QString::number(unconfirmed_);
    s[QStringLiteral("unconfirmed_since")] = unconfirmed_since_.toString(Qt::ISODate);
    s[QStringLiteral("receipt_open")] = receipt_open_ ? QStringLiteral("1") : QStringLiteral("0");
    s[QStringLiteral("receipt_on_slip")] = receipt_on_slip_ ? QStringLiteral("1") : QStringLiteral("0");
    s[QStringLiteral("receipt_type")] = QString::number(receipt_type_);
    s[QStringLiteral("receipt_total")] = QString::number(receipt_total_);
    for (auto it = cash_regs_.begin(); it != cash_regs_.end(); ++it)
        s[QStringLiteral("cash_reg_%1").arg(it.key())] = QString::number(it.value());
    core_.saveState(s);
}

void ShtrihEmulator::setShift(bool open, const QDateTime& opened_at)
{
    shift_.set(open, opened_at);
    save();
}

bool ShtrihEmulator::over24h() const
{
    return shift_.over24h(core_.clock().now());
}

int ShtrihEmulator::currentMode() const
{
    if (printing_until_.isValid() && core_.clock().now() < printing_until_)
        return 14;
    if (receipt_open_)
        return 8;
    if (shift_.open)
        return over24h() ? 3 : 2;
    return 4;
}

void ShtrihEmulator::printed()
{
    const int ms = core_.settingInt(QStringLiteral("printing_ms"), 0);
    printing_until_ = ms > 0 ? core_.clock().now().addMSecs(ms) : QDateTime();
}

void ShtrihEmulator::countDocument()
{
    ++document_number_;
    if (unconfirmed_ == 0)
        unconfirmed_since_ = core_.clock().today();
    ++unconfirmed_;
}

void ShtrihEmulator::openShift()
{
    shift_.start(core_.clock().now());
    for (int r : {193, 195, 197, 199, 201, 203, 205, 207})
        cash_regs_.remove(r);
    countDocument();
    tapeLine(QStringLiteral("ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ"));
    tapeLine(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
    tapeLine(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
    QStringList f;
    fiscalFooter(f);
    for (const QString& l : f)
        tapeLine(l);
    tapeLine(cutLine(width_));
}

void ShtrihEmulator::fiscalFooter(QStringList& out)
{
    out << spread(QStringLiteral("ЗН ККТ"), serial_, width_);
    out << spread(QStringLiteral("ФД №") + QString::number(document_number_),
                  QStringLiteral("ФП ") + fiscalSign(serial_, document_number_), width_);
}

int ShtrihEmulator::Connect()
{
    return core_.invoke(QStringLiteral("Connect"), QString(), [&] {
        const QString port = core_.setting(QStringLiteral("port"));
        if (!port.isEmpty() && port.toInt() != pInt("ComNumber")) {
            connected_ = false;
            return sc::NoLink;
        }
        connected_ = true;
        mode_ = currentMode();
        return sc::Ok;
    });
}

int ShtrihEmulator::Disconnect()
{
    return core_.invoke(QStringLiteral("Disconnect"), QString(), [&] {
        connected_ = false;
        return sc::Ok;
    });
}

int ShtrihEmulator::GetECRStatus()
{
    return core_.invoke(QStringLiteral("GetECRStatus"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        mode_ = currentMode();
        return sc::Ok;
    });
}

int ShtrihEmulator::get_ECRMode() { return core_.readInt(QStringLiteral("ECRMode"), mode_); }

int ShtrihEmulator::OpenSession()
{
    return core_.invoke(QStringLiteral("OpenSession"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        if (shift_.open)
            return sc::ShiftOpen;
        openShift();
        printed();
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::PrintReportWithCleaning()
{
    return core_.invoke(QStringLiteral("PrintReportWithCleaning"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        if (!shift_.open)
            return sc::WrongMode;
        countDocument();
        tapeLine(QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ"));
        tapeLine(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
        tapeLine(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
        tapeLine(spread(QStringLiteral("ПРИХОД НАЛИЧНЫМИ"), money(cash_regs_.value(193)), width_));
        tapeLine(spread(QStringLiteral("ПРИХОД ЭЛЕКТРОННЫМИ"), money(cash_regs_.value(205)), width_));
        tapeLine(spread(QStringLiteral("ВОЗВРАТ НАЛИЧНЫМИ"), money(cash_regs_.value(195)), width_));
        tapeLine(spread(QStringLiteral("ВОЗВРАТ ЭЛЕКТРОННЫМИ"), money(cash_regs_.value(207)), width_));
        tapeLine(spread(QStringLiteral("НАЛИЧНЫХ В КАССЕ"), money(cash_regs_.value(241)), width_));
        QStringList f;
        fiscalFooter(f);
        for (const QString& l : f)
            tapeLine(l);
        tapeLine(cutLine(width_));
        shift_.open = false;
        printed();
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::PrintReportWithoutCleaning()
{
    return core_.invoke(QStringLiteral("PrintReportWithoutCleaning"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        tapeLine(QStringLiteral("СУТОЧНЫЙ ОТЧЕТ БЕЗ ГАШЕНИЯ"));
        tapeLine(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
        tapeLine(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
        tapeLine(spread(QStringLiteral("ПРИХОД НАЛИЧНЫМИ"), money(cash_regs_.value(193)), width_));
        tapeLine(spread(QStringLiteral("ПРИХОД ЭЛЕКТРОННЫМИ"), money(cash_regs_.value(205)), width_));
        tapeLine(spread(QStringLiteral("ВОЗВРАТ НАЛИЧНЫМИ"), money(cash_regs_.value(195)), width_));
        tapeLine(spread(QStringLiteral("ВОЗВРАТ ЭЛЕКТРОННЫМИ"), money(cash_regs_.value(207)), width_));
        tapeLine(spread(QStringLiteral("НАЛИЧНЫХ В КАССЕ"), money(cash_regs_.value(241)), width_));
        tapeLine(cutLine(width_));
        printed();
        return sc::Ok;
    });
}

QString ShtrihEmulator::get_StringForPrinting() { return core_.readText(QStringLiteral("StringForPrinting"), pText("StringForPrinting")); }

int ShtrihEmulator::PrintString()
{
    return core_.invoke(QStringLiteral("PrintString"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (pBool("UseReceiptRibbon"))
            tapeLine(pText("StringForPrinting"));
        return sc::Ok;
    });
}

int ShtrihEmulator::FeedDocument()
{
    return core_.invoke(QStringLiteral("FeedDocument"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        for (int i = 0; i < pInt("StringQuantity"); ++i)
            tapeLine(QString());
        return sc::Ok;
    });
}

int ShtrihEmulator::cut()
{
    if (!connected_)
        return sc::NoLink;
    tapeLine(cutLine(width_));
    printed();
    return sc::Ok;
}

int ShtrihEmulator::CutCheck() { return core_.invoke(QStringLiteral("CutCheck"), QString(), [&] { return cut(); }); }

int ShtrihEmulator::OutputReceipt()
{
    return core_.invoke(QStringLiteral("OutputReceipt"), QString(), [&] { return connected_ ? sc::Ok : sc::NoLink; });
}

int ShtrihEmulator::FinishDocument()
{
    return core_.invoke(QStringLiteral("FinishDocument"), QString(), [&] { return cut(); });
}

int ShtrihEmulator::OpenCheck()
{
    return core_.invoke(QStringLiteral("OpenCheck"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        if (over24h())
            return sc::ShiftOver24h;
        if (!shift_.open)
            openShift();
        receipt_open_ = true;
        receipt_on_slip_ = false;
        receipt_type_ = pInt("CheckType");
        receipt_total_ = 0;
        receipt_email_.clear();
        tapeLine(spread(QStringLiteral("КАССОВЫЙ ЧЕК №") + QString::number(receipt_number_ + 1),
                        receipt_type_ == 2 ? QStringLiteral("ВОЗВРАТ ПРИХОДА") : QStringLiteral("ПРИХОД"), width_));
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::registerItem(bool ret)
{
    if (!connected_)
        return sc::NoLink;
    if (!receipt_open_ || (receipt_type_ == 2) != ret)
        return sc::WrongMode;
    const qint64 price = kopecks(pNum("Price"));
    const double qty = pNum("Quantity");
    if (price < 0 || qty <= 0)
        return sc::WrongMode;
    const qint64 sum = std::llround(price * qty);
    receipt_total_ += sum;
    const QStringList lines = {pText("StringForPrinting"),
                               spread(QString::number(qty, 'f', 3) + QStringLiteral(" X ") + money(price),
                                      QStringLiteral("=") + money(sum), width_)};
    if (receipt_on_slip_) {
        int n = pInt("OperationBlockFirstString");
        for (const QString& l : lines)
            slip_fiscal_[n++] = l;
        slip_next_line_ = n;
    } else {
        for (const QString& l : lines)
            tapeLine(l);
    }
    save();
    return sc::Ok;
}

int ShtrihEmulator::Sale()
{
    return core_.invoke(QStringLiteral("Sale"), QString(), [&] { return registerItem(false); });
}

int ShtrihEmulator::ReturnSale()
{
    return core_.invoke(QStringLiteral("ReturnSale"), QString(), [&] { return registerItem(true); });
}

int ShtrihEmulator::closeReceipt(bool slip)
{
    if (!connected_)
        return sc::NoLink;
    if (!receipt_open_ || receipt_on_slip_ != slip)
        return sc::WrongMode;
    const qint64 cash = kopecks(pNum("Summ1"));
    const qint64 s2 = kopecks(pNum("Summ2"));
    const qint64 s3 = kopecks(pNum("Summ3"));
    const qint64 card = kopecks(pNum("Summ4"));
    const qint64 total = receipt_total_ - kopecks(pNum("DiscountOnCheck"));
    if (cash + s2 + s3 + card < total)
        return sc::NotEnoughPayment;
    const qint64 change = cash + s2 + s3 + card - total;
    const qint64 cash_kept = cash - change;
    const bool ret = receipt_type_ == 2;
    const int base = ret ? 195 : 193;
    cash_regs_[base] += cash_kept;
    cash_regs_[base + 4] += s2;
    cash_regs_[base + 8] += s3;
    cash_regs_[base + 12] += card;
    cash_regs_[241] += ret ? -cash_kept : cash_kept;
    ++receipt_number_;
    countDocument();
    QStringList out;
    out << spread(QStringLiteral("ИТОГ"), QStringLiteral("=") + money(total), width_);
    if (cash > 0)
        out << spread(QStringLiteral("НАЛИЧНЫМИ"), QStringLiteral("=") + money(cash), width_);
    if (card + s2 + s3 > 0)
        out << spread(QStringLiteral("БЕЗНАЛИЧНЫМИ"), QStringLiteral("=") + money(card + s2 + s3), width_);
    if (change > 0)
        out << spread(QStringLiteral("СДАЧА"), QStringLiteral("=") + money(change), width_);
    if (!receipt_email_.isEmpty())
        out << spread(QStringLiteral("ЭЛ. АДР. ПОКУПАТЕЛЯ"), receipt_email_, width_);
    out << core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm"));
    fiscalFooter(out);
    if (slip) {
        out << spread(QStringLiteral("КАССОВЫЙ ЧЕК №") + QString::number(receipt_number_),
                      ret ? QStringLiteral("ВОЗВРАТ ПРИХОДА") : QStringLiteral("ПРИХОД"), width_);
        int n = slip_next_line_ > 0 ? slip_next_line_ : pInt("OperationBlockFirstString");
        for (const QString& l : out)
            slip_fiscal_[n++] = l;
    } else {
        for (const QString& l : out)
            tapeLine(l);
    }
    receipt_open_ = false;
    receipt_on_slip_ = false;
    receipt_total_ = 0;
    printed();
    save();
    return sc::Ok;
}

int ShtrihEmulator::CloseCheck()
{
    return core_.invoke(QStringLiteral("CloseCheck"), QString(), [&] { return closeReceipt(false); });
}

int ShtrihEmulator::FNSendCustomerEmail()
{
    return core_.invoke(QStringLiteral("FNSendCustomerEmail"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (!receipt_open_)
            return sc::WrongMode;
        receipt_email_ = pText("CustomerEmail");
        return sc::Ok;
    });
}

QString ShtrihEmulator::get_SerialNumber() { return core_.readText(QStringLiteral("SerialNumber"), serial_); }

int ShtrihEmulator::GetOperationReg()
{
    return core_.invoke(QStringLiteral("GetOperationReg"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        op_reg_value_ = pInt("RegisterNumber") == 148 ? receipt_number_ : 0;
        return sc::Ok;
    });
}

int ShtrihEmulator::get_ContentsOfOperationRegister() { return core_.readInt(QStringLiteral("ContentsOfOperationRegister"), op_reg_value_); }

int ShtrihEmulator::GetCashReg()
{
    return core_.invoke(QStringLiteral("GetCashReg"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        cash_reg_value_ = cash_regs_.value(pInt("RegisterNumber")) / 100.0;
        return sc::Ok;
    });
}

double ShtrihEmulator::get_ContentsOfCashRegister() { return core_.readNumber(QStringLiteral("ContentsOfCashRegister"), cash_reg_value_); }

int ShtrihEmulator::ClearSlipDocumentBuffer()
{
    return core_.invoke(QStringLiteral("ClearSlipDocumentBuffer"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        slip_unfiscal_.clear();
        slip_fiscal_.clear();
        slip_next_line_ = 0;
        return sc::Ok;
    });
}

int ShtrihEmulator::FillSlipDocumentWithUnfiscalInfo()
{
    return core_.invoke(QStringLiteral("FillSlipDocumentWithUnfiscalInfo"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        const int n = pInt("StringNumber");
        if (n < 1 || n > 200)
            return sc::WrongMode;
        slip_unfiscal_[n] = pText("StringForPrinting");
        return sc::Ok;
    });
}

int ShtrihEmulator::PrintSlipDocument()
{
    return core_.invoke(QStringLiteral("PrintSlipDocument"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        QMap<int, QString> lines = slip_unfiscal_;
        if (pInt("InfoType") != 0)
            for (auto it = slip_fiscal_.begin(); it != slip_fiscal_.end(); ++it)
                lines[it.key()] = it.value();
        core_.print(QStringLiteral("==== подкладной документ ===="));
        const int last = lines.isEmpty() ? 0 : lines.lastKey();
        for (int i = 1; i <= last; ++i)
            core_.print(lines.value(i));
        core_.print(QStringLiteral("==== конец подкладного документа ===="));
        if (pBool("IsClearUnfiscalInfo")) {
            slip_unfiscal_.clear();
            slip_fiscal_.clear();
        }
        printed();
        return sc::Ok;
    });
}

int ShtrihEmulator::ConfigureSlipDocument()
{
    return core_.invoke(QStringLiteral("ConfigureSlipDocument"), QString(), [&] { return connected_ ? sc::Ok : sc::NoLink; });
}

int ShtrihEmulator::OpenStandardFiscalSlipDocument()
{
    return core_.invoke(QStringLiteral("OpenStandardFiscalSlipDocument"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        if (over24h())
            return sc::ShiftOver24h;
        if (!shift_.open)
            openShift();
        receipt_open_ = true;
        receipt_on_slip_ = true;
        receipt_type_ = pInt("CheckType");
        receipt_total_ = 0;
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::StandardRegistrationOnSlipDocument()
{
    return core_.invoke(QStringLiteral("StandardRegistrationOnSlipDocument"), QString(), [&] {
        if (!receipt_on_slip_)
            return connected_ ? sc::WrongMode : sc::NoLink;
        return registerItem(receipt_type_ == 2);
    });
}

int ShtrihEmulator::StandardCloseCheckOnSlipDocument()
{
    return core_.invoke(QStringLiteral("StandardCloseCheckOnSlipDocument"), QString(), [&] { return closeReceipt(true); });
}

int ShtrihEmulator::CashOutcome()
{
    return core_.invoke(QStringLiteral("CashOutcome"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        const qint64 sum = kopecks(pNum("Summ1"));
        if (sum > cash_regs_.value(241))
            return sc::NotEnoughCash;
        cash_regs_[241] -= sum;
        tapeLine(QStringLiteral("ВЫПЛАТА"));
        tapeLine(spread(QStringLiteral("СУММА"), QStringLiteral("=") + money(sum), width_));
        tapeLine(spread(QStringLiteral("НАЛИЧНЫХ В КАССЕ"), money(cash_regs_.value(241)), width_));
        tapeLine(cutLine(width_));
        printed();
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::FNBeginCorrectionReceipt()
{
    return core_.invoke(QStringLiteral("FNBeginCorrectionReceipt"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        return shift_.open ? sc::Ok : sc::WrongMode;
    });
}

int ShtrihEmulator::FNBuildCorrectionReceipt()
{
    return core_.invoke(QStringLiteral("FNBuildCorrectionReceipt"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (!shift_.open || receipt_open_)
            return sc::WrongMode;
        static const QStringList types = {QStringLiteral("ПРИХОД"), QStringLiteral("РАСХОД"),
                                          QStringLiteral("ВОЗВРАТ ПРИХОДА"), QStringLiteral("ВОЗВРАТ РАСХОДА")};
        const int t = pInt("CheckType");
        ++receipt_number_;
        countDocument();
        tapeLine(QStringLiteral("КАССОВЫЙ ЧЕК КОРРЕКЦИИ №") + QString::number(receipt_number_));
        tapeLine(t >= 0 && t < types.size() ? types[t] : QString::number(t));
        tapeLine(spread(QStringLiteral("СУММА"), QStringLiteral("=") + money(kopecks(pNum("Summ1"))), width_));
        QStringList f;
        fiscalFooter(f);
        for (const QString& l : f)
            tapeLine(l);
        tapeLine(cutLine(width_));
        last_receipt_number_ = receipt_number_;
        last_document_number_ = document_number_;
        last_fiscal_sign_ = fiscalSign(serial_, document_number_);
        printed();
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::get_ReceiptNumber() { return core_.readInt(QStringLiteral("ReceiptNumber"), last_receipt_number_); }
int ShtrihEmulator::get_DocumentNumber() { return core_.readInt(QStringLiteral("DocumentNumber"), last_document_number_); }
QString ShtrihEmulator::get_FiscalSign() { return core_.readText(QStringLiteral("FiscalSign"), last_fiscal_sign_); }
int ShtrihEmulator::get_DocumentCount() { return core_.readInt(QStringLiteral("DocumentCount"), document_count_); }

QDate ShtrihEmulator::get_Date()
{
    core_.readText(QStringLiteral("Date"), date_.toString(QStringLiteral("dd.MM.yyyy")));
    return date_;
}

int ShtrihEmulator::FNBeginCalculationStateReport()
{
    return core_.invoke(QStringLiteral("FNBeginCalculationStateReport"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        return receipt_open_ ? sc::ReceiptOpen : sc::Ok;
    });
}

int ShtrihEmulator::FNBuildCalculationStateReport()
{
    return core_.invoke(QStringLiteral("FNBuildCalculationStateReport"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        if (receipt_open_)
            return sc::ReceiptOpen;
        const int before = unconfirmed_;
        const QDate since = unconfirmed_since_;
        countDocument();
        tapeLine(QStringLiteral("ОТЧЕТ О ТЕКУЩЕМ СОСТОЯНИИ РАСЧЕТОВ"));
        tapeLine(spread(QStringLiteral("НЕПЕРЕДАННЫХ ФД"), QString::number(before), width_));
        if (before > 0)
            tapeLine(spread(QStringLiteral("ФД НЕ ПЕРЕДАНЫ С"), since.toString(QStringLiteral("dd.MM.yy")), width_));
        QStringList f;
        fiscalFooter(f);
        for (const QString& l : f)
            tapeLine(l);
        tapeLine(cutLine(width_));
        last_document_number_ = document_number_;
        last_fiscal_sign_ = fiscalSign(serial_, document_number_);
        document_count_ = before;
        date_ = before > 0 ? since : QDate();
        printed();
        save();
        return sc::Ok;
    });
}

int ShtrihEmulator::FNGetUnconfirmedDocCount()
{
    return core_.invoke(QStringLiteral("FNGetUnconfirmedDocCount"), QString(), [&] {
        if (!connected_)
            return sc::NoLink;
        document_count_ = unconfirmed_;
        return sc::Ok;
    });
}
