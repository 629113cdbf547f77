#include "fiscal/fiscal_drivers.h"
#include "fiscal/atol_emulator.h"
#include "fiscal/fiscal_settings.h"
#include "fiscal/prim_emulator.h"
#include "fiscal/shtrih_emulator.h"

FiscalDrivers FiscalDrivers::emulated(int fr_driver, const QString& work_folder, Clock& clock)
{
    FiscalDrivers d;
    if (is_prim(fr_driver))
        d.prim = std::make_unique<PrimEmulator>(work_folder, clock);
    else if (is_atol(fr_driver))
        d.atol = std::make_unique<AtolEmulator>(work_folder, clock);
    else if (is_shtrih(fr_driver))
        d.shtrih = std::make_unique<ShtrihEmulator>(work_folder, clock);
    return d;
}

bool FiscalDrivers::portExists(const QString& port) const
{
    if (auto* p = dynamic_cast<PrimEmulator*>(prim.get()))
        return p->portExists(port);
    return false;
}
