#include "iFrameWnd.h"
#include "iContrast.h"

BEGIN_MESSAGE_MAP(iFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnThemeChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnThemeChange)
    ON_MESSAGE(WM_CHANGEUISTATE, OnChangeUiState)
    ON_MESSAGE(WM_UPDATEUISTATE, OnChangeUiState)
    ON_MESSAGE(WM_QUERYUISTATE, OnQueryUiState)
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

LRESULT iFrameWnd::OnChangeUiState(WPARAM wParam, LPARAM)
{
    const WORD flags = HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
    WORD state = m_uiState;
    // Initializing takes the state of a player who has not used the keyboard yet.
    if (LOWORD(wParam) == UIS_SET || LOWORD(wParam) == UIS_INITIALIZE)
        state |= flags;
    else if (LOWORD(wParam) == UIS_CLEAR)
        state &= ~flags;
    if (state == m_uiState) return 0;
    const WORD action = (state & flags) ? UIS_SET : UIS_CLEAR;
    m_uiState = state;
    // The children draw their marks the new way.
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
    return 0;
}
