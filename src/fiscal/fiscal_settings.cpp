#include "fiscal/fiscal_settings.h"

int fr_driver_from_name(const QString& name)
{
    const QString n = name.trimmed();
    if (n == QLatin1String("atol")) return FrAtol;
    if (n == QLatin1String("shtrih")) return FrShtrih;
    if (n == QLatin1String("primnf")) return FrPrimNf;
    if (n == QLatin1String("winprn")) return FrWinPrinter;
    if (n == QLatin1String("shtrihf")) return FrShtrihFiscal;
    if (n == QLatin1String("atolf")) return FrAtolFiscal;
    return FrPrim;
}
