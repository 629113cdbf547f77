#include "fiscal/atol_emulator.h"
#include "fiscal/emulator_text.h"
#include "util/clock.h"

using namespace emulator_text;
namespace ac = atol_codes;

AtolEmulator::AtolEmulator(const QString& work_folder, Clock& clock)
    : core_(QStringLiteral("atol"), work_folder, clock), width_(core_.settingInt(QStringLiteral("width"), 48))
{
    serial_ = core_.setting(QStringLiteral("serial"), QStringLiteral("00106700000001"));
    load();
}

void AtolEmulator::put(const QString& name, const QVariant& v)
{
    props_[name] = v;
    core_.recordPut(name, EmulatorCore::valueText(v));
}

void AtolEmulator::load()
{
    const auto s = core_.loadState();
    shift_.load(s);
    receipt_number_ = s.value(QStringLiteral("receipt_number")).toInt();
    document_number_ = s.value(QStringLiteral("document_number")).toInt();
    receipt_open_ = s.value(QStringLiteral("receipt_open")) == QLatin1String("1");
    receipt_type_ = s.value(QStringLiteral("receipt_type"), QStringLiteral("1")).toInt();
    receipt_total_ = s.value(QStringLiteral("receipt_total")).toLongLong();
    cash_ = s.value(QStringLiteral("cash")).toLongLong();
    for (auto it = s.begin(); it != s.end(); ++it)
        if (it.key().startsWith(QLatin1String("total_")))
            totals_[it.key().mid(6).toInt()] = it.value().toLongLong();
}

void AtolEmulator::save() const
{
    QMap<QString, QString> s;
    shift_.save(s);
    s[QStringLiteral("receipt_number")] = QString::number(receipt_number_);
    s[QStringLiteral("document_number")] = QString::number(document_number_);
    s[QStringLiteral("receipt_open")] = receipt_open_ ? QStringLiteral("1") : QStringLiteral("0");
    s[QStringLiteral("receipt_type")] = QString::number(receipt_type_);
    s[QStringLiteral("receipt_total")] = QString::number(receipt_total_);
    s[QStringLiteral("cash")] = QString::number(cash_);
    for (auto it = totals_.begin(); it != totals_.end(); ++it)
        s[QStringLiteral("total_%1").arg(it.key())] = QString::number(it.value());
    core_.saveState(s);
}

void AtolEmulator::setShift(bool open, const QDateTime& opened_at)
{
    shift_.set(open, opened_at);
    save();
}

bool AtolEmulator::over24h() const
{
    return shift_.over24h(core_.clock().now());
}

void AtolEmulator::openShift()
{
    shift_.start(core_.clock().now());
    ++document_number_;
    totals_.clear();
    line(QStringLiteral("ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ"));
    line(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
    line(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
    line(spread(QStringLiteral("ФД №") + QString::number(document_number_),
                QStringLiteral("ФП ") + fiscalSign(serial_, document_number_), width_));
    line(cutLine(width_));
}

void AtolEmulator::put_DeviceEnabled(bool on)
{
    put(QStringLiteral("DeviceEnabled"), on);
    enabled_ = on;
}

bool AtolEmulator::get_DeviceEnabled() { return core_.readInt(QStringLiteral("DeviceEnabled"), enabled_ ? 1 : 0) != 0; }

int AtolEmulator::GetStatus()
{
    return core_.invoke(QStringLiteral("GetStatus"), QString(), [&] { return enabled_ ? ac::Ok : ac::NoLink; });
}

int AtolEmulator::get_Mode() { return core_.readInt(QStringLiteral("Mode"), mode_); }

int AtolEmulator::SetMode()
{
    return core_.invoke(QStringLiteral("SetMode"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        const int m = pInt("Mode");
        if (m < 0 || m > 3)
            return ac::WrongValue;
        if (receipt_open_ && m != 1)
            return ac::CheckOpen;
        mode_ = m;
        return ac::Ok;
    });
}

int AtolEmulator::Resetmode()
{
    return core_.invoke(QStringLiteral("Resetmode"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        mode_ = 0;
        return ac::Ok;
    });
}

int AtolEmulator::OpenSession()
{
    return core_.invoke(QStringLiteral("OpenSession"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        if (mode_ != 1)
            return ac::WrongMode;
        if (shift_.open)
            return ac::ShiftOpen;
        openShift();
        save();
        return ac::Ok;
    });
}

bool AtolEmulator::get_SessionOpened() { return core_.readInt(QStringLiteral("SessionOpened"), shift_.open ? 1 : 0) != 0; }

void AtolEmulator::report(bool z)
{
    line(z ? QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ") : QStringLiteral("ОТЧЕТ БЕЗ ГАШЕНИЯ"));
    line(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
    line(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
    line(spread(QStringLiteral("ПРОДАЖИ НАЛИЧНЫМИ"), money(totals_.value(10)), width_));
    line(spread(QStringLiteral("ПРОДАЖИ ЭЛЕКТРОННЫМИ"), money(totals_.value(13)), width_));
    line(spread(QStringLiteral("ВОЗВРАТЫ НАЛИЧНЫМИ"), money(totals_.value(20)), width_));
    line(spread(QStringLiteral("ВОЗВРАТЫ ЭЛЕКТРОННЫМИ"), money(totals_.value(23)), width_));
    line(spread(QStringLiteral("НАЛИЧНОСТЬ В КАССЕ"), money(cash_), width_));
    if (z) {
        ++document_number_;
        line(spread(QStringLiteral("ФД №") + QString::number(document_number_),
                    QStringLiteral("ФП ") + fiscalSign(serial_, document_number_), width_));
    }
    line(cutLine(width_));
}

int AtolEmulator::Report()
{
    return core_.invoke(QStringLiteral("Report"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        const int type = pInt("ReportType");
        if (mode_ == 2 && type == 2) {
            report(false);
            return ac::Ok;
        }
        if (mode_ == 3 && type == 1) {
            if (!shift_.open)
                return ac::ShiftClosed;
            report(true);
            shift_.open = false;
            save();
            return ac::Ok;
        }
        return ac::WrongMode;
    });
}

int AtolEmulator::OpenCheck()
{
    return core_.invoke(QStringLiteral("OpenCheck"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        if (mode_ != 1)
            return ac::WrongMode;
        if (receipt_open_)
            return ac::CheckOpen;
        const int type = pInt("CheckType");
        if (type != 1 && type != 2)
            return ac::WrongValue;
        if (over24h())
            return ac::ShiftOver24h;
        if (!shift_.open)
            openShift();
        receipt_open_ = true;
        receipt_type_ = type;
        receipt_total_ = 0;
        receipt_email_.clear();
        line(spread(QStringLiteral("КАССОВЫЙ ЧЕК №") + QString::number(receipt_number_ + 1),
                    type == 2 ? QStringLiteral("ВОЗВРАТ ПРИХОДА") : QStringLiteral("ПРИХОД"), width_));
        save();
        return ac::Ok;
    });
}

int AtolEmulator::item(bool ret)
{
    if (!enabled_)
        return ac::NoLink;
    if (mode_ != 1)
        return ac::WrongMode;
    if (!receipt_open_)
        return ac::CheckClosed;
    if ((receipt_type_ == 2) != ret)
        return ac::WrongMode;
    const qint64 price = kopecks(pNum("Price"));
    const double qty = pNum("Quantity");
    if (price < 0 || qty <= 0)
        return ac::WrongValue;
    const qint64 sum = std::llround(price * qty);
    receipt_total_ += sum;
    line(pText("Name"));
    line(spread(QString::number(qty, 'f', 3) + QStringLiteral(" X ") + money(price), QStringLiteral("=") + money(sum), width_));
    save();
    return ac::Ok;
}

int AtolEmulator::Registration()
{
    return core_.invoke(QStringLiteral("Registration"), QString(), [&] { return item(false); });
}

int AtolEmulator::Return()
{
    return core_.invoke(QStringLiteral("Return"), QString(), [&] { return item(true); });
}

int AtolEmulator::WriteAttribute()
{
    return core_.invoke(QStringLiteral("WriteAttribute"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        if (!receipt_open_)
            return ac::CheckClosed;
        if (pInt("AttrNumber") == 1008)
            receipt_email_ = pText("AttrValue");
        return ac::Ok;
    });
}

int AtolEmulator::CloseCheck()
{
    return core_.invoke(QStringLiteral("CloseCheck"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        if (mode_ != 1)
            return ac::WrongMode;
        if (!receipt_open_)
            return ac::CheckClosed;
        const int close = pInt("TypeClose");
        totals_[receipt_type_ * 10 + close] += receipt_total_;
        if (close == 0)
            cash_ += receipt_type_ == 2 ? -receipt_total_ : receipt_total_;
        ++receipt_number_;
        ++document_number_;
        line(spread(QStringLiteral("ИТОГ"), QStringLiteral("=") + money(receipt_total_), width_));
        line(spread(close == 0 ? QStringLiteral("НАЛИЧНЫМИ") : QStringLiteral("БЕЗНАЛИЧНЫМИ"),
                    QStringLiteral("=") + money(receipt_total_), width_));
        if (!receipt_email_.isEmpty())
            line(spread(QStringLiteral("ЭЛ. АДР. ПОКУПАТЕЛЯ"), receipt_email_, width_));
        line(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
        line(spread(QStringLiteral("ФД №") + QString::number(document_number_),
                    QStringLiteral("ФП ") + fiscalSign(serial_, document_number_), width_));
        line(cutLine(width_));
        receipt_open_ = false;
        receipt_total_ = 0;
        save();
        return ac::Ok;
    });
}

int AtolEmulator::PrintString()
{
    return core_.invoke(QStringLiteral("PrintString"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        const QString text = pText("Caption");
        if (pInt("TextWrap") != 0)
            line(text);
        else
            core_.print(text.left(width_));
        return ac::Ok;
    });
}

int AtolEmulator::PrintHeader()
{
    return core_.invoke(QStringLiteral("PrintHeader"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        for (const QString& l : core_.setting(QStringLiteral("header"), QStringLiteral("ККТ АТОЛ (эмулятор)")).split(QLatin1Char('|')))
            line(l);
        return ac::Ok;
    });
}

int AtolEmulator::FullCut()
{
    return core_.invoke(QStringLiteral("FullCut"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        line(cutLine(width_));
        return ac::Ok;
    });
}

double AtolEmulator::get_Summ() { return core_.readNumber(QStringLiteral("Summ"), pNum("Summ")); }

int AtolEmulator::CashOutcome()
{
    return core_.invoke(QStringLiteral("CashOutcome"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        if (mode_ != 1)
            return ac::WrongMode;
        if (receipt_open_)
            return ac::CheckOpen;
        const qint64 sum = kopecks(pNum("Summ"));
        if (sum <= 0)
            return ac::WrongValue;
        if (sum > cash_)
            return ac::NotEnoughCash;
        cash_ -= sum;
        line(QStringLiteral("ВЫПЛАТА"));
        line(spread(QStringLiteral("СУММА"), QStringLiteral("=") + money(sum), width_));
        line(spread(QStringLiteral("НАЛИЧНОСТЬ В КАССЕ"), money(cash_), width_));
        line(cutLine(width_));
        save();
        return ac::Ok;
    });
}

int AtolEmulator::GetRegister()
{
    return core_.invoke(QStringLiteral("GetRegister"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        const int reg = pInt("RegisterNumber");
        qint64 v = 0;
        if (reg == 12 || reg == 1)
            v = totals_.value(pInt("CheckType") * 10 + pInt("TypeClose"));
        else if (reg == 10)
            v = cash_;
        else
            return ac::WrongValue;
        props_[QStringLiteral("Summ")] = v / 100.0;
        return ac::Ok;
    });
}

int AtolEmulator::OpenDrawer()
{
    return core_.invoke(QStringLiteral("OpenDrawer"), QString(), [&] {
        if (!enabled_)
            return ac::NoLink;
        core_.print(QStringLiteral("(открыт денежный ящик)"));
        return ac::Ok;
    });
}
