#include "util/log.h"
#include "util/clock.h"
#include "util/codepage.h"
#include <QDir>
#include <QFile>

Log::Log(QString folder, const Clock* clock) : folder_(std::move(folder)), clock_(clock) {}

QString Log::fileFor(const QDate& day) const
{
    return QDir(folder_).filePath(day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log"));
}

QString Log::todayFile() const
{
    return fileFor(clock_ ? clock_->today() : QDate::currentDate());
}

void Log::writelog(const QString& text) noexcept
{
    try {
        const QDateTime now = clock_ ? clock_->now() : QDateTime::currentDateTime();
        QDir().mkpath(folder_);
        QFile f(fileFor(now.date()));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        QString line = now.time().toString(QStringLiteral("hh:mm:ss ")) + text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        f.write(cp1251::encode(line) + "\r\n");
    } catch (...) {
    }
}
