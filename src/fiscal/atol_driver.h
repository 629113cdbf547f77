#pragma once
#include <QString>
#include <QtGlobal>

// The ATOL driver object. Properties are set (put_) or read (get_), then a method is called; methods
// return 0 on success.
class AtolDriver {
public:
    virtual ~AtolDriver() = default;

    virtual void put_ApplicationHandle(qintptr handle) = 0;
    virtual void put_DeviceEnabled(bool on) = 0;
    virtual bool get_DeviceEnabled() = 0;
    virtual void put_DefaultPassword(const QString& password) = 0;
    virtual int GetStatus() = 0;

    // 1 = registration, 2 = X report, 3 = Z report.
    virtual void put_Mode(int mode) = 0;
    virtual int get_Mode() = 0;
    virtual int SetMode() = 0;
    virtual int Resetmode() = 0;

    virtual int OpenSession() = 0;
    virtual bool get_SessionOpened() = 0;
    virtual void put_ReportType(int type) = 0; // 2 = X report (mode 2), 1 = Z report (mode 3)
    virtual int Report() = 0;

    virtual void put_CheckType(int type) = 0; // 1 = sale, 2 = return
    virtual int OpenCheck() = 0;
    virtual void put_TypeClose(int type) = 0; // 0 = cash, 3 = card
    virtual int CloseCheck() = 0;

    virtual void put_AttrNumber(int number) = 0; // 1008 = buyer's e-mail
    virtual void put_AttrValue(const QString& value) = 0;
    virtual int WriteAttribute() = 0;

    virtual void put_TextWrap(int wrap) = 0;
    virtual void put_Caption(const QString& text) = 0;
    virtual int PrintString() = 0;
    virtual int PrintHeader() = 0;
    virtual int FullCut() = 0;

    virtual void put_Name(const QString& name) = 0;
    virtual void put_Quantity(double quantity) = 0;
    virtual void put_Price(double price) = 0; // roubles
    virtual void put_Department(int department) = 0;
    virtual void put_TaxTypeNumber(int type) = 0;
    virtual int Registration() = 0;
    virtual int Return() = 0;

    virtual void put_Summ(double amount) = 0;
    virtual double get_Summ() = 0;
    virtual int CashOutcome() = 0;

    // 12 (and 1) by CheckType and TypeClose: sales or returns of the shift; 10: cash in the drawer.
    virtual void put_RegisterNumber(int number) = 0;
    virtual void put_OperationType(int type) = 0;
    virtual int GetRegister() = 0; // the value is then in Summ

    virtual int OpenDrawer() = 0;
};

namespace atol_codes {
constexpr int Ok = 0;
constexpr int NoLink = -1;          // device not enabled or not answering
constexpr int WrongMode = -3801;    // the operation is not allowed in the current mode
constexpr int CheckOpen = -3807;    // a receipt is open
constexpr int CheckClosed = -3808;  // no receipt is open
constexpr int ShiftOpen = -3816;    // a shift is open already
constexpr int ShiftClosed = -3817;  // no shift is open
constexpr int ShiftOver24h = -3822; // the shift is older than 24 hours
constexpr int NotEnoughCash = -3838;
constexpr int WrongValue = -3840;   // a property holds a value the operation cannot use
}
