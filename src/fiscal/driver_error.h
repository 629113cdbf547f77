#pragma once
#include <QString>
#include <stdexcept>

// An exception raised by a register driver (what an automation call raises on the original platform).
class DriverError : public std::runtime_error {
public:
    explicit DriverError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};
