#include "test_database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "db/schema_installer.h"
#include <QDir>
#include <QFile>
#include <map>

TestDatabase& TestDatabase::shared(bool demo)
{
    static std::map<bool, std::unique_ptr<TestDatabase>> dbs;
    auto& slot = dbs[demo];
    if (!slot)
        slot.reset(new TestDatabase(demo));
    return *slot;
}

TestDatabase::TestDatabase(bool demo) : dir_(std::make_unique<QTemporaryDir>())
{
    pristine_ = dir_->filePath(demo ? QStringLiteral("pristine_demo.fdb") : QStringLiteral("pristine.fdb"));
    SchemaInstaller::create(pristine_, QString::fromLatin1(kUser), QString::fromLatin1(kPassword), demo);
    path_ = freshCopy(QStringLiteral("shared.fdb"));
}

QString TestDatabase::folder() const { return dir_->path(); }

std::unique_ptr<Database> TestDatabase::attach() const
{
    auto db = std::make_unique<Database>();
    db->attach(path_, QString::fromLatin1(kUser), QString::fromLatin1(kPassword));
    return db;
}

QString TestDatabase::freshCopy(const QString& name) const
{
    const QString target = dir_->filePath(name);
    QFile::remove(target);
    QFile::copy(pristine_, target);
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                 QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
    return target;
}

QString first_value(Database& db, const QString& sql, const QVariantMap& params)
{
    Query q(db.main(), sql);
    DbUtils::bindMap(q, params);
    q.open();
    const QString v = q.eof() || q.isNull(0) ? QString() : q.text(0);
    q.close();
    db.main().commit();
    return v;
}
