#pragma once
#include "util/money.h"
#include <QMap>
#include <QString>

// The process-wide state of the workstation: the workstation's configuration (fr.ini), who is logged in
// and where, the register's state and the named settings of NSTR. One object, owned by the application
// and handed to the windows and services that read it. Field names are the names the rest of the program
// uses for these values.
struct WorkingState {
    // --- register connection (fr.ini "driver=", "port=", "pswd=", "pswd2=", "speed=")
    // 0 and 3 Prim, 1 and 6 ATOL, 2 and 5 Shtrih, 4 Windows printer
    int fr_driver = 0;
    QString fr_port;
    QString fr_password;
    QString fr_password2;
    QString fr_speed = QStringLiteral("9600");
    bool fr_connected = false;  // the register answered at start-up
    bool fr_shift_open = false; // the register reports an open shift (last status refresh)

    // --- central server (fr.ini "serv=", "timeout=", "podr=")
    QString central_mode; // base address of the central server; empty when there is none
    bool online = false;
    int exchange_timeout = 30; // seconds, connect and read time-out of every server request
    QString fixed_podr;

    // --- the logged-in user
    QString cur_oper_nom;
    QString cur_oper_name;
    QString cur_pass_hash; // OPERATOR.PASS (MD5 text) of the user
    QString cur_role;      // "0".."3"; "2" in central mode
    QString cur_acc_user;  // OPERATOR.USR
    int oper_days = 0;     // how many days back a payment may be dated
    QString cur_podr;
    QString cur_smena_nom;
    QString report_header;  // BIS.HDR
    QString receipt_header; // BIS.CHK_HDR, else NSTR "chk_hdr"
    QString podr_ident;     // BIS.ID

    // major * 65536 + minor of this executable
    int program_version = 0;

    // --- other fr.ini values
    int check_width = 40;
    int prndelay = 0;
    int cut_shft = 7;
    bool altfeed = false;
    bool pinpad = false; // "pinpad=sbrf"
    QString prnname = QStringLiteral("VENDOR THERMAL PRINTER");
    int line_int = 30;
    bool runoneprc = false;
    int font_size = 9;
    QString lptport;
    int prim_hcopy = 1;
    int prim_loffs = 32;
    int atol_tax_type = 0;
    QString dbuser = QStringLiteral("SYSDBA");
    QString dbpass = QStringLiteral("plorvanek");
    // Serial ports of this computer: "COM1" -> "/dev/ttyS0" unless fr.ini "com1=" names another device.
    QMap<int, QString> com_ports;

    // --- named settings (NSTR), read once after login
    QString chk_hdr;
    QString cacc, bikbnk, bnk_nm, bnk_inn, bnk_kpp, bnk_okat; // the accepting bank's details
    QString def_cit;
    QString defokato;
    Money id_sum;  // payments above it need client identification
    QString serkv;
    QString bpa_name, bpa_adr;
    Money cntval;  // threshold of the meter-reading check
    bool limit = false;
    bool add = false;
    QString change = QStringLiteral("0"); // "1" or "2": change calculation on
    bool extexp = false;
    bool scheck = false;
    bool ident = false;
    bool delprn = false;
    bool sfio = false;
    bool fiochk = false;
    bool centpko = false;
    bool noper = false;
    bool pmntedt = false;
    bool repprn = false;
    bool noret = false;
    bool mansrch = false; // on in central mode whatever NSTR says
    bool nosotr = false;
    bool empcnt = false;
    bool nofio = false;
    bool namedcnt = false;
    bool noclose = false;
    bool cmtondel = false;
    bool pkochk = false;
    bool extexp2 = false;

    // --- controls of other windows that start-up switches
    bool new_payee_button_visible = true; // the payment window's "+" (new payee); hidden in central mode
    bool pko_export_visible = false;      // the registry window's "Выгрузить ПКО": exactly when "centpko"

    // The device path of serial port "COM" + n.
    QString comDevice(int n) const;
    bool isCashier() const { return cur_role == QLatin1String("2"); }
};
