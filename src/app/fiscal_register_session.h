#pragma once
#include "core/register_session.h"
#include "fiscal/fiscal_printer.h"
#include "fiscal/fiscal_settings.h"
#include <memory>

class Clock;
class Log;
class UserDialogs;

// Start-up's register calls on the fiscal layer: the settings of the working state become the fiscal
// settings, the calls go to the FiscalPrinter of the configured device kind.
class FiscalRegisterSession : public RegisterSession {
public:
    FiscalRegisterSession(QString workFolder, Log& log, Clock& clock, UserDialogs& dialogs);

    void configure(const WorkingState& ws) override;
    bool create_driver() override;
    int fr_connect(const QString& password = QString()) override;
    void fr_disconnect() override;
    int prim_shift_state() override;
    bool atol_session_opened() override;
    int shtrih_ecr_mode() override;
    void release_driver() override;

    // Whether the device kind's driver sees serial port "COM" + n.
    bool portExists(const QString& port) const;
    FiscalPrinter* printer() { return printer_.get(); }

private:
    void sync();

    QString workFolder_;
    Log& log_;
    Clock& clock_;
    UserDialogs& dialogs_;
    const WorkingState* ws_ = nullptr;
    FiscalSettings settings_;
    FiscalState state_;
    std::unique_ptr<FiscalPrinter> printer_;
    int kind_ = -1;
};
