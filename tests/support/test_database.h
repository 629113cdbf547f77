#pragma once
#include "db/database.h"
#include <QString>
#include <QVariantMap>
#include <QTemporaryDir>
#include <memory>

// A real Firebird database made from the schema scripts, created once per test program in a temporary
// folder (embedded engine). Tests that must start from a clean database take a fresh copy of it.
class TestDatabase {
public:
    // The shared database of this test program (with the demo data when `demo`).
    static TestDatabase& shared(bool demo = true);

    QString path() const { return path_; }
    QString folder() const;
    // A new attachment to the shared database.
    std::unique_ptr<Database> attach() const;
    // A copy of the freshly created database under a new name in the temporary folder.
    QString freshCopy(const QString& name) const;

    static constexpr const char* kUser = "SYSDBA";
    static constexpr const char* kPassword = "masterkey";

private:
    explicit TestDatabase(bool demo);
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    QString pristine_;
};

// The first column of the first row of a statement with named parameters, as text (empty for no row or
// NULL); the main transaction is committed after it, so the next read sees fresh data.
QString first_value(Database& db, const QString& sql, const QVariantMap& params = {});
