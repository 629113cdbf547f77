#pragma once
#include "core/cancellation_devices.h"
#include <QString>
#include <functional>

struct WorkingState;
class Database;
class DbUtils;
class Log;
class UserDialogs;

// Cancelling a stored payment from the payment grid (F8): the refund amount, the cashier's
// confirmation, the pinpad cancellation, the reason, the return receipt, the provider's and the central
// server's deletion, and the local deletion of the payment with its commission row. A refused or failed
// cancellation changes nothing in the database.
class PaymentCancellation {
public:
    PaymentCancellation(WorkingState& ws, Database& db, DbUtils& utils, Log& log, UserDialogs& dialogs,
                        CancellationDevices& devices);

    enum class Result {
        NotFound,    // no such payment
        NotAllowed,  // neither the current shift's list nor role "0"
        Declined,    // the cashier answered No
        Failed,      // "Возврат не удался." was shown; the payment stays
        Pending,     // the central server deletes it later
        Deleted,
    };

    // `current_shift`: "Платежи текущей смены" is ticked in the main window.
    Result cancel(const QString& uid, bool current_shift);

    // The main window's lists (sm_list, show_pmnts) and the status refresh.
    std::function<void()> refreshLists;
    std::function<void()> statusRefresh;

    static constexpr const char* kFailed = "Возврат не удался.";
    static constexpr const char* kPending = "Платеж будет удален после восстановления связи.";

private:
    Result fail();
    QStringList notice(const QString& uid, const QString& reason);
    bool deleteLocally(const QString& uid, const QString& comUid, const QString& acqId);

    WorkingState& ws_;
    Database& db_;
    DbUtils& utils_;
    Log& log_;
    UserDialogs& dialogs_;
    CancellationDevices& devices_;
};
