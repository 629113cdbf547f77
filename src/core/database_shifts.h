#pragma once
#include "core/register_session.h"
#include <functional>

struct WorkingState;
class Database;
class DbUtils;
class Log;
class Clock;

// Shift operations of a workstation whose register has no shift of its own to open or close (the Windows
// printer) or while no fiscal layer is bound: only the database side of opening and closing the shift.
// The fiscal layer's shift operations replace it for the register kinds that have a device shift.
class DatabaseShiftOperations : public ShiftOperations {
public:
    DatabaseShiftOperations(WorkingState& ws, Database& db, DbUtils& utils, Log& log, const Clock& clock);

    // Status refresh run at the end of both operations (force_open, printer_shift_state).
    std::function<void(bool, bool)> statusRefresh;
    // The main window's shift list and payment list.
    std::function<void()> refreshLists;

    bool OpenSession() override;
    void CloseSession() override;

    // The SMENA row of a new shift for cur_oper_nom in cur_podr, made current; false on a database error.
    bool openRow();
    // Closes the user's open shift row (OPERATOR.SMENA_NOM); false on a database error.
    bool closeRow(const QString& acqCheque = QString());

private:
    WorkingState& ws_;
    Database& db_;
    DbUtils& utils_;
    Log& log_;
    const Clock& clock_;
};
