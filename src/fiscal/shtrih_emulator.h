#pragma once
#include "fiscal/emulator_core.h"
#include "fiscal/shtrih_driver.h"
#include <QMap>
#include <QVariant>

// Our Shtrih register: the driver interface over an emulated device that keeps its shift, registers and
// receipt counters in the work folder between runs and prints to its tape.
// Settings ([shtrih] of fr_emul/emulator.ini): port (the COM number that answers; any when absent),
// width (characters per tape line, 48), serial, printing_ms (how long ECRMode stays 14 after a
// document, 0), fault=... lines.
class ShtrihEmulator : public ShtrihDriver {
public:
    ShtrihEmulator(const QString& work_folder, Clock& clock);
    EmulatorCore& core() { return core_; }

    // Test and demo access to the device's memory.
    bool shiftOpen() const { return shift_.open; }
    QDateTime shiftOpenedAt() const { return shift_.opened_at; }
    bool receiptOpen() const { return receipt_open_; }
    int receiptNumber() const { return receipt_number_; }
    qint64 cashRegister(int number) const { return cash_regs_.value(number); }
    void setShift(bool open, const QDateTime& opened_at);

#define SHTRIH_PUT(T, N) void put_##N(T v) override { put(QStringLiteral(#N), QVariant::fromValue(v)); }
    SHTRIH_PUT(const QString&, Password)
    SHTRIH_PUT(int, ComNumber)
    SHTRIH_PUT(bool, UseReceiptRibbon)
    SHTRIH_PUT(bool, UseJournalRibbon)
    SHTRIH_PUT(bool, UseSlipDocument)
    SHTRIH_PUT(const QString&, StringForPrinting)
    SHTRIH_PUT(int, StringQuantity)
    SHTRIH_PUT(int, CheckType)
    SHTRIH_PUT(double, Quantity)
    SHTRIH_PUT(double, Price)
    SHTRIH_PUT(int, Department)
    SHTRIH_PUT(int, Tax1)
    SHTRIH_PUT(int, Tax2)
    SHTRIH_PUT(int, Tax3)
    SHTRIH_PUT(int, Tax4)
    SHTRIH_PUT(double, Summ1)
    SHTRIH_PUT(double, Summ2)
    SHTRIH_PUT(double, Summ3)
    SHTRIH_PUT(double, Summ4)
    SHTRIH_PUT(double, DiscountOnCheck)
    SHTRIH_PUT(const QString&, CustomerEmail)
    SHTRIH_PUT(int, RegisterNumber)
    SHTRIH_PUT(int, StringNumber)
    SHTRIH_PUT(int, InfoType)
    SHTRIH_PUT(bool, IsClearUnfiscalInfo)
    SHTRIH_PUT(int, SlipDocumentLength)
    SHTRIH_PUT(int, SlipDocumentWidth)
    SHTRIH_PUT(int, PrintingAlignment)
    SHTRIH_PUT(int, CopyType)
    SHTRIH_PUT(int, NumberOfCopies)
    SHTRIH_PUT(int, CopyOffset1)
    SHTRIH_PUT(int, CopyOffset2)
    SHTRIH_PUT(int, CopyOffset3)
    SHTRIH_PUT(int, CopyOffset4)
    SHTRIH_PUT(int, CopyOffset5)
    SHTRIH_PUT(int, OperationBlockFirstString)
#undef SHTRIH_PUT

    int Connect() override;
    int Disconnect() override;
    int GetECRStatus() override;
    int get_ECRMode() override;
    int OpenSession() override;
    int PrintReportWithCleaning() override;
    int PrintReportWithoutCleaning() override;
    QString get_StringForPrinting() override;
    int PrintString() override;
    int FeedDocument() override;
    int CutCheck() override;
    int OutputReceipt() override;
    int FinishDocument() override;
    int OpenCheck() override;
    int Sale() override;
    int ReturnSale() override;
    int CloseCheck() override;
    int FNSendCustomerEmail() override;
    QString get_SerialNumber() override;
    int GetOperationReg() override;
    int get_ContentsOfOperationRegister() override;
    int GetCashReg() override;
    double get_ContentsOfCashRegister() override;
    int ClearSlipDocumentBuffer() override;
    int FillSlipDocumentWithUnfiscalInfo() override;
    int PrintSlipDocument() override;
    int ConfigureSlipDocument() override;
    int OpenStandardFiscalSlipDocument() override;
    int StandardRegistrationOnSlipDocument() override;
    int StandardCloseCheckOnSlipDocument() override;
    int CashOutcome() override;
    int FNBeginCorrectionReceipt() override;
    int FNBuildCorrectionReceipt() override;
    int get_ReceiptNumber() override;
    int get_DocumentNumber() override;
    QString get_FiscalSign() override;
    int FNBeginCalculationStateReport() override;
    int FNBuildCalculationStateReport() override;
    int get_DocumentCount() override;
    QDate get_Date() override;
    int FNGetUnconfirmedDocCount() override;

private:
    void put(const QString& name, const QVariant& v);
    int pInt(const char* name) const { return props_.value(QLatin1String(name)).toInt(); }
    double pNum(const char* name) const { return props_.value(QLatin1String(name)).toDouble(); }
    bool pBool(const char* name) const { return props_.value(QLatin1String(name)).toBool(); }
    QString pText(const char* name) const { return props_.value(QLatin1String(name)).toString(); }
    bool over24h() const;
    int currentMode() const;
    void load();
    void save() const;
    void openShift();
    // The end of a document: the cut line on the tape.
    int cut();
    void countDocument();
    void printed(); // a document ended: the device is printing for printing_ms
    int registerItem(bool ret);
    int closeReceipt(bool slip);
    void fiscalFooter(QStringList& out);
    void tapeLine(const QString& line) { core_.printWrapped(line, width_); }

    EmulatorCore core_;
    int width_;
    QMap<QString, QVariant> props_;
    bool connected_ = false;
    int mode_ = 4;
    QDateTime printing_until_;
    EmulatedShift shift_;
    int receipt_number_ = 0;
    int document_number_ = 0;
    int unconfirmed_ = 0;
    QDate unconfirmed_since_;
    QMap<int, qint64> cash_regs_;
    bool receipt_open_ = false;
    bool receipt_on_slip_ = false;
    int receipt_type_ = 0;
    qint64 receipt_total_ = 0;
    QString receipt_email_;
    QMap<int, QString> slip_unfiscal_;
    QMap<int, QString> slip_fiscal_;
    int slip_next_line_ = 0;
    int op_reg_value_ = 0;
    double cash_reg_value_ = 0;
    int last_receipt_number_ = 0;
    int last_document_number_ = 0;
    QString last_fiscal_sign_;
    int document_count_ = 0;
    QDate date_;
    QString serial_;
};
