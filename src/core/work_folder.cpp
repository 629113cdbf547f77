#include "core/work_folder.h"
#include <QDir>
#include <QFileInfo>

WorkFolder::WorkFolder(QString path) : path_(QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {}

WorkFolder WorkFolder::fromArguments(const QStringList& arguments, const QString& executableFolder)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--workdir") && i + 1 < arguments.size())
            return WorkFolder(arguments[i + 1]);
        if (a.startsWith(QLatin1String("--workdir=")))
            return WorkFolder(a.mid(10));
    }
    const QString home = qEnvironmentVariable("KVP_HOME");
    if (!home.isEmpty())
        return WorkFolder(home);
    return WorkFolder(executableFolder);
}

QString WorkFolder::file(const QString& name) const { return QDir(path_).filePath(name); }
