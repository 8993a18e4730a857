#include "CFrameWnd.h"
#include "CWinApp.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
    ON_WM_ACTIVATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       LPCSTR menuName, DWORD exStyle, LPVOID param)
{
    HMENU menu = menuName ? LoadMenuA(AfxGetInstanceHandle(), menuName) : nullptr;
    int w = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    int h = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!className) {
        // The default frame class shows the application's icon, the generic one when it has none.
        HICON icon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(AFX_IDI_STD_FRAME));
        if (!icon) icon = LoadIcon(nullptr, IDI_APPLICATION);
        className = AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    }
    m_creating = true;
    BOOL created = CWnd::CreateEx(exStyle, className, windowName, style, rect.left, rect.top, w, h,
                                  parent ? parent->m_hWnd : nullptr, menu, param);
    m_creating = false;
    return created && m_hWnd;
}

void CFrameWnd::OnAppExit()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd)
        app->OnAppExit();
    else
        SendMessage(WM_CLOSE);
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR name)
{
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), name);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (!m_hAccelTable || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg) != 0;
}

LRESULT CFrameWnd::OnNextDlgCtl(WPARAM wParam, LPARAM lParam)
{
    HWND next;
    if (LOWORD(lParam)) {
        next = reinterpret_cast<HWND>(wParam);
    } else {
        HWND focus = ::GetFocus();
        next = ::GetNextDlgTabItem(m_hWnd, ::IsChild(m_hWnd, focus) ? focus : nullptr, wParam != 0);
    }
    if (next && ::IsChild(m_hWnd, next)) ::SetFocus(next);
    return 0;
}

void CFrameWnd::OnActivate(UINT state, CWnd*, BOOL)
{
    if (state == WA_INACTIVE) {
        // The frame's own focus (a game in play) stays the frame's.
        HWND focus = ::GetFocus();
        m_hWndFocus = focus && ::IsChild(m_hWnd, focus) ? focus : nullptr;
    }
    Default();
}

void CFrameWnd::OnSetFocus(CWnd*)
{
    Default();
    HWND child = m_hWndFocus;
    m_hWndFocus = nullptr;
    // A control hidden meanwhile (a game hides its buttons) leaves the focus with the frame.
    if (child && ::IsChild(m_hWnd, child) && ::IsWindowVisible(child) && ::IsWindowEnabled(child)) ::SetFocus(child);
}
