#pragma once
#include "fiscal/atol_driver.h"
#include "fiscal/prim_library.h"
#include "fiscal/shtrih_driver.h"
#include <QString>
#include <memory>

class Clock;

// The driver objects of the configured device kind. On this platform each driver interface is served by
// our emulator of that device; the Windows printer kind has no driver object.
struct FiscalDrivers {
    std::unique_ptr<PrimLibrary> prim;   // kinds 0 and 3
    std::unique_ptr<AtolDriver> atol;    // kinds 1 and 6
    std::unique_ptr<ShtrihDriver> shtrih; // kinds 2 and 5

    // The emulator for fr_driver, keeping its files under work_folder/fr_emul.
    static FiscalDrivers emulated(int fr_driver, const QString& work_folder, Clock& clock);

    // Whether the computer has the serial port ("COM" + n) the start-up scan is about to try.
    bool portExists(const QString& port) const;
};
