#include "core/program_version.h"
#include "db/database.h"
#include "db/query.h"

#ifndef KVP_VERSION_MAJOR
#define KVP_VERSION_MAJOR 1
#endif
#ifndef KVP_VERSION_MINOR
#define KVP_VERSION_MINOR 0
#endif

int program_version() { return KVP_VERSION_MAJOR * 65536 + KVP_VERSION_MINOR; }

QString program_version_number() { return QStringLiteral("%1.%2").arg(KVP_VERSION_MAJOR).arg(KVP_VERSION_MINOR); }

QString program_version_text(Database* db)
{
    QString schema;
    if (db && db->attached()) {
        try {
            Query q(db->main(), QStringLiteral("select first 1 s.v1||'.'||s.v2 from upd_sql s where res=-1 "
                                               "order by v1 desc, v2 desc"));
            q.open();
            if (!q.eof())
                schema = q.text(0);
        } catch (const DbError&) {
        }
    }
    return program_version_number() + QStringLiteral(" БД ") + schema;
}
