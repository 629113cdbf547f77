#pragma once
#include <QString>

struct WorkingState;
class Database;

// The named settings of NSTR, read once after login into the working state. A flag is on when its value
// is "1"; a missing row keeps the default.
class NamedSettings {
public:
    static void load(Database& db, WorkingState& ws);
    // NSTR value of one name; empty when there is no row.
    static QString value(Database& db, const QString& name);
};
