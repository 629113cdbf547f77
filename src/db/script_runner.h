#pragma once
#include <QString>
#include <QStringList>

class Database;

// Splits a schema script into statements the way isql reads it: ";" ends a statement, "SET TERM x ;"
// changes the terminator (for triggers and procedures), comments and literals are kept whole.
// isql-only commands (SET SQL DIALECT, SET NAMES, SET AUTODDL, ...) are left out.
QStringList split_script(const QString& script);

struct ScriptResult {
    bool ok = true;
    int executed = 0;        // statements run successfully
    QString failedStatement; // the statement that failed
    QString error;           // the database's message for it
    QString log;             // one line per statement: its start and "OK" or the error
};

// Runs a script statement by statement, committing after each one; stops at the first failure.
class ScriptRunner {
public:
    explicit ScriptRunner(Database& db) : db_(db) {}
    ScriptResult run(const QString& script);

private:
    Database& db_;
};
