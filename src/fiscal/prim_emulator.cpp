#include "fiscal/prim_emulator.h"
#include "fiscal/emulator_text.h"
#include "util/clock.h"
#include <QMap>

using namespace emulator_text;
namespace pc = prim_codes;

namespace {
QString q(const QString& s) { return EmulatorCore::quote(s); }
void place(QMap<int, QString>& rows, int row, int column, const QString& text)
{
    QString& l = rows[row];
    const int at = std::max(0, column - 1);
    if (l.size() < at)
        l += QString(at - l.size(), QLatin1Char(' '));
    l = l.left(at) + text + l.mid(at + text.size());
}
} // namespace

PrimEmulator::PrimEmulator(const QString& work_folder, Clock& clock)
    : core_(QStringLiteral("prim"), work_folder, clock), width_(core_.settingInt(QStringLiteral("width"), 48)),
      port_(core_.setting(QStringLiteral("port"), QStringLiteral("COM1")))
{
    load();
}

bool PrimEmulator::portExists(const QString& port) const
{
    const QStringList ports = core_.setting(QStringLiteral("ports"), QStringLiteral("COM1,COM2,COM3,COM4,COM5,COM6"))
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& p : ports)
        if (p.trimmed().compare(port, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

qint64 PrimEmulator::field(int n) const
{
    switch (n) {
    case 5: return sales_;
    case 6: return returns_;
    case 7: return storno_;
    default: return 0;
    }
}

void PrimEmulator::load()
{
    const auto s = core_.loadState();
    shift_.load(s);
    document_number_ = s.value(QStringLiteral("document_number")).toInt();
    sales_ = s.value(QStringLiteral("field5")).toLongLong();
    returns_ = s.value(QStringLiteral("field6")).toLongLong();
    storno_ = s.value(QStringLiteral("field7")).toLongLong();
}

void PrimEmulator::save() const
{
    QMap<QString, QString> s;
    shift_.save(s);
    s[QStringLiteral("document_number")] = QString::number(document_number_);
    s[QStringLiteral("field5")] = QString::number(sales_);
    s[QStringLiteral("field6")] = QString::number(returns_);
    s[QStringLiteral("field7")] = QString::number(storno_);
    core_.saveState(s);
}

void PrimEmulator::setShift(bool open, const QDateTime& opened_at)
{
    shift_.set(open, opened_at);
    save();
}

bool PrimEmulator::over24h() const
{
    return shift_.over24h(core_.clock().now());
}

void PrimEmulator::openShift()
{
    shift_.start(core_.clock().now());
    ++document_number_;
    sales_ = returns_ = storno_ = 0;
    line(QStringLiteral("ОТКРЫТИЕ СМЕНЫ"));
    line(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
    line(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
    line(cutLine(width_));
}

void PrimEmulator::totals(const QString& title)
{
    line(title);
    line(spread(QStringLiteral("СМЕНА №"), QString::number(shift_.number), width_));
    line(core_.clock().now().toString(QStringLiteral("dd.MM.yy hh:mm")));
    line(spread(QStringLiteral("ПРОДАЖИ"), money(sales_), width_));
    line(spread(QStringLiteral("ВОЗВРАТЫ"), money(returns_), width_));
    line(spread(QStringLiteral("АННУЛИРОВАНО"), money(storno_), width_));
    line(cutLine(width_));
}

int PrimEmulator::OpenDLLPlus(const QString& oper_name, const QString& password, const QString& port, const QString& speed,
                              int flags)
{
    const QString args = q(oper_name) + QStringLiteral(", ") + q(password) + QStringLiteral(", ") + q(port) + QStringLiteral(", ")
        + q(speed) + QStringLiteral(", ") + QString::number(flags);
    return core_.invoke(QStringLiteral("OpenDLLPlus"), args, [&] {
        if (port.compare(port_, Qt::CaseInsensitive) != 0) {
            opened_ = false;
            return pc::NoAnswer;
        }
        opened_ = true;
        oper_name_ = oper_name;
        return pc::Ok;
    });
}

int PrimEmulator::StartSeans()
{
    return core_.invoke(QStringLiteral("StartSeans"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (shift_.open && shift_.opened_at.isValid() && shift_.opened_at.date() < core_.clock().today())
            return pc::ShiftOld;
        return pc::Ok;
    });
}

int PrimEmulator::CloseDLL()
{
    return core_.invoke(QStringLiteral("CloseDLL"), QString(), [&] {
        opened_ = false;
        return pc::Ok;
    });
}

int PrimEmulator::ShiftOpen(const QString& text)
{
    return core_.invoke(QStringLiteral("ShiftOpen"), q(text), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (shift_.open)
            return pc::ShiftOpen;
        openShift();
        save();
        return pc::Ok;
    });
}

int PrimEmulator::ShiftClose()
{
    return core_.invoke(QStringLiteral("ShiftClose"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!shift_.open || fdoc_open_)
            return pc::WrongState;
        ++document_number_;
        totals(QStringLiteral("Z-ОТЧЕТ (ЗАКРЫТИЕ СМЕНЫ)"));
        shift_.open = false;
        save();
        return pc::Ok;
    });
}

int PrimEmulator::XReport()
{
    return core_.invoke(QStringLiteral("XReport"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        totals(QStringLiteral("X-ОТЧЕТ"));
        return pc::Ok;
    });
}

int PrimEmulator::GetShiftState(int& state, int& second)
{
    state = 0;
    second = 0;
    int st = 0, nr = 0;
    const int r = core_.invoke(QStringLiteral("GetShiftState"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        st = !shift_.open ? 0 : over24h() ? 1 : 2;
        nr = shift_.number;
        return pc::Ok;
    });
    state = st;
    second = nr;
    return r;
}

int PrimEmulator::GetMony()
{
    return core_.invoke(QStringLiteral("GetMony"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        mony_ = {sales_, returns_, storno_};
        return pc::Ok;
    });
}

int PrimEmulator::GetFldInt(int n)
{
    return core_.invoke(QStringLiteral("GetFldInt"), QString::number(n), [&] {
        if (mony_.size() != 3 || n < 5 || n > 7)
            return 0;
        return static_cast<int>(mony_[n - 5]);
    });
}

int PrimEmulator::OpenFiscalDoc(int doc_type, int a2, int a3, int a4, int copies, int a6, int copy_offset, int a8, int a9,
                                qint64 total_kop)
{
    QStringList a;
    for (qint64 v : {qint64(doc_type), qint64(a2), qint64(a3), qint64(a4), qint64(copies), qint64(a6), qint64(copy_offset),
                     qint64(a8), qint64(a9), total_kop})
        a << QString::number(v);
    return core_.invoke(QStringLiteral("OpenFiscalDoc"), a.join(QStringLiteral(", ")), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (doc_type != 0 && doc_type != 2)
            return pc::WrongState;
        if (over24h())
            return pc::ShiftOver24h;
        if (fdoc_open_) {
            storno_ += fdoc_total_;
            line(QStringLiteral("ЧЕК АННУЛИРОВАН ") + money(fdoc_total_));
            line(cutLine(width_));
        }
        if (!shift_.open)
            openShift();
        fdoc_open_ = true;
        fdoc_type_ = doc_type;
        fdoc_copies_ = std::max(1, copies);
        fdoc_offset_ = copy_offset;
        fdoc_total_ = total_kop;
        positions_ = {};
        fields_.clear();
        save();
        return pc::Ok;
    });
}

int PrimEmulator::AddPosField(const std::array<int, 21>& positions)
{
    QStringList a;
    for (int v : positions)
        a << QString::number(v);
    return core_.invoke(QStringLiteral("AddPosField"), a.join(QStringLiteral(", ")), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!fdoc_open_)
            return pc::WrongState;
        positions_ = positions;
        return pc::Ok;
    });
}

int PrimEmulator::AddFreeField(int row, int column, int a3, int a4, int flag, const QString& text)
{
    const QString args = QStringLiteral("%1, %2, %3, %4, %5, ").arg(row).arg(column).arg(a3).arg(a4).arg(flag) + q(text);
    return core_.invoke(QStringLiteral("AddFreeField"), args, [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!fdoc_open_ || row < 1 || column < 1)
            return pc::WrongState;
        fields_.append({row, column, flag, text});
        return pc::Ok;
    });
}

void PrimEmulator::slipBlock(const QStringList& lines)
{
    core_.print(QStringLiteral("==== подкладной документ ===="));
    for (const QString& l : lines)
        core_.print(l);
    core_.print(QStringLiteral("==== конец подкладного документа ===="));
}

int PrimEmulator::printFiscal(bool slip)
{
    if (!opened_)
        return pc::NoAnswer;
    if (!fdoc_open_)
        return pc::WrongState;
    ++document_number_;
    const QDateTime now = core_.clock().now();
    const QStringList own = {core_.setting(QStringLiteral("regnum"), QStringLiteral("0000000001234567")),
                             QStringLiteral("%1").arg(document_number_, 5, 10, QLatin1Char('0')),
                             now.toString(QStringLiteral("dd.MM.yy")),
                             now.toString(QStringLiteral("hh:mm")),
                             core_.setting(QStringLiteral("inn"), QStringLiteral("2465000000")),
                             oper_name_,
                             QStringLiteral("=") + money(fdoc_total_)};
    QMap<int, QString> rows;
    const int copies = slip ? fdoc_copies_ : 1;
    for (int c = 0; c < copies; ++c)
        for (int i = 0; i < 7; ++i) {
            const int row = positions_[i * 3], col = positions_[i * 3 + 1];
            if (row > 0 && col > 0)
                place(rows, row, col + c * fdoc_offset_, own[i]);
        }
    for (const FreeField& f : fields_)
        place(rows, f.row, f.column, f.text);
    QStringList out;
    const int last = rows.isEmpty() ? 0 : rows.lastKey();
    for (int r = 1; r <= last; ++r)
        out << rows.value(r);
    if (slip)
        slipBlock(out);
    else {
        line(fdoc_type_ == 2 ? QStringLiteral("ВОЗВРАТ ПРИХОДА") : QStringLiteral("ПРИХОД"));
        for (const QString& l : out)
            line(l);
        line(QStringLiteral("ФП ") + fiscalSign(own[0], document_number_));
        line(cutLine(width_));
    }
    (fdoc_type_ == 2 ? returns_ : sales_) += fdoc_total_;
    fdoc_open_ = false;
    save();
    return pc::Ok;
}

int PrimEmulator::PrintFiscalReceipt()
{
    return core_.invoke(QStringLiteral("PrintFiscalReceipt"), QString(), [&] { return printFiscal(false); });
}

int PrimEmulator::PrintFiscalSlip()
{
    return core_.invoke(QStringLiteral("PrintFiscalSlip"), QString(), [&] { return printFiscal(true); });
}

int PrimEmulator::GetNumbers()
{
    return core_.invoke(QStringLiteral("GetNumbers"), QString(), [&] { return opened_ ? pc::Ok : pc::NoAnswer; });
}

int PrimEmulator::OpenFDoc()
{
    return core_.invoke(QStringLiteral("OpenFDoc"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        nf_open_ = true;
        nf_slip_ = false;
        nf_slip_lines_.clear();
        return pc::Ok;
    });
}

int PrimEmulator::SlipSelectFDoc()
{
    return core_.invoke(QStringLiteral("SlipSelectFDoc"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!nf_open_)
            return pc::WrongState;
        nf_slip_ = true;
        return pc::Ok;
    });
}

int PrimEmulator::PrintOEMCRLFDoc(const QString& text, int length)
{
    return core_.invoke(QStringLiteral("PrintOEMCRLFDoc"), q(text) + QStringLiteral(", ") + QString::number(length), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!nf_open_)
            return pc::WrongState;
        const QString l = text.left(std::max(0, length));
        if (nf_slip_)
            nf_slip_lines_ << l;
        else
            line(l);
        return pc::Ok;
    });
}

int PrimEmulator::SlipEjectFDoc()
{
    return core_.invoke(QStringLiteral("SlipEjectFDoc"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!nf_slip_)
            return pc::WrongState;
        slipBlock(nf_slip_lines_);
        nf_slip_lines_.clear();
        nf_slip_ = false;
        return pc::Ok;
    });
}

int PrimEmulator::CloseFDoc()
{
    return core_.invoke(QStringLiteral("CloseFDoc"), QString(), [&] {
        if (!opened_)
            return pc::NoAnswer;
        if (!nf_open_)
            return pc::WrongState;
        if (nf_slip_ && !nf_slip_lines_.isEmpty())
            slipBlock(nf_slip_lines_);
        nf_slip_lines_.clear();
        nf_open_ = nf_slip_ = false;
        return pc::Ok;
    });
}

int PrimEmulator::FreeDocCutPlus(int lines)
{
    return core_.invoke(QStringLiteral("FreeDocCutPlus"), QString::number(lines), [&] {
        if (!opened_)
            return pc::NoAnswer;
        for (int i = 0; i < lines; ++i)
            line(QString());
        line(cutLine(width_));
        return pc::Ok;
    });
}
