#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Расчет сдачи": the payment's total, what the payer handed over and the change. The payment entry
// window puts the total in, shows the window and reads change_cancelled.
class Form33 : public QDialog {
    Q_OBJECT
public:
    explicit Form33(QWidget* parent = nullptr);

    // Handed-over amount minus the total, two decimals with a comma (negative when too little was handed).
    static QString change(const QString& total, const QString& handed);

    // The total ("Сумма платежа:", two decimals with a comma), "0,00" in the other fields, and the NSTR
    // setting "change" ("2": after printing, the window only informs and offers no cancellation).
    void prepare(const QString& total, const QString& change_setting);

    // Set by "Отмена платежа"; cleared on every showing, by "Продолжить", Esc and the close box.
    bool change_cancelled = false;

    QLineEdit* total() const { return total_; }
    QLineEdit* handed() const { return handed_; }
    QLineEdit* changeField() const { return change_; }
    QPushButton* continueButton() const { return continue_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* total_;
    QLineEdit* handed_;
    QLineEdit* change_;
    QPushButton* continue_;
    QPushButton* cancel_;
    QString setting_;
};
