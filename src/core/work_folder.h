#pragma once
#include <QString>
#include <QStringList>

// The folder that holds the workstation's files: "database", "fr.ini", "user", "log" and the exchange
// folders. It is the folder named by "--workdir DIR" on the command line, else the one in the
// environment variable KVP_HOME, else the executable's folder.
class WorkFolder {
public:
    explicit WorkFolder(QString path);
    // arguments as QCoreApplication::arguments() gives them (the program first).
    static WorkFolder fromArguments(const QStringList& arguments, const QString& executableFolder);

    QString path() const { return path_; }
    QString file(const QString& name) const;
    QString databaseFile() const { return file(QStringLiteral("database")); }
    QString frIniFile() const { return file(QStringLiteral("fr.ini")); }
    QString userFile() const { return file(QStringLiteral("user")); }
    QString logFolder() const { return file(QStringLiteral("log")); }

private:
    QString path_;
};
