#include "XStaticHyperLink.h"
#include "iAccessibleProxy.h"
#include "iContrast.h"
#include "iDC.h"

BEGIN_MESSAGE_MAP(XStaticHyperLink, XStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(STN_CLICKED, Follow)
    ON_WM_SETCURSOR()
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

XStaticHyperLink::XStaticHyperLink()
{
    tipEnabled = 1;
    fitToText = 1;
}

void XStaticHyperLink::SetAction(int type, LPCSTR file, LPCSTR parameters, LPCSTR directory, int showCommand,
                                 UINT message, HWND messageTarget)
{
    action.type = type;
    action.file = file;
    action.parameters = parameters;
    action.directory = directory;
    action.showCommand = showCommand;
    action.message = message;
    action.messageTarget = messageTarget;
    UpdateTipText();
}

void XStaticHyperLink::LoadLinkCursor()
{
    linkCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LinkCursorId));
}

bool XStaticHyperLink::Initialise()
{
    LoadLinkCursor();
    return XStatic::Initialise();
}

void XStaticHyperLink::UpdateTipText()
{
    if (!tipEnabled) return;
    if (!tipTextFixed) {
        tipText = action.file;
        if (tipText.IsEmpty() && useTextAsLink) {
            if (IsTextStatic()) GetWindowText(tipText);
        }
    }
    SendTipText();
}

HBRUSH XStaticHyperLink::CtlColor(CDC* dc, UINT ctlColor)
{
    HBRUSH brush = XStatic::CtlColor(dc, ctlColor);
    dc->SetTextColor(LinkColor());
    return brush;
}

COLORREF XStaticHyperLink::LinkColor() const
{
    // The system has one colour for links; followed ones are not told apart by it.
    if (iHighContrast()) return ::GetSysColor(COLOR_HOTLIGHT);
    return visited ? visitedColor : unvisitedColor;
}

BOOL XStaticHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!linkCursor) return FALSE;
    ::SetCursor(linkCursor);
    return TRUE;
}

void XStaticHyperLink::Follow()
{
    bool filled = false;
    if (action.file.IsEmpty() && useTextAsLink) {
        GetWindowText(action.file);
        filled = true;
    }
    if (action.Execute(reportErrors != 0)) {
        visited = 1;
        Invalidate(TRUE);
    }
    if (filled) action.file.Empty();
}

LRESULT XStaticHyperLink::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    // Enter and the space bar are the link's own: the dialog would take Enter for its OK.
    LRESULT code = Default();
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_SPACE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

void XStaticHyperLink::OnKeyDown(UINT key, UINT, UINT flags)
{
    // A held key follows the link once.
    if ((key == VK_RETURN || key == VK_SPACE) && !(flags & KF_REPEAT)) {
        Follow();
        return;
    }
    Default();
}

bool XStaticHyperLink::ShowsFocus() const
{
    return ::GetFocus() == m_hWnd && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS);
}

void XStaticHyperLink::OnPaint()
{
    Default();
    if (!ShowsFocus()) return;
    // A dotted frame in the link's colour, drawn over what the static painted; drawn, not
    // inverted, so a paint of part of the window leaves the frame whole.
    iClientDC dc(this);
    CRect r;
    GetClientRect(&r);
    const COLORREF ink = LinkColor();
    for (int x = r.left; x < r.right; x += 2) {
        ::SetPixelV(dc.m_hDC, x, r.top, ink);
        ::SetPixelV(dc.m_hDC, x, r.bottom - 1, ink);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        ::SetPixelV(dc.m_hDC, r.left, y, ink);
        ::SetPixelV(dc.m_hDC, r.right - 1, y, ink);
    }
}

void XStaticHyperLink::ShowFocusTip(bool show)
{
    if (!show) {
        if (focusTip.m_hWnd) {
            TTTOOLINFOA ti{};
            ti.cbSize = TTTOOLINFOA_V2_SIZE;
            ti.hwnd = m_hWnd;
            ti.uId = 2;
            focusTip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
        }
        return;
    }
    if (!tipEnabled || tipText.IsEmpty()) return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_hWnd;
    ti.uId = 2;
    if (!focusTip.m_hWnd) {
        if (!focusTip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX)) return;
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.lpszText = const_cast<LPSTR>("");
        focusTip.AddTool(&ti);
    }
    ti.lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(tipText));
    focusTip.SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    // Beside the link's end: below it would cover the next line, which may be another link.
    CRect r;
    GetWindowRect(&r);
    focusTip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(r.right + r.Height() / 2, r.top));
    iTipFollowsContrast(focusTip.m_hWnd);
    focusTip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
}

LRESULT XStaticHyperLink::OnSetFocus(WPARAM, LPARAM)
{
    LRESULT r = Default();
    Invalidate(TRUE);
    ShowFocusTip(true);
    return r;
}

LRESULT XStaticHyperLink::OnKillFocus(WPARAM, LPARAM)
{
    LRESULT r = Default();
    ShowFocusTip(false);
    Invalidate(TRUE);
    return r;
}

LRESULT XStaticHyperLink::OnUpdateUiState(WPARAM, LPARAM)
{
    LRESULT r = Default();
    Invalidate(TRUE);
    return r;
}

void XStaticHyperLink::OnDestroy()
{
    if (focusTip.m_hWnd) focusTip.DestroyWindow();
    XStatic::OnDestroy();
}

LRESULT XStaticHyperLink::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    // A screen reader announces it as a link, followed once it has been.
    const long state = STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE | (visited ? STATE_SYSTEM_TRAVERSED : 0);
    if (LRESULT r = iAccessibleProxy::Answer(m_hWnd, wParam, lParam, ROLE_SYSTEM_LINK, state)) return r;
    return Default();
}
