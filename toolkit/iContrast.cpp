#include "iContrast.h"

ContrastQueryFn ContrastQuery = &::SystemParametersInfoA;

bool iHighContrast()
{
    HIGHCONTRASTA hc{};
    hc.cbSize = sizeof hc;
    if (!ContrastQuery(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0)) return false;
    return (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void iRepaintForTheme(HWND window)
{
    if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
