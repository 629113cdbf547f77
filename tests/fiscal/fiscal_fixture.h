#pragma once
#include "fiscal/atol_emulator.h"
#include "fiscal/fiscal_printer.h"
#include "fiscal/prim_emulator.h"
#include "fiscal/shtrih_emulator.h"
#include "util/clock.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A work folder with the emulator of one device kind, a stopped clock, a scripted cashier and the log.
struct FiscalBench {
    explicit FiscalBench(int driver, bool connect = true, const QString& emulator_ini = QString())
        : clock(QDateTime(QDate(2024, 3, 15), QTime(10, 0, 0))), log(dir.filePath(QStringLiteral("log")), &clock)
    {
        if (!emulator_ini.isEmpty()) {
            QDir().mkpath(dir.filePath(QStringLiteral("fr_emul")));
            QFile f(dir.filePath(QStringLiteral("fr_emul/emulator.ini")));
            f.open(QIODevice::WriteOnly);
            f.write(emulator_ini.toUtf8());
        }
        settings.fr_driver = driver;
        settings.fr_port = QStringLiteral("COM1");
        settings.fr_password = QStringLiteral("30");
        settings.receipt_header = QStringLiteral("ООО Тест");
        settings.cur_oper_name = QStringLiteral("Иванова");
        settings.work_folder = dir.path();
        FiscalDrivers d = FiscalDrivers::emulated(driver, dir.path(), clock);
        prim = dynamic_cast<PrimEmulator*>(d.prim.get());
        atol = dynamic_cast<AtolEmulator*>(d.atol.get());
        shtrih = dynamic_cast<ShtrihEmulator*>(d.shtrih.get());
        printer = std::make_unique<FiscalPrinter>(settings, state, std::move(d), log, clock, dialogs);
        const QDateTime hour_ago = clock.now().addSecs(-3600);
        if (prim)
            prim->setShift(true, hour_ago);
        if (atol)
            atol->setShift(true, hour_ago);
        if (shtrih)
            shtrih->setShift(true, hour_ago);
        if (connect) {
            state.fr_connected = printer->fr_connect() == 0;
            reset();
        }
    }

    EmulatorCore* core()
    {
        if (prim) return &prim->core();
        if (atol) return &atol->core();
        if (shtrih) return &shtrih->core();
        return nullptr;
    }
    // Forgets what was recorded so far (journal, tape, dialogs).
    void reset()
    {
        if (EmulatorCore* c = core()) {
            c->clearJournal();
            c->clearTape();
        }
        dialogs.clear();
    }
    QStringList calls() { return core() ? core()->calls() : QStringList(); }
    QStringList journal() { return core() ? core()->journalText() : QStringList(); }
    QStringList tape() { return core() ? core()->tape() : QStringList(); }
    QStringList logLines() const
    {
        QFile f(log.todayFile());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QString& l : cp1251::decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            out << l.mid(9); // without "hh:mm:ss "
        return out;
    }
    // Puts of one property, in order.
    QStringList puts(const QString& name)
    {
        QStringList out;
        if (EmulatorCore* c = core())
            for (const JournalEntry& e : c->journal())
                if (e.kind == JournalEntry::Put && e.name == name)
                    out << e.args;
        return out;
    }

    QTemporaryDir dir;
    ManualClock clock;
    Log log;
    ScriptedDialogs dialogs;
    FiscalSettings settings;
    FiscalState state;
    PrimEmulator* prim = nullptr;
    AtolEmulator* atol = nullptr;
    ShtrihEmulator* shtrih = nullptr;
    std::unique_ptr<FiscalPrinter> printer;
};

// Expected tape lines; a "*" in an expected line stands for any text.
inline bool tape_matches(const QStringList& tape, const QStringList& expected, QString* why)
{
    for (int i = 0; i < std::max(tape.size(), expected.size()); ++i) {
        const QString t = i < tape.size() ? tape[i] : QStringLiteral("<none>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<none>");
        bool ok = t == e;
        const int star = e.indexOf(QLatin1Char('*'));
        if (star >= 0) {
            const QString before = e.left(star), after = e.mid(star + 1);
            ok = t.size() >= before.size() + after.size() && t.startsWith(before) && t.endsWith(after);
        }
        if (!ok) {
            *why = QStringLiteral("line %1: got \"%2\", expected \"%3\"").arg(i + 1).arg(t, e);
            return false;
        }
    }
    return true;
}
