#pragma once
#include <QVariant>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;

// One recorded driver call: a property set, a property read or a method call.
struct JournalEntry {
    enum Kind { Put, Get, Call };
    Kind kind = Call;
    QString name;
    QString args;   // method arguments as written, or the value set
    QString result; // method result, the value read, or "raised: message"
    // "Mode := 1", "ECRMode -> 8", "OpenCheck() = 0", "AddFreeField(1, 1, 1, 1, 0, \"ИНН\") = 0"
    QString text() const;
};

// A fault the emulator plays instead of the device's normal answer.
//   code:   the named call answers the code and does nothing
//   busy:   the named call answers 80 for `ms` milliseconds of the emulator's clock from its first call
//   notape: the named call does its work and answers 64609 (tape missing)
//   throw:  the named call raises a driver exception with `message`
// `times` limits how many calls the fault hits (-1 = every call). On a property read a code fault
// replaces the value read (for example ECRMode answering 14).
struct EmulatorFault {
    enum Kind { Code, Busy, NoTape, Throw };
    QString call;
    Kind kind = Code;
    int code = 0;
    qint64 ms = 0;
    int times = -1;
    QString message;
    std::optional<QDateTime> since;

    // The text of a "fault=" line: "NAME CODE [once|xN]", "NAME busy MS", "NAME notape [once|xN]",
    // "NAME throw MESSAGE". Nothing for a text that is not a fault.
    static std::optional<EmulatorFault> parse(const QString& text);
    static EmulatorFault code_on(const QString& call, int code, int times = -1);
    static EmulatorFault busy(const QString& call, qint64 ms);
    static EmulatorFault no_tape(const QString& call, int times = 1);
    static EmulatorFault raise(const QString& call, const QString& message, int times = -1);
};

// The shift every emulated register keeps: open or not, since when, its number; in the state file
// as "shift_open", "shift_opened_at" and "shift_number".
struct EmulatedShift {
    bool open = false;
    QDateTime opened_at;
    int number = 0;

    void load(const QMap<QString, QString>& state);
    void save(QMap<QString, QString>& state) const;
    // The shift as a test or a person sets it up (an open shift gets number 1 at the least).
    void set(bool is_open, const QDateTime& at);
    // Opens the next shift at `now`.
    void start(const QDateTime& now);
    // Open for 24 hours or more at `now`.
    bool over24h(const QDateTime& now) const;
};

// What the three emulators share: the folder "fr_emul" in the work folder with the settings file
// "emulator.ini" (sections [prim], [atol], [shtrih]), and per device kind the state file
// "<kind>.state", the tape "<kind>.tape.txt" (UTF-8, what the device printed) and the call journal
// "<kind>.journal.txt"; the faults in play; the clock every time-dependent answer uses.
class EmulatorCore {
public:
    EmulatorCore(QString kind, const QString& work_folder, Clock& clock);

    QString kind() const { return kind_; }
    Clock& clock() const { return clock_; }
    QString folder() const { return folder_; }
    QString stateFile() const;
    QString tapeFile() const;
    QString journalFile() const;
    static QString settingsFile(const QString& work_folder);

    // A "key=value" of this kind's section of the settings file.
    QString setting(const QString& key, const QString& fallback = QString()) const;
    int settingInt(const QString& key, int fallback) const;

    void addFault(const EmulatorFault& fault);
    void clearFaults() { faults_.clear(); }

    const QList<JournalEntry>& journal() const { return journal_; }
    void clearJournal() { journal_.clear(); }
    // The journal as text lines; reads of properties only when asked.
    QStringList journalText(bool with_reads = false) const;
    // Names of the methods called, in order.
    QStringList calls() const;

    // Lines printed since this emulator was created (the tape file holds every run).
    const QStringList& tape() const { return tape_; }
    void clearTape() { tape_.clear(); }
    void print(const QString& line);
    // Prints a line, continuing on the next tape lines when it is wider than the device.
    void printWrapped(const QString& line, int width);

    QMap<QString, QString> loadState() const;
    void saveState(const QMap<QString, QString>& state) const;

    // Records a property set.
    void recordPut(const QString& name, const QString& value);
    // A property read: the value actually read (a fault may replace it).
    int readInt(const QString& name, int actual);
    QString readText(const QString& name, const QString& actual);
    double readNumber(const QString& name, double actual);
    // A method call: faults first, then the body; the call is journalled with its result.
    template <typename Body>
    int invoke(const QString& name, const QString& args, Body body)
    {
        const Action a = faultFor(name, args);
        int result;
        if (a.skip)
            result = a.code;
        else {
            result = body();
            if (a.no_tape && result == 0)
                result = 64609;
        }
        record(JournalEntry::Call, name, args, QString::number(result));
        return result;
    }

    static QString quote(const QString& s);
    // A property value as the call journal writes it: texts quoted, flags true/false, numbers with 2 decimals.
    static QString valueText(const QVariant& v);

private:
    struct Action {
        bool skip = false;
        int code = 0;
        bool no_tape = false;
    };
    Action faultFor(const QString& name, const QString& args);
    void record(JournalEntry::Kind kind, const QString& name, const QString& args, const QString& result);
    void append(const QString& file, const QString& line) const;

    QString kind_;
    QString folder_;
    Clock& clock_;
    QMap<QString, QStringList> settings_; // key -> values, in file order
    QList<EmulatorFault> faults_;
    QList<JournalEntry> journal_;
    QStringList tape_;
};
