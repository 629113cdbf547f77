#pragma once
#include <QDate>
#include <QString>

class Clock;

// The daily log: folder/YYYYMMDD.log in code page 1251, one line per entry starting with "hh:mm:ss ".
// Writing never throws and never fails the caller; a log that cannot be written is silently skipped.
class Log {
public:
    explicit Log(QString folder, const Clock* clock = nullptr);
    virtual ~Log() = default;

    void writelog(const QString& text) noexcept;
    QString folder() const { return folder_; }
    // Path of today's log file.
    QString todayFile() const;
    QString fileFor(const QDate& day) const;

private:
    QString folder_;
    const Clock* clock_;
};
