#include "core/program_update.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QFile>
#include <QFileInfo>
#include <QProcess>

ProgramUpdate::ProgramUpdate(WorkingState& ws, Database& db, Log& log, UserDialogs& dialogs)
    : ws_(ws), db_(db), log_(log), dialogs_(dialogs)
{
    startProgram = [](const QString& program, const QStringList& args) { return QProcess::startDetached(program, args); };
}

bool ProgramUpdate::run()
{
    if (executable.isEmpty())
        return false;
    if (ws_.central_mode.isEmpty())
        return fromDatabase();
    if (ws_.online)
        return fromDownload();
    return false;
}

bool ProgramUpdate::replace(const std::function<bool()>& putNew)
{
    const QString bak = backupFile();
    const QFile::Permissions perms = QFileInfo(executable).permissions();
    QFile::remove(bak);
    if (!QFile::rename(executable, bak)) {
        log_.writelog(QStringLiteral("Не удалось переименовать ") + executable + QStringLiteral(" в ") + bak);
        return false;
    }
    if (!putNew()) {
        QFile::remove(executable);
        QFile::rename(bak, executable);
        log_.writelog(QStringLiteral("Не удалось записать новую версию программы ") + executable +
                      QStringLiteral(", оставлена прежняя"));
        return false;
    }
    QFile::setPermissions(executable, perms | QFile::ExeOwner | QFile::ReadOwner);
    return true;
}

bool ProgramUpdate::start()
{
    if (startProgram && startProgram(executable, arguments))
        return true;
    log_.writelog(QStringLiteral("Не удалось запустить ") + executable);
    return false;
}

bool ProgramUpdate::fromDatabase()
{
    QString uid, dat;
    qint64 vrs = 0;
    try {
        Query q(db_.main(), QStringLiteral("SELECT UPD_UID,DAT,VRS FROM UPD_PRG WHERE VRS=(SELECT MAX (VRS) FROM UPD_PRG);"));
        q.open();
        if (q.eof()) {
            db_.main().commit();
            return false;
        }
        uid = q.text(0);
        dat = q.text(1);
        vrs = q.integer(2);
        q.close();
        if (ws_.program_version >= vrs) {
            db_.main().commit();
            return false;
        }
        log_.writelog(QStringLiteral("Обновляю программу"));
        Query e(db_.main(), QStringLiteral("SELECT EXE FROM UPD_PRG WHERE UPD_UID=:UPD_UID;"));
        e.setParam(QStringLiteral("UPD_UID"), uid);
        e.open();
        const QByteArray exe = e.eof() ? QByteArray() : e.bytes(0);
        e.close();
        db_.main().commit();
        if (exe.isEmpty()) {
            log_.writelog(QStringLiteral("В обновлении ") + uid + QStringLiteral(" нет программы"));
            return false;
        }
        const bool ok = replace([&] {
            QFile f(executable);
            return f.open(QIODevice::WriteOnly) && f.write(exe) == exe.size();
        });
        if (!ok)
            return false;
    } catch (const DbError& e) {
        db_.main().rollback();
        log_.writelog(QStringLiteral("Ошибка проверки обновления программы: ") + e.message());
        return false;
    }
    dialogs_.message(QStringLiteral("Выполнено обновление от ") + dat + QStringLiteral(" идентификационный номер ") + uid);
    return start();
}

bool ProgramUpdate::fromDownload()
{
    if (!download)
        return false;
    log_.writelog(QStringLiteral("Запрос обновления"));
    const QString upd = downloadFile();
    if (!download(upd))
        return false;
    if (QFileInfo(upd).size() <= 1000000)
        return false;
    log_.writelog(QStringLiteral("Есть обновление - ставим."));
    if (!replace([&] { return QFile::rename(upd, executable); }))
        return false;
    dialogs_.message(QStringLiteral("Выполнено обновление программы."));
    return start();
}
