#pragma once
#include <QString>
#include <functional>

struct WorkingState;

// What start-up, the status refresh and the department change need of the fiscal register. The fiscal
// layer implements it over its drivers; every call maps one to one to a driver operation of the same name.
// Result codes are the drivers' own: 0 = success; fr_connect gives 21 when a Prim shift was opened on an
// earlier day, 13 when the port does not exist, 10 when the device does not answer.
class RegisterSession {
public:
    virtual ~RegisterSession() = default;

    // Takes the connection settings from the working state: fr_driver, fr_port, fr_password,
    // fr_password2, fr_speed, cur_oper_name and the printer settings. Called before every fr_connect
    // of start-up (the port scan changes fr_port between attempts).
    virtual void configure(const WorkingState& ws) = 0;
    // Creates the driver object of an ATOL (1, 6) or Shtrih (2, 5) configuration once at start-up;
    // false when it cannot be created. Not called for the other drivers.
    virtual bool create_driver() = 0;
    // Connects; a non-empty password replaces fr_password on ATOL and Shtrih.
    virtual int fr_connect(const QString& password = QString()) = 0;
    virtual void fr_disconnect() = 0;
    // Prim (0, 3): the state GetShiftState reports; > 0 open, 1 open for more than 24 hours.
    virtual int prim_shift_state() = 0;
    // ATOL (1, 6): SessionOpened.
    virtual bool atol_session_opened() = 0;
    // Shtrih (2, 5): ECRMode after GetECRStatus (3 = open over 24 hours, 4 = closed).
    virtual int shtrih_ecr_mode() = 0;
    // Releases the ATOL driver object when the program ends.
    virtual void release_driver() = 0;
};

// Opening and closing the cashier's shift: the register's shift and the SMENA row, OPERATOR.SMENA_NOM,
// the lists and the status refresh at the end.
class ShiftOperations {
public:
    virtual ~ShiftOperations() = default;
    // Opens a shift and makes it cur_smena_nom. False when the register failed and the cashier chose to end
    // the program instead of going on.
    virtual bool OpenSession() = 0;
    virtual void CloseSession() = 0;
};

// Whether serial port `port` ("COM" + n) exists on this computer; `device` is the device path the
// work folder maps it to (fr.ini "com<n>=", else /dev/ttyS<n-1>).
using PortCheck = std::function<bool(const QString& port, const QString& device)>;
// The device can be opened for reading and writing.
bool serial_port_exists(const QString& device);
inline bool serial_port_exists(const QString& /*port*/, const QString& device) { return serial_port_exists(device); }
