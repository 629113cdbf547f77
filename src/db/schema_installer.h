#pragma once
#include <QString>

// Creates a workstation database from the bundled schema scripts (and the demo data on request).
class SchemaInstaller {
public:
    // The folder holding the numbered schema scripts: $KVP_SCHEMA_DIR, else share/kvp/schema or schema
    // beside the executable, else the source tree's schema folder.
    static QString schemaFolder();
    // Throws DbError with a Russian message when the file exists or a script fails. `sampleDay` adds,
    // to the demo data, a closed shift of the demo cashier with a few payments dated the day of creation.
    static void create(const QString& connection, const QString& user, const QString& password, bool demo,
                       const QString& folder = QString(), bool sampleDay = false);
    // Runs every "*.sql" of a folder in name order on an attached database; throws on the first failure.
    static void runFolder(class Database& db, const QString& folder);
};
