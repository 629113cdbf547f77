#pragma once
#include "core/cancellation_devices.h"

class FiscalRegisterSession;

// The register half of a payment cancellation on the fiscal layer: the connection, the return receipt
// and plain lines. The pinpad, the provider's gateway and the central server are not bound yet and
// report that nothing happened.
class FiscalCancellationDevices : public NoCancellationDevices {
public:
    explicit FiscalCancellationDevices(FiscalRegisterSession& session) : session_(session) {}
    int fr_connect() override;
    void fr_disconnect() override;
    int print_receipt(const ReturnReceipt& r, int& code) override;
    int print_text(const QStringList& lines) override;

private:
    FiscalRegisterSession& session_;
};

// "Открыть ящик": the ATOL driver's OpenDrawer, after fr_connect for driver kind 1, then fr_disconnect.
// Returns the driver's code; -1 when the configured device has no drawer command.
int open_drawer(FiscalRegisterSession& session, int fr_driver);
