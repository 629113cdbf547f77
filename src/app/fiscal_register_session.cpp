#include "app/fiscal_register_session.h"
#include "core/working_state.h"
#include "fiscal/fiscal_drivers.h"
#include <exception>

FiscalRegisterSession::FiscalRegisterSession(QString workFolder, Log& log, Clock& clock, UserDialogs& dialogs)
    : workFolder_(std::move(workFolder)), log_(log), clock_(clock), dialogs_(dialogs)
{
}

void FiscalRegisterSession::configure(const WorkingState& ws)
{
    ws_ = &ws;
    settings_.fr_driver = ws.fr_driver;
    settings_.fr_port = ws.fr_port;
    settings_.fr_password = ws.fr_password;
    settings_.fr_password2 = ws.fr_password2;
    settings_.fr_speed = ws.fr_speed;
    settings_.check_width = ws.check_width;
    settings_.cut_shft = ws.cut_shft;
    settings_.prndelay = ws.prndelay;
    settings_.altfeed = ws.altfeed;
    settings_.prnname = ws.prnname;
    settings_.lptport = ws.lptport;
    settings_.line_int = ws.line_int;
    settings_.font_size = ws.font_size;
    settings_.prim_hcopy = ws.prim_hcopy;
    settings_.prim_loffs = ws.prim_loffs;
    settings_.atol_tax_type = ws.atol_tax_type;
    settings_.work_folder = workFolder_;
    if (kind_ != ws.fr_driver) {
        kind_ = ws.fr_driver;
        printer_ = std::make_unique<FiscalPrinter>(settings_, state_, FiscalDrivers::emulated(kind_, workFolder_, clock_),
                                                   log_, clock_, dialogs_);
    }
    sync();
}

void FiscalRegisterSession::sync()
{
    if (!ws_)
        return;
    settings_.receipt_header = ws_->receipt_header;
    settings_.cur_oper_name = ws_->cur_oper_name;
    state_.fr_connected = ws_->fr_connected;
    state_.fr_shift_open = ws_->fr_shift_open;
}

bool FiscalRegisterSession::create_driver()
{
    if (!printer_)
        return false;
    return is_atol(kind_) ? printer_->atol() != nullptr : is_shtrih(kind_) ? printer_->shtrih() != nullptr : true;
}

int FiscalRegisterSession::fr_connect(const QString& password)
{
    sync();
    return printer_ ? printer_->fr_connect(password) : 10;
}

void FiscalRegisterSession::fr_disconnect()
{
    sync();
    if (printer_)
        printer_->fr_disconnect();
}

int FiscalRegisterSession::prim_shift_state()
{
    if (!printer_ || !printer_->prim())
        return 0;
    try {
        int state = 0, second = 0;
        printer_->prim()->GetShiftState(state, second);
        return state;
    } catch (const std::exception&) {
        return 0;
    }
}

bool FiscalRegisterSession::atol_session_opened()
{
    if (!printer_ || !printer_->atol())
        return false;
    try {
        return printer_->atol()->get_SessionOpened();
    } catch (const std::exception&) {
        return false;
    }
}

int FiscalRegisterSession::shtrih_ecr_mode()
{
    if (!printer_ || !printer_->shtrih())
        return 4;
    try {
        printer_->shtrih()->GetECRStatus();
        return printer_->shtrih()->get_ECRMode();
    } catch (const std::exception&) {
        return 4;
    }
}

void FiscalRegisterSession::release_driver()
{
    printer_.reset();
    kind_ = -1;
}

bool FiscalRegisterSession::portExists(const QString& port) const
{
    return printer_ && printer_->drivers().portExists(port);
}
