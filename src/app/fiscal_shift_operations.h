#pragma once
#include "core/register_session.h"
#include "fiscal/shift_operations.h"
#include <functional>
#include <memory>

struct WorkingState;
class Clock;
class Database;
class DbUtils;
class FiscalRegisterSession;
class Log;
class StatusRefresh;
class UserDialogs;

// Start-up's and the menu's shift operations on the fiscal layer. Before every operation the working
// state's values go into the shift context and the register session takes the current settings; the
// shift number comes back before the lists and the status refresh read it.
class FiscalShiftOperations : public ShiftOperations {
public:
    // `refreshLists` is the main window's shift and payment list refresh (may be empty).
    FiscalShiftOperations(WorkingState& ws, Database& db, DbUtils& utils, Log& log, Clock& clock, UserDialogs& dialogs,
                          FiscalRegisterSession& reg, StatusRefresh& status, std::function<void()> refreshLists);
    ~FiscalShiftOperations() override;

    bool OpenSession() override;
    void CloseSession() override;

    ShiftOperationsService& service() { return *service_; }
    // Runs `f` on the service with the working state handed over before and taken back after.
    template <typename F>
    auto run(F f)
    {
        pull();
        struct Push {
            FiscalShiftOperations* self;
            ~Push() { self->push(); }
        } guard{this};
        return f(*service_);
    }

    // The working state into the shift context and the register's settings.
    void pull();
    // The shift context back into the working state.
    void push();

private:
    WorkingState& ws_;
    FiscalRegisterSession& reg_;
    StatusRefresh& status_;
    std::function<void()> refreshLists_;
    ShiftContext ctx_;
    std::unique_ptr<ShiftOperationsService> service_;
};
