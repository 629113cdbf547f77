#include "util/clock.h"
#include <QThread>

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

void SystemClock::sleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}
