#include "app/fiscal_shift_operations.h"
#include "app/fiscal_register_session.h"
#include "core/status_refresh.h"
#include "core/working_state.h"

FiscalShiftOperations::FiscalShiftOperations(WorkingState& ws, Database& db, DbUtils& utils, Log& log, Clock& clock,
                                             UserDialogs& dialogs, FiscalRegisterSession& reg, StatusRefresh& status,
                                             std::function<void()> refreshLists)
    : ws_(ws), reg_(reg), status_(status), refreshLists_(std::move(refreshLists))
{
    service_ = std::make_unique<ShiftOperationsService>(reg_.printer(), db, utils, ctx_, log, clock, dialogs);
    service_->statusRefresh = [this](bool force_open, bool printer_shift_state) {
        push();
        status_.status_refresh(force_open, printer_shift_state);
        reg_.configure(ws_); // the register's shift state as the refresh found it
    };
    service_->refreshLists = [this] {
        push();
        if (refreshLists_)
            refreshLists_();
    };
}

FiscalShiftOperations::~FiscalShiftOperations() = default;

void FiscalShiftOperations::pull()
{
    const WorkingState& ws = ws_;
    ctx_.cur_oper_nom = ws.cur_oper_nom;
    ctx_.cur_podr = ws.cur_podr;
    ctx_.cur_smena_nom = ws.cur_smena_nom;
    ctx_.pinpad = ws.pinpad;
    reg_.configure(ws);
    service_->setPrinter(reg_.printer());
}

void FiscalShiftOperations::push() { ws_.cur_smena_nom = ctx_.cur_smena_nom; }

bool FiscalShiftOperations::OpenSession()
{
    return run([](ShiftOperationsService& s) { return s.OpenSession(); });
}

void FiscalShiftOperations::CloseSession()
{
    run([](ShiftOperationsService& s) { return s.CloseSession(); });
}
