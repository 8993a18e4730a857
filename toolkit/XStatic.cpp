#include "XStatic.h"
#include "iContrast.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(XStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

XStatic::XStatic() : backColor(::GetSysColor(COLOR_3DFACE)), textColor(::GetSysColor(COLOR_WINDOWTEXT)) {}

XStatic::~XStatic()
{
    if (tip.m_hWnd) tip.DestroyWindow();
}

BOOL XStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id, DWORD exStyle, LPVOID param)
{
    createdByCreate = 1;
    if (!CWnd::CreateEx(exStyle, "STATIC", text, style | WS_CHILD, rect, parent, id, param)) return FALSE;
    Initialise();
    return TRUE;
}

bool XStatic::IsTextStatic() const
{
    switch (GetStyle() & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;
    }
}

CRect XStatic::RectInParent() const
{
    CRect r;
    GetWindowRect(&r);
    HWND parent = ::GetParent(m_hWnd);
    if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

void XStatic::SetToolRect(const RECT& r)
{
    if (!tip.m_hWnd) return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.rect = r;
    tip.SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

bool XStatic::Initialise()
{
    fixedRect = RectInParent();
    if (tip.Create(this, TTS_ALWAYSTIP)) {
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = 1;
        GetClientRect(&ti.rect);
        ti.lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(tipText));
        tip.AddTool(&ti);
    }
    UpdateTipText();
    if (!initialised && MakeFont()) initialised = 1;
    return true;
}

bool XStatic::MakeFont()
{
    if (!IsTextStatic()) return true;
    HFONT own = GetFontHandle();
    if (!own) return false;
    LOGFONTA lf{};
    if (!::GetObjectA(own, sizeof lf, &lf)) return false;
    font.DeleteObject();
    if (UnderlinesFont()) lf.lfUnderline = TRUE;
    if (!font.CreateFontIndirect(&lf)) return false;
    if (fitToText) FitToText();
    return true;
}

void XStatic::SendTipText()
{
    if (!tip.m_hWnd) return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(tipText));
    tip.SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void XStatic::SetTipText(LPCSTR text)
{
    tipText = text;
    tipTextFixed = 1;
    SendTipText();
}

void XStatic::UpdateTipText()
{
    if (!tipEnabled) return;
    if (!tipTextFixed) {
        if (IsTextStatic())
            GetWindowText(tipText);
        else
            tipText.Empty();
    }
    SendTipText();
}

HBRUSH XStatic::CtlColor(CDC* dc, UINT)
{
    // Clicks are reported only with SS_NOTIFY.
    if (!(GetStyle() & SS_NOTIFY)) ModifyStyle(0, SS_NOTIFY);
    if (!IsTextStatic()) return nullptr;
    if (font.m_hObject) dc->SelectObject(&font);
    dc->SetTextColor(iHighContrast() ? ::GetSysColor(COLOR_BTNTEXT) : textColor);
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void XStatic::FitToText()
{
    if (!IsTextStatic() || !::GetParent(m_hWnd) || m_fitting) return;
    m_fitting = true;
    CRect target = fixedRect;
    if (fitToText) {
        target = RectInParent();
        CString text;
        GetWindowText(text);
        CRect measured(0, 0, 0, 0);
        {
            CClientDC dc(this);
            // Measure with the font the text is drawn in.
            HGDIOBJ f = font.m_hObject ? font.m_hObject : static_cast<HGDIOBJ>(GetFontHandle());
            CScopedSelect select(dc, f);
            dc.DrawText(text, &measured, DT_CALCRECT | DT_NOPREFIX);
        }
        CRect parentClient;
        ::GetClientRect(::GetParent(m_hWnd), &parentClient);
        int w = std::min(measured.Width(), parentClient.Width());
        int h = std::min(measured.Height(), parentClient.Height());
        DWORD style = GetStyle();
        if (style & SS_CENTERIMAGE) {
            int d = (target.Height() - h) / 2;
            target.top += d;
            target.bottom -= d;
        } else {
            target.bottom = target.top + h;
        }
        DWORD type = style & SS_TYPEMASK;
        if (type == SS_CENTER) {
            int d = (target.Width() - w) / 2;
            target.left += d;
            target.right -= d;
        } else if (type == SS_RIGHT) {
            target.left = target.right - w;
        } else {
            target.right = target.left + w;
        }
    }
    SetToolRect(CRect(0, 0, target.Width(), target.Height()));
    SetWindowPos(nullptr, target.left, target.top, target.Width(), target.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_fitting = false;
}

LRESULT XStatic::OnSetText(WPARAM, LPARAM)
{
    LRESULT r = Default();
    UpdateTipText();
    if (fitToText) FitToText();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return r;
}

LRESULT XStatic::OnSetFont(WPARAM, LPARAM redraw)
{
    LRESULT r = Default();
    // The parent's font comes after the window was sized to its text; past 96 DPI it is another
    // size than the one measured, so measure again.
    if (fitToText) FitToText();
    if (redraw) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    return r;
}

LRESULT XStatic::OnSize(WPARAM, LPARAM)
{
    LRESULT r = Default();
    if (!fitToText) {
        fixedRect = RectInParent();
        SetToolRect(CRect(0, 0, fixedRect.Width(), fixedRect.Height()));
    } else {
        FitToText();
    }
    return r;
}

void XStatic::OnDestroy()
{
    if (tip.m_hWnd) {
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = m_hWnd;
        ti.uId = 1;
        tip.SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        tip.DestroyWindow();
    }
    Default();
}

BOOL XStatic::OnEraseBkgnd(CDC* dc)
{
    if (backColor != CLR_NONE) {
        CRect r;
        GetClientRect(&r);
        // Under high contrast the dialog's own face, which the text colours are made for.
        CBrush brush(iHighContrast() ? ::GetSysColor(COLOR_BTNFACE) : backColor);
        dc->FillRect(&r, brush);
    }
    return TRUE;
}

LRESULT XStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tip sees the mouse through us.
    if (tip.m_hWnd && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        if (message == WM_MOUSEMOVE && !tip.IsWindowVisible()) iTipFollowsContrast(tip.m_hWnd);
        tip.Activate(tipEnabled);
        MSG msg = { m_hWnd, message, wParam, lParam, 0, { 0, 0 } };
        tip.RelayEvent(&msg);
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
