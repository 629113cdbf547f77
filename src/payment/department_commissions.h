#pragma once
#include <QString>
#include <QStringList>
#include <vector>

class Database;
class DbUtils;

// One row of KOMIS_PODR as the list window shows it (numbers as the database layer renders them).
struct DepartmentCommissionRow {
    QString id;
    QString podr;
    QString komis;
    QString minSum;
    QString maxSum;
};

// The department commission overrides of one service (KOMIS_PODR) on the main transaction; every
// change is committed and journalled.
class DepartmentCommissions {
public:
    DepartmentCommissions(Database& db, DbUtils& utils) : db_(db), utils_(utils) {}

    std::vector<DepartmentCommissionRow> list(const QString& kodSrv);
    // The departments offered by the edit window.
    QStringList departments();

    // Stores the department's figures for the service (insert, or update of its row). The three
    // values are numbers with "." or "," (empty gives 0). Returns an empty text on success, else the
    // message to show; nothing is stored then.
    QString save(const QString& podr, const QString& kodSrv, const QString& komis, const QString& minSum,
                 const QString& maxSum);
    // Deletes a row by its ID; empty text or the error.
    QString remove(const QString& id);

private:
    Database& db_;
    DbUtils& utils_;
};
