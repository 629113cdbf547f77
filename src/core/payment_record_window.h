#pragma once
#include "core/payment_record.h"
#include <QDialog>

// The payment record window, read-only: the stored payment with its commission, receipt text and
// budget details. Esc closes.
class PaymentRecordWindow : public QDialog {
    Q_OBJECT
public:
    PaymentRecordWindow(const PaymentRecord& r, QWidget* parent = nullptr);
};
