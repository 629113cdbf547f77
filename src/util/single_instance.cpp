#include "util/single_instance.h"
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

QStringList running_programs()
{
    QStringList names;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool ok = false;
        pid.toInt(&ok);
        if (!ok)
            continue;
        const QString exe = QFileInfo(QStringLiteral("/proc/") + pid + QStringLiteral("/exe")).symLinkTarget();
        if (!exe.isEmpty())
            names << QFileInfo(exe).fileName();
    }
    return names;
}

SingleInstance::SingleInstance(const QString& workFolder)
    : lock_(std::make_unique<QLockFile>(QDir(workFolder).filePath(QStringLiteral("kvp.lock"))))
{
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() { return lock_->isLocked() || lock_->tryLock(0); }
