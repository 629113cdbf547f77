#include "db/schema_installer.h"
#include "db/database.h"
#include "db/script_runner.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString SchemaInstaller::schemaFolder()
{
    const QString env = qEnvironmentVariable("KVP_SCHEMA_DIR");
    if (!env.isEmpty())
        return env;
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString app = QCoreApplication::applicationDirPath();
        candidates << app + QStringLiteral("/../share/kvp/schema") << app + QStringLiteral("/schema");
    }
    candidates << QStringLiteral(KVP_SOURCE_DIR "/schema");
    for (const QString& c : candidates)
        if (QDir(c).exists() && !QDir(c).entryList({QStringLiteral("*.sql")}, QDir::Files).isEmpty())
            return QDir(c).absolutePath();
    return QStringLiteral(KVP_SOURCE_DIR "/schema");
}

void SchemaInstaller::runFolder(Database& db, const QString& folder)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    ScriptRunner runner(db);
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("Не удалось прочитать файл ") + f.fileName());
        const ScriptResult r = runner.run(QString::fromUtf8(f.readAll()));
        if (!r.ok)
            throw DbError(QStringLiteral("Ошибка в сценарии %1:\n%2\n%3").arg(name, r.error, r.failedStatement));
    }
}

void SchemaInstaller::create(const QString& connection, const QString& user, const QString& password, bool demo,
                             const QString& folder, bool sampleDay)
{
    const QString path = connection.trimmed();
    // a bare path is a local file; "host:path" (not a drive letter) is on a server
    const int colon = static_cast<int>(path.indexOf(QLatin1Char(':')));
    const bool local = colon < 0 || colon == 1;
    if (local && QFileInfo::exists(path))
        throw DbError(QStringLiteral("Файл %1 уже существует. Существующая база данных не перезаписывается.").arg(path));
    const QString schema = folder.isEmpty() ? schemaFolder() : folder;
    if (QDir(schema).entryList({QStringLiteral("*.sql")}, QDir::Files).isEmpty())
        throw DbError(QStringLiteral("Не найдены сценарии схемы базы данных в папке ") + schema);
    Database db;
    db.create(path, user, password);
    try {
        runFolder(db, schema);
        if (demo)
            runFolder(db, QDir(schema).filePath(QStringLiteral("demo")));
        if (demo && sampleDay)
            runFolder(db, QDir(schema).filePath(QStringLiteral("demo/day")));
    } catch (...) {
        db.detach();
        if (local)
            QFile::remove(path);
        throw;
    }
    db.detach();
}
