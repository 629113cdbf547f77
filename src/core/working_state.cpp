#include "core/working_state.h"

QString WorkingState::comDevice(int n) const
{
    const QString configured = com_ports.value(n);
    if (!configured.isEmpty())
        return configured;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}
