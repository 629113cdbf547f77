#include "core/register_session.h"
#include <QFile>
#include <fcntl.h>
#include <unistd.h>

bool serial_port_exists(const QString& device)
{
    if (device.isEmpty())
        return false;
    // non-blocking, so that a serial line without carrier does not hold the start
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}
