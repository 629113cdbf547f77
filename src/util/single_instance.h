#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// The executable file names of the running processes (from /proc).
QStringList running_programs();

// A lock in the work folder that only one copy of the program on this computer can hold.
class SingleInstance {
public:
    explicit SingleInstance(const QString& workFolder);
    ~SingleInstance();
    // True when this process now holds the lock; false when another live copy holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
