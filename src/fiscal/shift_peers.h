#pragma once
#include <QString>

// The pinpad's reports as the shift close needs them. The card layer implements it over the bank's
// pinpad server; without a pinpad layer the Z report answers 2 (the server object cannot be created).
class PinpadReports {
public:
    virtual ~PinpadReports() = default;
    // 0 = success, `cheque` then holds the report text; 1 = the server raised, 2 = no server object,
    // any other value is the server's own code.
    virtual int pinpad_z_report(QString& cheque) = 0;
};

class NoPinpad : public PinpadReports {
public:
    int pinpad_z_report(QString& cheque) override
    {
        cheque.clear();
        return 2;
    }
};

// The cash certificate of the shift printed on the receipt printer after a Windows-printer shift close
// (`close_cheque` of the reports layer). It prints the shift cur_smena_nom names at that moment.
class CashCertificatePrinter {
public:
    virtual ~CashCertificatePrinter() = default;
    virtual void close_cheque() = 0;
};
