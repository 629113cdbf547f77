#pragma once
#include "fiscal/emulator_core.h"
#include "fiscal/prim_library.h"
#include <QList>

// Our Prim register: the library functions over an emulated device that answers on one serial port,
// keeps its shift and money fields in the work folder between runs and prints to its tape.
// Settings ([prim] of fr_emul/emulator.ini): port (the port the register is on, "COM1"),
// ports (the serial ports the computer has, "COM1,...,COM6"), width (tape characters, 48),
// inn, regnum, fault=... lines.
class PrimEmulator : public PrimLibrary {
public:
    PrimEmulator(const QString& work_folder, Clock& clock);
    EmulatorCore& core() { return core_; }

    bool portExists(const QString& port) const;
    bool shiftOpen() const { return shift_.open; }
    qint64 field(int n) const;
    void setShift(bool open, const QDateTime& opened_at);

    int OpenDLLPlus(const QString& oper_name, const QString& password, const QString& port, const QString& speed,
                    int flags) override;
    int StartSeans() override;
    int CloseDLL() override;
    int ShiftOpen(const QString& text) override;
    int ShiftClose() override;
    int XReport() override;
    int GetShiftState(int& state, int& second) override;
    int GetMony() override;
    int GetFldInt(int field) override;
    int OpenFiscalDoc(int doc_type, int a2, int a3, int a4, int copies, int a6, int copy_offset, int a8, int a9,
                      qint64 total_kop) override;
    int AddPosField(const std::array<int, 21>& positions) override;
    int AddFreeField(int row, int column, int a3, int a4, int flag, const QString& text) override;
    int PrintFiscalReceipt() override;
    int PrintFiscalSlip() override;
    int GetNumbers() override;
    int OpenFDoc() override;
    int SlipSelectFDoc() override;
    int PrintOEMCRLFDoc(const QString& text, int length) override;
    int SlipEjectFDoc() override;
    int CloseFDoc() override;
    int FreeDocCutPlus(int lines) override;

private:
    struct FreeField {
        int row, column, flag;
        QString text;
    };
    bool over24h() const;
    void load();
    void save() const;
    void openShift();
    void totals(const QString& title);
    int printFiscal(bool slip);
    void slipBlock(const QStringList& lines);
    void line(const QString& text) { core_.printWrapped(text, width_); }

    EmulatorCore core_;
    int width_;
    QString port_;
    bool opened_ = false;
    QString oper_name_;
    EmulatedShift shift_;
    int document_number_ = 0;
    qint64 sales_ = 0, returns_ = 0, storno_ = 0;
    QList<qint64> mony_; // fields taken by GetMony
    // fiscal document being built
    bool fdoc_open_ = false;
    int fdoc_type_ = 0, fdoc_copies_ = 1, fdoc_offset_ = 0;
    qint64 fdoc_total_ = 0;
    std::array<int, 21> positions_{};
    QList<FreeField> fields_;
    // non-fiscal document
    bool nf_open_ = false;
    bool nf_slip_ = false;
    QStringList nf_slip_lines_;
};
