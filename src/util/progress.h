#pragma once
#include <QString>

// The main window's gauge and status label for long work. The window keeps itself painted while the
// logic reports; tests and command-line runs use the silent one.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void start(int maximum, const QString& text = QString()) = 0;
    virtual void step(int value, const QString& text = QString()) = 0;
    virtual void finish() = 0;
};

class SilentProgress : public Progress {
public:
    void start(int maximum, const QString& = QString()) override { max_ = maximum; }
    void step(int value, const QString& = QString()) override { last_ = value; }
    void finish() override {}
    int maximum() const { return max_; }
    int last() const { return last_; }

private:
    int max_ = 0;
    int last_ = 0;
};
