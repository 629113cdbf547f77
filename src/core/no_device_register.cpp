#include "core/no_device_register.h"
#include "core/working_state.h"

void NoDeviceRegister::configure(const WorkingState& ws) { driver_ = ws.fr_driver; }
