#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

class Workstation;
class FiscalRegisterSession;
class FiscalShiftOperations;
class Form2;
class Form20;
class AmountDocument;

// The main menu's register commands ("Регистратор", "Оформить возврат"), the text editor and the LPT
// test, bound to the shift operations, the amount window and the output window.
class RegisterMenu : public QObject {
    Q_OBJECT
public:
    RegisterMenu(Workstation& w, FiscalRegisterSession& reg, FiscalShiftOperations& shifts);
    ~RegisterMenu() override;

    // The shared output window.
    Form2& outputWindow() { return *form2_; }

    void openShift();
    void closeShift();
    void collection();
    void amountDocument(bool refund);
    void xReport();
    void screenReport();
    void correctionReceipt();
    void calculationState();
    void unconfirmedDocuments();
    void textEditor();
    void lptTest();

private:
    void connectItem(const char* id, std::function<void()> slot);
    void showLines(const QStringList& lines);

    Workstation& w_;
    FiscalRegisterSession& reg_;
    FiscalShiftOperations& shifts_;
    Form2* form2_;
};
