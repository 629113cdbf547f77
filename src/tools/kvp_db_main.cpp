// kvp-db: creates workstation databases from the bundled schema and runs schema scripts.
//   kvp-db create PATH [--demo] [--user U] [--password P]   (--demo: demo data and a sample day of payments)
//   kvp-db apply DATABASE SCRIPT [--user U] [--password P]
#include "db/database.h"
#include "db/schema_installer.h"
#include "db/script_runner.h"
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {
int usage()
{
    std::fputs("Использование:\n"
               "  kvp-db create ПУТЬ [--demo] [--user ИМЯ] [--password ПАРОЛЬ]\n"
               "  kvp-db apply БАЗА СЦЕНАРИЙ [--user ИМЯ] [--password ПАРОЛЬ]\n",
               stderr);
    return 2;
}
void fail(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("plorvanek");
    bool demo = false;
    QStringList pos;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--demo"))
            demo = true;
        else if (args[i] == QLatin1String("--user") && i + 1 < args.size())
            user = args[++i];
        else if (args[i] == QLatin1String("--password") && i + 1 < args.size())
            password = args[++i];
        else
            pos << args[i];
    }
    if (pos.isEmpty())
        return usage();
    try {
        if (pos[0] == QLatin1String("create") && pos.size() == 2) {
            SchemaInstaller::create(pos[1], user, password, demo, QString(), demo);
            std::printf("%s\n", QStringLiteral("База данных создана: %1").arg(pos[1]).toUtf8().constData());
            return 0;
        }
        if (pos[0] == QLatin1String("apply") && pos.size() == 3) {
            QFile f(pos[2]);
            if (!f.open(QIODevice::ReadOnly)) {
                fail(QStringLiteral("Не удалось открыть сценарий ") + pos[2]);
                return 1;
            }
            Database db;
            db.attach(pos[1], user, password);
            const ScriptResult r = ScriptRunner(db).run(QString::fromUtf8(f.readAll()));
            if (!r.ok) {
                fail(QStringLiteral("Ошибка выполнения сценария: %1\nОператор:\n%2").arg(r.error, r.failedStatement));
                return 1;
            }
            std::printf("%s\n", QStringLiteral("Выполнено операторов: %1").arg(r.executed).toUtf8().constData());
            return 0;
        }
    } catch (const DbError& e) {
        fail(e.message());
        return 1;
    }
    return usage();
}
