#pragma once
#include "fiscal/atol_driver.h"
#include "fiscal/emulator_core.h"
#include <QMap>
#include <QVariant>

// Our ATOL register: the driver interface over an emulated device that keeps its shift, registers and
// receipt state in the work folder between runs and prints to its tape.
// Settings ([atol] of fr_emul/emulator.ini): width (characters per tape line, 48), serial,
// header (the device's own header lines, "|" between lines), fault=... lines.
class AtolEmulator : public AtolDriver {
public:
    AtolEmulator(const QString& work_folder, Clock& clock);
    EmulatorCore& core() { return core_; }

    bool shiftOpen() const { return shift_.open; }
    bool receiptOpen() const { return receipt_open_; }
    int mode() const { return mode_; }
    qint64 cash() const { return cash_; }
    void setShift(bool open, const QDateTime& opened_at);

#define ATOL_PUT(T, N) void put_##N(T v) override { put(QStringLiteral(#N), QVariant::fromValue(v)); }
    ATOL_PUT(qintptr, ApplicationHandle)
    ATOL_PUT(const QString&, DefaultPassword)
    ATOL_PUT(int, Mode)
    ATOL_PUT(int, ReportType)
    ATOL_PUT(int, CheckType)
    ATOL_PUT(int, TypeClose)
    ATOL_PUT(int, AttrNumber)
    ATOL_PUT(const QString&, AttrValue)
    ATOL_PUT(int, TextWrap)
    ATOL_PUT(const QString&, Caption)
    ATOL_PUT(const QString&, Name)
    ATOL_PUT(double, Quantity)
    ATOL_PUT(double, Price)
    ATOL_PUT(int, Department)
    ATOL_PUT(int, TaxTypeNumber)
    ATOL_PUT(double, Summ)
    ATOL_PUT(int, RegisterNumber)
    ATOL_PUT(int, OperationType)
#undef ATOL_PUT

    void put_DeviceEnabled(bool on) override;
    bool get_DeviceEnabled() override;
    int GetStatus() override;
    int get_Mode() override;
    int SetMode() override;
    int Resetmode() override;
    int OpenSession() override;
    bool get_SessionOpened() override;
    int Report() override;
    int OpenCheck() override;
    int CloseCheck() override;
    int WriteAttribute() override;
    int PrintString() override;
    int PrintHeader() override;
    int FullCut() override;
    int Registration() override;
    int Return() override;
    double get_Summ() override;
    int CashOutcome() override;
    int GetRegister() override;
    int OpenDrawer() override;

private:
    void put(const QString& name, const QVariant& v);
    int pInt(const char* name) const { return props_.value(QLatin1String(name)).toInt(); }
    double pNum(const char* name) const { return props_.value(QLatin1String(name)).toDouble(); }
    QString pText(const char* name) const { return props_.value(QLatin1String(name)).toString(); }
    bool over24h() const;
    void load();
    void save() const;
    void openShift();
    void report(bool z);
    int item(bool ret);
    void line(const QString& text) { core_.printWrapped(text, width_); }

    EmulatorCore core_;
    int width_;
    QString serial_;
    QMap<QString, QVariant> props_;
    bool enabled_ = false;
    int mode_ = 0;
    EmulatedShift shift_;
    int receipt_number_ = 0;
    int document_number_ = 0;
    bool receipt_open_ = false;
    int receipt_type_ = 1;
    qint64 receipt_total_ = 0;
    QString receipt_email_;
    QMap<int, qint64> totals_; // check type * 10 + close type -> kopecks of the shift
    qint64 cash_ = 0;
};
