#pragma once
#include <QDateTime>

// Time source of the program. The system clock in the program; tests drive a ManualClock so that
// shift ages and device waits run in milliseconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual void sleep(int ms) = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    void sleep(int ms) override;
};

// A clock that stands still until it is moved; sleeping moves it.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime::currentDateTime()) : now_(start) {}
    QDateTime now() const override { return now_; }
    void sleep(int ms) override { now_ = now_.addMSecs(ms); slept_ += ms; }
    void set(const QDateTime& t) { now_ = t; }
    void advance(qint64 ms) { now_ = now_.addMSecs(ms); }
    qint64 slept() const { return slept_; }

private:
    QDateTime now_;
    qint64 slept_ = 0;
};
