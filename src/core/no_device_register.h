#pragma once
#include "core/register_session.h"

// The register layer of a workstation built without fiscal drivers: a Windows printer (fr_driver 4) needs
// no device and is always ready; every other register kind does not answer (code 10), so the register
// functions are switched off at start-up. The fiscal layer's session replaces it.
class NoDeviceRegister : public RegisterSession {
public:
    void configure(const WorkingState& ws) override;
    bool create_driver() override { return false; }
    int fr_connect(const QString& = QString()) override { return driver_ == 4 ? 0 : 10; }
    void fr_disconnect() override {}
    int prim_shift_state() override { return 0; }
    bool atol_session_opened() override { return false; }
    int shtrih_ecr_mode() override { return 4; }
    void release_driver() override {}

private:
    int driver_ = 0;
};
