#include "app/fiscal_cancellation.h"
#include "app/fiscal_register_session.h"
#include "fiscal/atol_driver.h"

int FiscalCancellationDevices::fr_connect() { return session_.fr_connect(); }

void FiscalCancellationDevices::fr_disconnect() { session_.fr_disconnect(); }

int FiscalCancellationDevices::print_receipt(const ReturnReceipt& r, int& code)
{
    FiscalPrinter* p = session_.printer();
    if (!p) {
        code = 10;
        return 1;
    }
    ReceiptData d;
    d.text = r.text;
    d.amount = r.amount.toString();
    d.commission = r.commission;
    d.uid = r.uid;
    d.last = r.last;
    d.note = r.note;
    d.card = r.card;
    d.department = r.department;
    d.vat_rate = r.vat_rate;
    d.receipt_mode = r.receipt_mode;
    d.doc_type = r.doc_type;
    p->receipt_extra_lines = r.extra_lines;
    return p->print_receipt(d, code);
}

int FiscalCancellationDevices::print_text(const QStringList& lines)
{
    FiscalPrinter* p = session_.printer();
    if (!p)
        return 10;
    p->document_lines = lines;
    return p->print_text(false);
}

int open_drawer(FiscalRegisterSession& session, int fr_driver)
{
    if (fr_driver == 1)
        session.fr_connect();
    FiscalPrinter* p = session.printer();
    int rc = -1;
    if (p && p->atol())
        rc = p->atol()->OpenDrawer();
    session.fr_disconnect();
    return rc;
}
