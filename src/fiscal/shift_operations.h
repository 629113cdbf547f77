#pragma once
#include "fiscal/shift_peers.h"
#include "util/money.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class Database;
class DbUtils;
class FiscalPrinter;
class Log;
class UserDialogs;

// Who works in which shift: the values of the working state the shift operations read and change.
struct ShiftContext {
    QString cur_oper_nom;
    QString cur_podr;
    QString cur_smena_nom; // the cashier's open shift; set by opening, kept by closing for the documents
    bool pinpad = false;   // "pinpad=sbrf": the pinpad's Z report is taken at shift close
};

// The cashier's shift on the register and in the database, and the cash-desk commands around it:
// opening and closing, collection, X report, the register totals, the correction receipt and the
// fiscal storage reports. Headless: questions and messages go through UserDialogs, waits through the
// Clock, windows and the rest of the program through the hooks below.
class ShiftOperationsService {
public:
    ShiftOperationsService(FiscalPrinter* printer, Database& db, DbUtils& utils, ShiftContext& ctx, Log& log,
                           Clock& clock, UserDialogs& dialogs);
    ~ShiftOperationsService();

    // The register's printer layer (it is replaced when the device kind changes).
    void setPrinter(FiscalPrinter* printer) { printer_ = printer; }
    FiscalPrinter* printer() const { return printer_; }

    // --- hooks
    // The status refresh of the main window: (force_open, printer_shift_state).
    std::function<void(bool, bool)> statusRefresh;
    // The main window's shift list and payment list.
    std::function<void()> refreshLists;
    // Sends a closed shift to the central server (the exchange layer).
    std::function<void(const QString& smena_nom)> updsm;
    // The pinpad's Z report at close (no pinpad layer: it fails and the shift closes without its text).
    void setPinpad(PinpadReports* pinpad) { pinpad_ = pinpad ? pinpad : &no_pinpad_; }
    // The cash certificate on the receipt printer after a Windows-printer close (none: nothing printed).
    void setCashCertificate(CashCertificatePrinter* printer) { cash_certificate_ = printer; }

    // Opens the register's shift and a new database shift, made cur_smena_nom. False when the register
    // failed and the cashier chose to end the program (no shift is created then).
    bool OpenSession();
    // Closes the register's shift (Z report) and the database shift. False when the register refused:
    // the database shift stays open.
    bool CloseSession();
    // "Инкассация": takes the shift's cash out of the register and splits the database shift. False when
    // the cashier declined or the register refused (the database is unchanged then).
    bool collection();
    // "Отчет без гашения."; the device code (0 for devices without the report).
    int x_report();
    // "Отчет на экран": the register's totals as lines of the output window (Prim, ATOL, Shtrih fiscal),
    // or nothing when the device has no totals to show (the window opens with what it holds). `show` shows the window modally;
    // the status refresh follows.
    void register_totals(const std::function<void(const std::optional<QStringList>& lines)>& show);
    std::optional<QStringList> read_register_totals();
    // The correction receipt of `type` (0 sale, 1 purchase, 2 sale return, 3 purchase return). Returns the
    // device code: 0 printed or nothing to print on this device.
    int print_correction_receipt(int type, Money amount);
    // The correction amount as typed: empty is 0, either decimal separator, cut (not rounded) to whole
    // kopecks; nothing for a text that is not a number.
    static std::optional<Money> correction_amount(const QString& text);
    // The lines the output window shows for the two fiscal storage reports.
    QStringList calculation_state_report();
    QStringList unconfirmed_documents_report();

    // --- the database half
    // A new shift row for cur_oper_nom in cur_podr, made the cashier's and cur_smena_nom; false on a
    // database error (nothing is stored then).
    bool openRow();
    // Closes the cashier's open shift (OPERATOR.SMENA_NOM) with the pinpad text; false on a database error.
    bool closeRow(const QString& cheque);
    // Closes the cashier's open shift and opens the next one in one transaction (collection).
    bool splitRow();

    static constexpr int kAfterClosePauseMs = 1000;

private:
    void log(const QString& text);
    QString userShift();
    QString insertShift();
    void refresh(bool force_open, bool printer_shift_state);

    FiscalPrinter* printer_;
    Database& db_;
    DbUtils& utils_;
    ShiftContext& ctx_;
    Log& log_;
    Clock& clock_;
    UserDialogs& dialogs_;
    NoPinpad no_pinpad_;
    PinpadReports* pinpad_ = &no_pinpad_;
    CashCertificatePrinter* cash_certificate_ = nullptr;
};
