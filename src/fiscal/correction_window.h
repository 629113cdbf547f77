#pragma once
#include <QDialog>

class ShiftOperationsService;
class UserDialogs;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Сформировать чек коррекции.": the receipt type and the amount; "Сформировать чек" prints a correction
// receipt and the window stays open for the next one.
class CorrChequeForm : public QDialog {
    Q_OBJECT
public:
    CorrChequeForm(ShiftOperationsService& shifts, UserDialogs& dialogs, QWidget* parent = nullptr);

    QComboBox* chequeType() const { return type_; }
    QLineEdit* summ() const { return summ_; }
    // "Сформировать чек"
    void makeReceipt();

private:
    ShiftOperationsService& shifts_;
    UserDialogs& dialogs_;
    QComboBox* type_;
    QLineEdit* summ_;
};
