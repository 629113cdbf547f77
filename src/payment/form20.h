#pragma once
#include "payment/amount_document.h"
#include <QDialog>

class QLineEdit;
class QPushButton;

// The amount window: caption "Возврат" or "Внесение" (it selects the document), the field "Сумма:",
// "ОК" prints the document, "Отмена" closes.
class Form20 : public QDialog {
    Q_OBJECT
public:
    Form20(AmountDocument& document, QWidget* parent = nullptr);

    // The caption of the document and the amount "0,00".
    void prepare(AmountDocument::Kind kind);
    QLineEdit* amount() const { return amount_; }
    QPushButton* okButton() const { return ok_; }
    // "ОК"
    void confirm();

protected:
    void showEvent(QShowEvent* e) override;

private:
    AmountDocument& document_;
    QLineEdit* amount_;
    QPushButton* ok_;
};
