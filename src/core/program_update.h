#pragma once
#include <QString>
#include <QStringList>
#include <functional>

struct WorkingState;
class Database;
class Log;
class UserDialogs;

// Replaces the running executable by a newer version at start: from UPD_PRG of the database (the newest
// VRS above program_version), or from a file downloaded from the central server. The old executable is
// kept under its name with ".bak" appended; the new one is started and this process ends.
class ProgramUpdate {
public:
    ProgramUpdate(WorkingState& ws, Database& db, Log& log, UserDialogs& dialogs);

    // The executable to replace (QCoreApplication::applicationFilePath() in the program) and the arguments
    // the new copy is started with.
    QString executable;
    QStringList arguments;
    // Starts a program; QProcess::startDetached unless replaced (tests).
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
    // Central mode, online: downloads "/get_prg" into downloadFile() and returns true when it got a reply.
    // Supplied by the exchange layer; without it central mode does not update at start.
    std::function<bool(const QString& target)> download;

    // True when the program was replaced and the new one started: the caller ends the process.
    bool run();

    QString backupFile() const { return executable + QStringLiteral(".bak"); }
    QString downloadFile() const { return executable + QStringLiteral(".upd"); }

private:
    bool fromDatabase();
    bool fromDownload();
    // Moves the executable to ".bak" and puts the new one in its place; on failure the old one is restored.
    bool replace(const std::function<bool()>& putNew);
    bool start();

    WorkingState& ws_;
    Database& db_;
    Log& log_;
    UserDialogs& dialogs_;
};
