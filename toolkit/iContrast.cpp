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

void iTipFollowsContrast(HWND tip)
{
    if (!tip || !iHighContrast()) return;
    ::SendMessageA(tip, TTM_SETTIPBKCOLOR, ::GetSysColor(COLOR_INFOBK), 0);
    ::SendMessageA(tip, TTM_SETTIPTEXTCOLOR, ::GetSysColor(COLOR_INFOTEXT), 0);
}

bool iShowSounds()
{
    BOOL showSounds = FALSE;
    return ::SystemParametersInfoA(SPI_GETSHOWSOUNDS, 0, &showSounds, 0) && showSounds;
}
