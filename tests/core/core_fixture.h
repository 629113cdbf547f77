#pragma once
#include "core/login_logic.h"
#include "core/menu_state.h"
#include "core/startup.h"
#include "core/status_refresh.h"
#include "core/work_folder.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "test_database.h"
#include "test_register.h"
#include "util/clock.h"
#include "util/codepage.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

inline void write_file(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

inline QString read_log(const Log& log)
{
    QFile f(log.todayFile());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return cp1251::decode(f.readAll());
}

// A work folder with its own copy of the demo database and everything start-up needs, headless.
struct CoreFixture {
    QTemporaryDir dir;
    WorkFolder folder{dir.path()};
    WorkingState ws;
    ManualClock clock{QDateTime(QDate::currentDate(), QTime(11, 0))};
    Log log{folder.logFolder(), &clock};
    Database db;
    DbUtils utils{db, log};
    ScriptedDialogs dialogs;
    TestRegister reg;
    MenuState menus;
    StatusRefresh status{ws, db, reg, menus, clock};
    RecordingShifts shifts{ws, db, utils, log, clock};
    std::unique_ptr<Startup> startup;
    QString dbPath;

    explicit CoreFixture(const QByteArray& frIni = QByteArray())
    {
        static int n = 0;
        dbPath = TestDatabase::shared().freshCopy(QStringLiteral("core_%1.fdb").arg(++n));
        write_file(folder.databaseFile(), dbPath.toUtf8() + "\n");
        if (!frIni.isEmpty())
            write_file(folder.frIniFile(), frIni);
        utils.setOperatorSource([this] { return ws.cur_oper_nom; });
        shifts.statusRefresh = [this](bool f, bool p) { status.status_refresh(f, p); };
        startup = std::make_unique<Startup>(folder, ws, db, utils, log, clock, dialogs, reg, shifts, menus, status);
        startup->portExists = [](const QString&, const QString&) { return true; };
        startup->login = [this] { return loginAs(user, password); };
    }

    QString user = QStringLiteral("2"); // the demo cashier
    QString password = QStringLiteral("1111");

    bool loginAs(const QString& operNom, const QString& pass)
    {
        LoginLogic logic(ws, db, log, folder.userFile());
        logic.activate();
        for (int i = 0; i < logic.users().size(); ++i) {
            if (logic.users()[i].oper_nom != operNom)
                continue;
            logic.selectUser(i);
            if (logic.departmentIndex() < 0)
                return false;
            return logic.login(i, logic.departments()[logic.departmentIndex()], pass) == LoginLogic::Result::Accepted;
        }
        return false;
    }

    // Runs a statement on the fixture's database: through start-up's attachment once it exists, else
    // through a short one of its own.
    template <typename F>
    auto withDb(F f)
    {
        std::unique_ptr<Database> own;
        Database* d = &db;
        if (!db.attached()) {
            own = std::make_unique<Database>();
            own->attach(dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
            d = own.get();
        }
        return f(*d);
    }
    void sql(const QString& text, const QVariantMap& params = {})
    {
        withDb([&](Database& d) {
            Query q(d.main(), text);
            DbUtils::bindMap(q, params);
            q.execute();
            d.main().commit();
            return 0;
        });
    }
    QString value(const QString& text, const QVariantMap& params = {})
    {
        return withDb([&](Database& d) {
            Query q(d.main(), text);
            DbUtils::bindMap(q, params);
            q.open();
            const QString v = q.eof() ? QString() : q.text(0);
            q.close();
            d.main().commit();
            return v;
        });
    }
    QString logText() const { return read_log(log); }
};
