#pragma once
#include <QString>
#include <QStringList>

class Database;

// The departments a user may work in. A cashier (role "2") gets only the departments whose address mask
// IPMSK occurs in the workstation's address (or is "*" or empty), never the main server "0000", and with
// a fixed department (fr.ini "podr=") only that one; other roles get every department.
class DepartmentList {
public:
    static QStringList load(Database& db, const QString& role, const QString& clientAddress, const QString& fixedPodr);
    // The workstation's address as the database server sees it (empty for a local database file).
    static QString clientAddress(Database& db);
};
