#pragma once
#include "util/money.h"
#include <QString>
#include <QStringList>

// The return receipt of a cancelled payment.
struct ReturnReceipt {
    QString text = QStringLiteral("Возврат");
    Money amount;
    QString commission = QStringLiteral("0,00");
    QString uid;
    bool last = true;
    QString note;         // the cancellation reason
    bool card = false;    // paid by bank card
    int department = 0;   // SERVICE.DEPARTMENT
    double vat_rate = 0;  // no VAT
    bool receipt_mode = true; // on the receipt tape
    int doc_type = 2;     // return
    QStringList extra_lines; // the cancellation notice (empty without "cmtondel")
};

// The provider's answer to a deletion request.
struct ProviderDeletion {
    bool sent = false;   // the request got a reply
    QString reply;       // the reply text, logged
    QString code;        // its "CODE" tag
    QString message;     // its "MESSAGE" tag
    QString error;       // why nothing was sent
};

// What the cancellation of a payment (F8) needs of the register, the pinpad, the provider's gateway and
// the central server. The fiscal, card and exchange layers implement it; every call maps to their
// operation of the same name.
class CancellationDevices {
public:
    virtual ~CancellationDevices() = default;
    // The register connection around the cancellation; 0 = connected.
    virtual int fr_connect() = 0;
    virtual void fr_disconnect() = 0;
    // Prints the return receipt; returns the error flag (0 printed, 1 failed), `code` the device code.
    virtual int print_receipt(const ReturnReceipt& r, int& code) = 0;
    // Prints plain lines (the pinpad slip); returns the device code.
    virtual int print_text(const QStringList& lines) = 0;
    // Cancels card transaction `acq_id` on the pinpad; 0 = cancelled, `new_acq_id` gets the ACQUIRING row
    // of the cancellation (its CHEQUE is the slip).
    virtual int pinpad_cancel(qint64 acq_id, qint64* new_acq_id) = 0;
    // GET of the provider's deletion URL, with the reply's CODE and MESSAGE.
    virtual ProviderDeletion provider_delete(const QString& url) = 0;
    // Queues "del_pmnt" for the central server and sends it when online; the exchange layer deletes the
    // payment locally when the server confirms. False when the request could not be queued.
    virtual bool central_delete(const QString& uid) = 0;
};

// No register, pinpad, gateway or exchange bound: every operation reports that it did not happen.
class NoCancellationDevices : public CancellationDevices {
public:
    int fr_connect() override { return 10; }
    void fr_disconnect() override {}
    int print_receipt(const ReturnReceipt&, int& code) override
    {
        code = 10;
        return 1;
    }
    int print_text(const QStringList&) override { return 10; }
    int pinpad_cancel(qint64, qint64*) override { return -1; }
    ProviderDeletion provider_delete(const QString&) override
    {
        ProviderDeletion d;
        d.error = QStringLiteral("нет связи с поставщиком");
        return d;
    }
    bool central_delete(const QString&) override { return false; }
};
