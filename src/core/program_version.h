#pragma once
#include <QString>

class Database;

// The version of this executable, compiled in: major * 65536 + minor.
int program_version();
// major "." minor
QString program_version_number();
// major "." minor, " БД " and the version of the newest schema script that ran without error
// (empty when none ran or the database cannot tell).
QString program_version_text(Database* db);
