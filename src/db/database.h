#pragma once
#include "db/db_error.h"
#include <QString>
#include <memory>

class Transaction;

// One attachment to a Firebird database. A bare path opens the file through the embedded engine,
// "host:path" or "host/port:path" goes to a server. The connection character set is UTF8 (the
// database itself is WIN1251); SQL dialect 3. The two transactions of the workstation, main and
// entry, share the attachment; a third, read-only one carries the main window's payment list cursor,
// which stays open while the list is read in the background and must not end with main's commits.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void attach(const QString& connection, const QString& user, const QString& password);
    void detach() noexcept;
    bool attached() const;
    QString connection() const { return connection_; }

    // Creates a new WIN1251 database (page size 8192) and leaves it attached.
    void create(const QString& connection, const QString& user, const QString& password);

    Transaction& main() { return *main_; }
    Transaction& entry() { return *entry_; }
    Transaction& list() { return *list_; }

    // Firebird handle for the layer's own classes.
    unsigned int* handle() { return &handle_; }

private:
    unsigned int handle_ = 0;
    QString connection_;
    std::unique_ptr<Transaction> main_;
    std::unique_ptr<Transaction> entry_;
    std::unique_ptr<Transaction> list_;
};

// A read committed, rec_version, nowait transaction (write by default). It starts on first use;
// commit and rollback end it, and the next use starts a new one. A Snapshot transaction sees the
// database as it was when it started (nowait, write): for work that must read and change exactly the
// same rows while others commit.
class Transaction {
public:
    enum class Kind { Write, ReadOnly, Snapshot };
    explicit Transaction(Database& db, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void start();
    void commit();
    void rollback() noexcept;
    bool active() const { return handle_ != 0; }
    Database& database() { return db_; }
    // Starts the transaction when needed and returns its handle.
    unsigned int* handle();
    // Runs one statement without parameters or result (DDL, scripts).
    void executeImmediate(const QString& sql);

private:
    Database& db_;
    Kind kind_;
    unsigned int handle_ = 0;
};
