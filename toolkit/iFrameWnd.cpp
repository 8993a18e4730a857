#include "iFrameWnd.h"
#include "iContrast.h"

BEGIN_MESSAGE_MAP(iFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnThemeChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnThemeChange)
END_MESSAGE_MAP()

iFrameWnd::iFrameWnd(CWnd* parent, const RECT& rect, DWORD style, LPCSTR title)
{
    Create(nullptr, title, style, rect, parent, nullptr, 0);
    if (m_hWnd && parent && parent->m_hWnd) SendMessage(WM_SETFONT, parent->SendMessage(WM_GETFONT), TRUE);
}

iFrameWnd::~iFrameWnd() { DeleteOwnedWindows(windows); }

CRect iFrameWnd::WindowRectForClient(int x, int y, int width, int height, DWORD style, BOOL hasMenu)
{
    CRect r(x, y, x + width, y + height);
    ::AdjustWindowRect(&r, style, hasMenu);
    return r;
}

LRESULT iFrameWnd::OnThemeChange(WPARAM, LPARAM)
{
    LRESULT r = Default();
    iRepaintForTheme(m_hWnd);
    return r;
}
