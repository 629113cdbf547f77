#pragma once
#include <QString>

// Device kinds selected by "driver=" of fr.ini.
enum FrDriver : int {
    FrPrim = 0,         // Prim register library, fiscal receipts
    FrAtol = 1,         // "atol": ATOL driver, plain text only
    FrShtrih = 2,       // "shtrih": Shtrih driver, plain text only
    FrPrimNf = 3,       // "primnf": Prim register library, plain text only
    FrWinPrinter = 4,   // "winprn": a page printer or a port file
    FrShtrihFiscal = 5, // "shtrihf"
    FrAtolFiscal = 6,   // "atolf"
};

// The device kind for the text after "driver="; an unknown text keeps the Prim default 0.
int fr_driver_from_name(const QString& name);
inline bool is_prim(int d) { return d == FrPrim || d == FrPrimNf; }
inline bool is_atol(int d) { return d == FrAtol || d == FrAtolFiscal; }
inline bool is_shtrih(int d) { return d == FrShtrih || d == FrShtrihFiscal; }

// Everything the register and receipt code reads of the workstation's configuration. Start-up fills it
// from fr.ini, the cashier's record and the department; the defaults are those of a missing fr.ini.
struct FiscalSettings {
    int fr_driver = FrPrim;
    QString fr_port;
    QString fr_password;
    QString fr_password2;
    QString fr_speed = QStringLiteral("9600");
    int check_width = 40;
    int cut_shft = 7;
    int prndelay = 0;         // ms pause after each Shtrih fiscal receipt
    bool altfeed = false;     // Shtrih fiscal: blank lines and FinishDocument instead of feed and cut
    QString prnname = QStringLiteral("VENDOR THERMAL PRINTER");
    QString lptport;          // file or device written instead of the page printer
    int line_int = 30;        // line step on the page printer, in printer dots
    int font_size = 9;
    int prim_hcopy = 1;
    int prim_loffs = 32;
    int atol_tax_type = 0;
    QString receipt_header;
    QString cur_oper_name;
    // The work folder: the emulators keep their state, tape and journal under "fr_emul" there.
    QString work_folder;
};

// What the program knows of the register while it runs.
struct FiscalState {
    bool fr_connected = false;  // the register answered at start-up
    bool fr_shift_open = false; // the register reports an open shift (status refresh)
};
