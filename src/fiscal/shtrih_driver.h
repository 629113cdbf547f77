#pragma once
#include <QDate>
#include <QString>

// The Shtrih driver object. Properties are set (put_) or read (get_), methods return 0 on success;
// ECRMode is read after GetECRStatus.
class ShtrihDriver {
public:
    virtual ~ShtrihDriver() = default;

    // Connection and state.
    virtual void put_Password(const QString& password) = 0;
    virtual void put_ComNumber(int port) = 0;
    virtual int Connect() = 0;
    virtual int Disconnect() = 0;
    virtual int GetECRStatus() = 0;
    // 2, 4, 7, 9 ready for a new document; 8 receipt open; 14 printing; 3 shift open over 24 h; 4 shift closed.
    virtual int get_ECRMode() = 0;

    // Shift.
    virtual int OpenSession() = 0;
    virtual int PrintReportWithCleaning() = 0;    // Z report
    virtual int PrintReportWithoutCleaning() = 0; // X report

    // Plain lines.
    virtual void put_UseReceiptRibbon(bool on) = 0;
    virtual void put_UseJournalRibbon(bool on) = 0;
    virtual void put_UseSlipDocument(bool on) = 0;
    virtual void put_StringForPrinting(const QString& text) = 0;
    virtual QString get_StringForPrinting() = 0;
    virtual int PrintString() = 0; // 80 = busy
    virtual void put_StringQuantity(int lines) = 0;
    virtual int FeedDocument() = 0;
    virtual int CutCheck() = 0;
    virtual int OutputReceipt() = 0;
    virtual int FinishDocument() = 0;

    // Fiscal receipt: CheckType 0 = sale, 2 = return; Summ1 cash, Summ4 card.
    virtual void put_CheckType(int type) = 0;
    virtual int OpenCheck() = 0;
    virtual void put_Quantity(double quantity) = 0;
    virtual void put_Price(double price) = 0;
    virtual void put_Department(int department) = 0;
    virtual void put_Tax1(int tax) = 0;
    virtual void put_Tax2(int tax) = 0;
    virtual void put_Tax3(int tax) = 0;
    virtual void put_Tax4(int tax) = 0;
    virtual int Sale() = 0;
    virtual int ReturnSale() = 0;
    virtual void put_Summ1(double amount) = 0;
    virtual void put_Summ2(double amount) = 0;
    virtual void put_Summ3(double amount) = 0;
    virtual void put_Summ4(double amount) = 0;
    virtual void put_DiscountOnCheck(double amount) = 0;
    virtual int CloseCheck() = 0;
    virtual void put_CustomerEmail(const QString& email) = 0;
    virtual int FNSendCustomerEmail() = 0;

    // Registers.
    virtual QString get_SerialNumber() = 0;
    virtual void put_RegisterNumber(int number) = 0;
    virtual int GetOperationReg() = 0;
    virtual int get_ContentsOfOperationRegister() = 0; // 148 = receipt number
    virtual int GetCashReg() = 0;
    virtual double get_ContentsOfCashRegister() = 0;   // 193/205 sales, 195/207 returns (cash/card)

    // Slip document built line by line.
    virtual int ClearSlipDocumentBuffer() = 0;
    virtual void put_StringNumber(int line) = 0;
    virtual int FillSlipDocumentWithUnfiscalInfo() = 0;
    virtual void put_InfoType(int type) = 0;
    virtual void put_IsClearUnfiscalInfo(bool on) = 0;
    virtual int PrintSlipDocument() = 0;
    virtual void put_SlipDocumentLength(int length) = 0;
    virtual void put_SlipDocumentWidth(int width) = 0;
    virtual void put_PrintingAlignment(int alignment) = 0;
    virtual int ConfigureSlipDocument() = 0;

    // Fiscal document on a slip.
    virtual void put_CopyType(int type) = 0;
    virtual void put_NumberOfCopies(int copies) = 0;
    virtual void put_CopyOffset1(int offset) = 0;
    virtual void put_CopyOffset2(int offset) = 0;
    virtual void put_CopyOffset3(int offset) = 0;
    virtual void put_CopyOffset4(int offset) = 0;
    virtual void put_CopyOffset5(int offset) = 0;
    virtual int OpenStandardFiscalSlipDocument() = 0;
    virtual void put_OperationBlockFirstString(int line) = 0;
    virtual int StandardRegistrationOnSlipDocument() = 0;
    virtual int StandardCloseCheckOnSlipDocument() = 0;

    // Cash.
    virtual int CashOutcome() = 0; // amount in Summ1

    // Fiscal storage.
    virtual int FNBeginCorrectionReceipt() = 0;
    virtual int FNBuildCorrectionReceipt() = 0; // amount in Summ1, type in CheckType
    virtual int get_ReceiptNumber() = 0;
    virtual int get_DocumentNumber() = 0;
    virtual QString get_FiscalSign() = 0; // also read by the name "ФискальныйПризнак"
    virtual int FNBeginCalculationStateReport() = 0;
    virtual int FNBuildCalculationStateReport() = 0;
    virtual int get_DocumentCount() = 0;
    virtual QDate get_Date() = 0;
    virtual int FNGetUnconfirmedDocCount() = 0; // the count is then in DocumentCount
};

namespace shtrih_codes {
constexpr int Ok = 0;
constexpr int NoLink = -1;          // not connected / no answer on the port
constexpr int ShiftOpen = 22;       // shift open: operation impossible
constexpr int NotSupported = 55;    // command not supported by this device
constexpr int NotEnoughPayment = 69;// payments below the receipt total
constexpr int NotEnoughCash = 70;   // not enough cash in the drawer
constexpr int ReceiptOpen = 74;     // a receipt is open: operation impossible
constexpr int ShiftOver24h = 78;    // the shift is older than 24 hours
constexpr int Busy = 80;            // printing the previous command
constexpr int WrongMode = 115;      // command not supported in this mode
}
