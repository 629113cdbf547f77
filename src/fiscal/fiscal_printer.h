#pragma once
#include "fiscal/fiscal_drivers.h"
#include "fiscal/fiscal_settings.h"
#include "fiscal/page_printer.h"
#include "util/money.h"
#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class Log;
class UserDialogs;

// One receipt as the payment code hands it over.
struct ReceiptData {
    QString text;        // FR.TXT
    QString amount;      // decimal text, "." or ","
    QString commission;  // decimal text
    QString uid;         // payment identifier, printed on Prim slip copies
    QString email;       // buyer's e-mail or empty
    bool last = true;    // last receipt of the visit
    QString note;        // non-empty on a cancellation
    bool card = false;   // paid by bank card
    int department = 0;  // SERVICE.DEPARTMENT
    double vat_rate = 0; // SERVICE.NDS, 0 = none
    QString check2;      // SERVICE.CHECK2: "1" slip copy, "2" separate commission receipt, "3" both
    bool receipt_mode = true; // SERVICE.RCPT = "1": receipt tape; false: slip document
    int doc_type = 0;    // 0 sale, 2 return
};

// Receipts and plain documents on the configured device, and the connection to the register.
// Callers connect (fr_connect) before printing and disconnect (fr_disconnect) after. No failure stops
// the caller: results come back as codes and every step is written to the daily log.
class FiscalPrinter {
public:
    FiscalPrinter(FiscalSettings& settings, FiscalState& state, FiscalDrivers drivers, Log& log, Clock& clock,
                  UserDialogs& dialogs);

    FiscalSettings& settings() { return settings_; }
    FiscalState& state() { return state_; }
    PrimLibrary* prim() { return drivers_.prim.get(); }
    AtolDriver* atol() { return drivers_.atol.get(); }
    ShtrihDriver* shtrih() { return drivers_.shtrih.get(); }
    FiscalDrivers& drivers() { return drivers_; }
    PagePrinter& pagePrinter() { return page_printer_; }

    // 0 = connected. A given password replaces fr_password on ATOL and Shtrih.
    int fr_connect(const QString& password = QString());
    void fr_disconnect();

    // The lines of a plain document (empty lines are skipped), for print_text.
    QStringList document_lines;
    // The payment's extra receipt lines (FR.TXT1), printed after the cashier line.
    QStringList receipt_extra_lines;

    // Prints document_lines; fixed_font matters on the page printer only. Returns the last device code.
    int print_text(bool fixed_font);

    // Returns the error flag (0 printed, 1 failed); `code` gets the last device code.
    int print_receipt(const ReceiptData& r, int& code);
    int print_receipt(const QString& text, const QString& amount, const QString& commission, const QString& uid,
                      const QString& email, bool last, const QString& note, bool card, int department, double vat_rate,
                      const QString& check2, bool receipt_mode, int doc_type, int& code);

    // The slip copy of an earlier receipt again; returns the last device code (also in `code`).
    int reprint_slip(const QString& text, const QString& amount, const QString& commission, const QString& uid,
                     bool slip_copy, int& code, bool receipt_mode);

    // Shtrih: reads ECRMode (after GetECRStatus) every 200 ms until `done` says so, at most 30 seconds;
    // each mode read is logged with log_prefix unless it is empty. Returns the last mode.
    int wait_ecr_mode(const std::function<bool(int)>& done, const QString& log_prefix);
    // Shtrih: waits for a mode ready for a new document (2, 4, 7, 9).
    int wait_ready(const QString& log_prefix = QStringLiteral("Статус ФР: "));
    static bool ready_mode(int mode) { return mode == 2 || mode == 4 || mode == 7 || mode == 9; }

    // The register's shift as the driver reports it (for the status refresh): open and over 24 hours.
    struct ShiftState {
        bool open = false;
        bool over24h = false;
    };
    ShiftState register_shift_state(bool force_open, bool printer_shift_state);

    // How amounts are printed: two decimals, no thousands separator.
    static QString amount_text(Money m);
    // One line of a plain document cut for a device of `width` columns; a line feed is an ordinary
    // character when lf_is_char, else it is dropped.
    static QStringList wrap_line(const QString& line, int width, bool lf_is_char);

    static constexpr int kWaitLimitMs = 30000;
    static constexpr int kWaitStepMs = 200;

private:
    struct Prepared {
        Money amount, commission, total, vat;
        bool has_vat = false;
        bool commission_separate = false;
        bool slip_copy = false;
        qint64 total_kop = 0;
        QString date_time, date6;
    };
    void log(const QString& text);
    QString num(int code) const { return QString::number(code); }
    QString cashierLine() const;
    QString vatLine(const Prepared& p) const;
    QStringList extraLines() const;
    QStringList plainReceiptLines(const ReceiptData& r, const Prepared& p) const;
    QString describe(const std::exception& e) const;

    // Page printer and port file.
    bool writePortFile(const QStringList& lines, QString* error);
    bool printPage(const QStringList& lines, bool fixed_font, QString* error);
    void portFileReceipt(const ReceiptData& r, const Prepared& p, int& error);
    void pageReceipt(const ReceiptData& r, const Prepared& p, int& error);

    // Prim.
    void primReceipt(const ReceiptData& r, const Prepared& p, int& code, int& error);
    void primPlainReceipt(const ReceiptData& r, const Prepared& p, int& code, int& error);
    void primSlipCopy(const QString& text, Money amount, const QString& uid, const QString& date6);
    int primNoTape(int code);

    // ATOL.
    int atolLine(const QString& text);
    void atolFiscal(const ReceiptData& r, const Prepared& p, int& code, int& error);
    void atolPlain(const ReceiptData& r, const Prepared& p, int& code, int& error);

    // Shtrih.
    int shtrihLine(const QString& text, const QString& log_prefix = QString());
    int retryBusy(const std::function<int()>& call, const QString& log_prefix);
    void shtrihPayment(Money sum, bool card);
    void shtrihCloseAndFeed(bool log_pause, int& code, int& error);
    void shtrihFeedCut();
    void shtrihPlain(const ReceiptData& r, const Prepared& p, int& code, int& error);
    int shtrihFillSlip(const ReceiptData& r, const Prepared& p, int& code);
    void shtrihFiscal(const ReceiptData& r, const Prepared& p, int& code, int& error);
    void shtrihFiscalSlip(const ReceiptData& r, const Prepared& p, int& code, int& error);

    FiscalSettings& settings_;
    FiscalState& state_;
    FiscalDrivers drivers_;
    Log& log_;
    Clock& clock_;
    UserDialogs& dialogs_;
    PagePrinter page_printer_;
};
