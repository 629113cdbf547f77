#include "fiscal/emulator_core.h"
#include "fiscal/driver_error.h"
#include "util/clock.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

QString JournalEntry::text() const
{
    switch (kind) {
    case Put: return name + QStringLiteral(" := ") + args;
    case Get: return name + QStringLiteral(" -> ") + result;
    case Call: break;
    }
    return name + QLatin1Char('(') + args + QStringLiteral(") = ") + result;
}

std::optional<EmulatorFault> EmulatorFault::parse(const QString& text)
{
    const QStringList w = text.trimmed().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (w.size() < 2)
        return std::nullopt;
    EmulatorFault f;
    f.call = w[0];
    const QString what = w[1].toLower();
    int next = 2;
    bool ok = false;
    if (what == QLatin1String("throw")) {
        f.kind = Throw;
        f.message = w.mid(2).join(QLatin1Char(' '));
        if (f.message.isEmpty())
            f.message = QStringLiteral("Ошибка драйвера");
        return f;
    }
    if (what == QLatin1String("busy")) {
        if (w.size() < 3)
            return std::nullopt;
        f.kind = Busy;
        f.code = 80;
        f.ms = w[2].toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return f;
    }
    if (what == QLatin1String("notape")) {
        f.kind = NoTape;
        f.code = 64609;
    } else {
        f.kind = Code;
        f.code = w[1].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (next < w.size()) {
        const QString t = w[next].toLower();
        if (t == QLatin1String("once"))
            f.times = 1;
        else if (t.startsWith(QLatin1Char('x'))) {
            f.times = t.mid(1).toInt(&ok);
            if (!ok || f.times < 1)
                return std::nullopt;
        } else
            return std::nullopt;
    }
    return f;
}

EmulatorFault EmulatorFault::code_on(const QString& call, int code, int times)
{
    EmulatorFault f;
    f.call = call;
    f.kind = Code;
    f.code = code;
    f.times = times;
    return f;
}

EmulatorFault EmulatorFault::busy(const QString& call, qint64 ms)
{
    EmulatorFault f;
    f.call = call;
    f.kind = Busy;
    f.code = 80;
    f.ms = ms;
    return f;
}

EmulatorFault EmulatorFault::no_tape(const QString& call, int times)
{
    EmulatorFault f;
    f.call = call;
    f.kind = NoTape;
    f.code = 64609;
    f.times = times;
    return f;
}

EmulatorFault EmulatorFault::raise(const QString& call, const QString& message, int times)
{
    EmulatorFault f;
    f.call = call;
    f.kind = Throw;
    f.message = message;
    f.times = times;
    return f;
}

EmulatorCore::EmulatorCore(QString kind, const QString& work_folder, Clock& clock)
    : kind_(std::move(kind)), folder_(QDir(work_folder).filePath(QStringLiteral("fr_emul"))), clock_(clock)
{
    QDir().mkpath(folder_);
    QFile f(settingsFile(work_folder));
    if (f.open(QIODevice::ReadOnly)) {
        QString section;
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        for (QString line : lines) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                section = line.mid(1, line.size() - 2).trimmed().toLower();
                continue;
            }
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq < 0 || section != kind_)
                continue;
            const QString key = line.left(eq).trimmed().toLower();
            const QString value = line.mid(eq + 1).trimmed();
            settings_[key].append(value);
        }
    }
    for (const QString& line : settings_.value(QStringLiteral("fault"))) {
        if (auto fault = EmulatorFault::parse(line))
            faults_.append(*fault);
    }
}

QString EmulatorCore::stateFile() const { return QDir(folder_).filePath(kind_ + QStringLiteral(".state")); }
QString EmulatorCore::tapeFile() const { return QDir(folder_).filePath(kind_ + QStringLiteral(".tape.txt")); }
QString EmulatorCore::journalFile() const { return QDir(folder_).filePath(kind_ + QStringLiteral(".journal.txt")); }
QString EmulatorCore::settingsFile(const QString& work_folder)
{
    return QDir(work_folder).filePath(QStringLiteral("fr_emul/emulator.ini"));
}

QString EmulatorCore::setting(const QString& key, const QString& fallback) const
{
    const QStringList v = settings_.value(key.toLower());
    return v.isEmpty() ? fallback : v.last();
}

int EmulatorCore::settingInt(const QString& key, int fallback) const
{
    bool ok = false;
    const int v = setting(key).toInt(&ok);
    return ok ? v : fallback;
}

void EmulatorCore::addFault(const EmulatorFault& fault) { faults_.append(fault); }

QStringList EmulatorCore::journalText(bool with_reads) const
{
    QStringList out;
    for (const JournalEntry& e : journal_)
        if (with_reads || e.kind != JournalEntry::Get)
            out << e.text();
    return out;
}

QStringList EmulatorCore::calls() const
{
    QStringList out;
    for (const JournalEntry& e : journal_)
        if (e.kind == JournalEntry::Call)
            out << e.name;
    return out;
}

void EmulatorCore::append(const QString& file, const QString& line) const
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        f.write(line.toUtf8() + '\n');
}

void EmulatorCore::print(const QString& line)
{
    tape_ << line;
    append(tapeFile(), line);
}

void EmulatorCore::printWrapped(const QString& line, int width)
{
    if (width < 1 || line.size() <= width) {
        print(line);
        return;
    }
    for (int i = 0; i < line.size(); i += width)
        print(line.mid(i, width));
}

namespace {
const QString kShiftTime = QStringLiteral("yyyy-MM-ddThh:mm:ss");
} // namespace

void EmulatedShift::load(const QMap<QString, QString>& state)
{
    open = state.value(QStringLiteral("shift_open")) == QLatin1String("1");
    opened_at = QDateTime::fromString(state.value(QStringLiteral("shift_opened_at")), kShiftTime);
    number = state.value(QStringLiteral("shift_number")).toInt();
}

void EmulatedShift::save(QMap<QString, QString>& state) const
{
    state[QStringLiteral("shift_open")] = open ? QStringLiteral("1") : QStringLiteral("0");
    state[QStringLiteral("shift_opened_at")] = opened_at.toString(kShiftTime);
    state[QStringLiteral("shift_number")] = QString::number(number);
}

void EmulatedShift::set(bool is_open, const QDateTime& at)
{
    open = is_open;
    opened_at = at;
    if (open && number == 0)
        number = 1;
}

void EmulatedShift::start(const QDateTime& now)
{
    open = true;
    opened_at = now;
    ++number;
}

bool EmulatedShift::over24h(const QDateTime& now) const
{
    return open && opened_at.isValid() && opened_at.msecsTo(now) >= 24LL * 3600 * 1000;
}

QMap<QString, QString> EmulatorCore::loadState() const
{
    QMap<QString, QString> m;
    QFile f(stateFile());
    if (!f.open(QIODevice::ReadOnly))
        return m;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            m.insert(line.left(eq), line.mid(eq + 1));
    }
    return m;
}

void EmulatorCore::saveState(const QMap<QString, QString>& state) const
{
    QSaveFile f(stateFile());
    if (!f.open(QIODevice::WriteOnly))
        return;
    for (auto it = state.begin(); it != state.end(); ++it) {
        QString v = it.value();
        v.replace(QLatin1Char('\n'), QLatin1Char(' '));
        f.write((it.key() + QLatin1Char('=') + v + QLatin1Char('\n')).toUtf8());
    }
    f.commit();
}

QString EmulatorCore::quote(const QString& s)
{
    QString q = s;
    q.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    q.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

void EmulatorCore::record(JournalEntry::Kind kind, const QString& name, const QString& args, const QString& result)
{
    JournalEntry e{kind, name, args, result};
    journal_.append(e);
    append(journalFile(), clock_.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")) + e.text());
}

void EmulatorCore::recordPut(const QString& name, const QString& value) { record(JournalEntry::Put, name, value, QString()); }

int EmulatorCore::readInt(const QString& name, int actual)
{
    const Action a = faultFor(name, QString());
    const int v = a.skip ? a.code : actual;
    record(JournalEntry::Get, name, QString(), QString::number(v));
    return v;
}

QString EmulatorCore::readText(const QString& name, const QString& actual)
{
    const Action a = faultFor(name, QString());
    const QString v = a.skip ? QString::number(a.code) : actual;
    record(JournalEntry::Get, name, QString(), quote(v));
    return v;
}

double EmulatorCore::readNumber(const QString& name, double actual)
{
    const Action a = faultFor(name, QString());
    const double v = a.skip ? a.code : actual;
    record(JournalEntry::Get, name, QString(), QString::number(v, 'f', 2));
    return v;
}

EmulatorCore::Action EmulatorCore::faultFor(const QString& name, const QString& args)
{
    Action a;
    for (int i = 0; i < faults_.size(); ++i) {
        EmulatorFault& f = faults_[i];
        if (f.call.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (f.kind == EmulatorFault::Busy) {
            if (!f.since)
                f.since = clock_.now();
            if (f.since->msecsTo(clock_.now()) >= f.ms) {
                faults_.removeAt(i--);
                continue;
            }
            a.skip = true;
            a.code = f.code;
            return a;
        }
        const EmulatorFault hit = f;
        if (f.times > 0 && --f.times == 0)
            faults_.removeAt(i);
        switch (hit.kind) {
        case EmulatorFault::Throw:
            record(JournalEntry::Call, name, args, QStringLiteral("raised: ") + hit.message);
            throw DriverError(hit.message);
        case EmulatorFault::NoTape:
            a.no_tape = true;
            return a;
        default:
            a.skip = true;
            a.code = hit.code;
            return a;
        }
    }
    return a;
}

QString EmulatorCore::valueText(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QString: return quote(v.toString());
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Double: return QString::number(v.toDouble(), 'f', 2);
    default: return v.toString();
    }
}
