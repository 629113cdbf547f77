#pragma once
#include "payment/commission_config.h"
#include <QString>

class Transaction;

// Loads the commission figures of a service for one payment: the service's own figures and those of
// its commission service, the side rule of the account row (LS.COM_TYPE) and the department override
// (KOMIS_PODR).
class CommissionRules {
public:
    explicit CommissionRules(Transaction& tr) : tr_(tr) {}

    // Everything at once, for the service kodSrv, the account's COM_TYPE (empty for a new payment)
    // and the cashier's department. An unknown service gives no commission.
    CommissionConfig load(const QString& kodSrv, const QString& comType, const QString& podr);

    // The service's own figures (payer side) and those of its KOD_K (provider side), unchanged.
    CommissionConfig serviceFigures(const QString& kodSrv);
    // The department's figures for the service; zeros (found = false) when it has none.
    DepartmentCommission departmentOverride(const QString& kodSrv, const QString& podr);

    // Side rule and department override applied to figures already read (for a caller that reads the
    // six figures with its own settings query).
    static CommissionConfig configure(CommissionConfig figures, const QString& comType, const DepartmentCommission& dep);
    // COM_TYPE "1": a payer figure of 0 takes the provider's, which becomes 0; "0": the mirror image;
    // any other value changes nothing.
    static void applySideRule(CommissionConfig& c, const QString& comType);
    // A side with any non-zero figure takes each positive department figure; a side entirely 0 stays
    // without commission.
    static void applyDepartment(CommissionConfig& c, const DepartmentCommission& dep);

private:
    Transaction& tr_;
};
