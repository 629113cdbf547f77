#pragma once
#include <QString>
#include <stdexcept>

// Every failure of the database layer: the database's own message text, its SQL code and GDS code.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, int sqlcode = 0, long gdscode = 0);
    QString message() const { return message_; }
    int sqlcode() const { return sqlcode_; }
    long gdscode() const { return gdscode_; }

private:
    QString message_;
    int sqlcode_;
    long gdscode_;
};
