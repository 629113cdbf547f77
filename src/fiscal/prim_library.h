#pragma once
#include <QString>
#include <array>

// The Prim register library: plain functions with integer results, 0 = success.
class PrimLibrary {
public:
    virtual ~PrimLibrary() = default;

    // Opens the port; 0 = opened.
    virtual int OpenDLLPlus(const QString& oper_name, const QString& password, const QString& port, const QString& speed,
                            int flags) = 0;
    // 0 = ready, 21 = shift open since an earlier day, 178 = ready as well.
    virtual int StartSeans() = 0;
    virtual int CloseDLL() = 0;

    virtual int ShiftOpen(const QString& text) = 0;
    virtual int ShiftClose() = 0;
    virtual int XReport() = 0;
    // state > 0: shift open; state = 1: open for more than 24 hours; second: the shift number.
    virtual int GetShiftState(int& state, int& second) = 0;
    // Takes the shift's money fields; GetFldInt then returns one of them in kopecks
    // (5 sales, 6 returns, 7 cancellations).
    virtual int GetMony() = 0;
    virtual int GetFldInt(int field) = 0;

    // Fiscal document: type (0 sale, 2 return), 0, 0, 1, copies, 1, copy column offset, 3, 24, total in kopecks.
    virtual int OpenFiscalDoc(int doc_type, int a2, int a3, int a4, int copies, int a6, int copy_offset, int a8, int a9,
                              qint64 total_kop) = 0;
    // Positions of the register's own fields on the form: seven triples of row, column, font.
    virtual int AddPosField(const std::array<int, 21>& positions) = 0;
    virtual int AddFreeField(int row, int column, int a3, int a4, int flag, const QString& text) = 0;
    // 64609 = tape missing.
    virtual int PrintFiscalReceipt() = 0;
    virtual int PrintFiscalSlip() = 0;
    virtual int GetNumbers() = 0;

    // Non-fiscal document.
    virtual int OpenFDoc() = 0;
    virtual int SlipSelectFDoc() = 0;
    virtual int PrintOEMCRLFDoc(const QString& text, int length) = 0;
    virtual int SlipEjectFDoc() = 0;
    virtual int CloseFDoc() = 0; // 64609 = tape missing
    virtual int FreeDocCutPlus(int lines) = 0;
};

namespace prim_codes {
constexpr int Ok = 0;
constexpr int NoAnswer = 1;      // nothing answers on the port / library not opened
constexpr int WrongState = 2;    // the operation does not fit the register's state
constexpr int ShiftOver24h = 3;  // the shift is older than 24 hours: close it first
constexpr int ShiftOld = 21;     // StartSeans: the shift was opened on an earlier day
constexpr int ShiftOpen = 22;    // ShiftOpen: a shift is open already
constexpr int Ready178 = 178;
constexpr int NoTape = 64609;
}
