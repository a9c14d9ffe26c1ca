#include "platform/report/stampante.h"
#include <QPrinterInfo>

bool stampanteInstallata()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}
