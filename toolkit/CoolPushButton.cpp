#include "CoolPushButton.h"
#include "CGdiObject.h"
#include "iContrast.h"
#include "iDC.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CoolPushButton, iPushButton)
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_TIMER()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
END_MESSAGE_MAP()

CoolPushButton::CoolPushButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
    : iPushButton(parent, rect, style | BS_OWNERDRAW, text, id)
{
    timer = 0;
    hot = 0;
    pressed = 0;
}

BOOL CoolPushButton::OnEraseBkgnd(CDC*)
{
    // The shape is painted whole; the corners keep what lies beneath.
    return TRUE;
}

LRESULT CoolPushButton::OnNcHitTest(CPoint)
{
    if (!hot) {
        hot = 1;
        iClientDC dc(this);
        Draw(&dc);
    }
    // No capture: a polling timer notices when the mouse has left.
    timer = SetTimer(HoverTimer, HoverPeriod);
    return Default();
}

void CoolPushButton::OnTimer(UINT_PTR id)
{
    if (id != HoverTimer) {
        Default();
        return;
    }
    POINT cursor;
    if (!::GetCursorPos(&cursor)) return;
    ScreenToClient(&cursor);
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(cursor)) {
        KillTimer(timer);
        hot = 0;
        iClientDC dc(this);
        Draw(&dc);
    }
}

void CoolPushButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = AfxTempDC(item->hDC);
    pressed = (item->itemState & ODS_SELECTED) ? 1 : 0;
    // No mark until the keyboard is used: the system may say so, and the parent keeps it too.
    CWnd* parent = GetParent();
    const bool hidden = (item->itemState & ODS_NOFOCUSRECT) ||
                        (parent && (parent->SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS));
    focused = (item->itemState & ODS_FOCUS) && !hidden ? 1 : 0;
    Draw(dc);
    AfxFreeTempDC(dc);
}

COLORREF CoolPushButton::FillColor() const
{
    if (iHighContrast()) {
        if (!hot) return ::GetSysColor(COLOR_BTNFACE);
        return ::GetSysColor(pressed ? COLOR_BTNTEXT : COLOR_HIGHLIGHT);
    }
    if (!hot) return RGB(0, 0, 255);
    return pressed ? RGB(0, 0, 0) : RGB(255, 0, 0);
}

COLORREF CoolPushButton::TextColor() const
{
    if (iHighContrast()) {
        if (!hot) return ::GetSysColor(COLOR_BTNTEXT);
        return ::GetSysColor(pressed ? COLOR_BTNFACE : COLOR_HIGHLIGHTTEXT);
    }
    // The fill's complement: cyan on blue, yellow on red, white on black.
    const COLORREF c = FillColor();
    return RGB(255 - GetBValue(c), 255 - GetGValue(c), 255 - GetRValue(c));
}

void CoolPushButton::Draw(CDC* dc)
{
    if (!dc || !dc->m_hDC) return;
    const COLORREF c = FillColor();
    const COLORREF ink = TextColor();
    CBrush brush(c);
    // Under high contrast the outline is drawn in the text colour, so the shape shows on any
    // background; otherwise in the context's own pen, as always.
    CPen outline;
    if (iHighContrast()) outline.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNTEXT));
    CScopedSelect edge(dc->m_hDC, outline.m_hObject);
    CWnd* parent = GetParent();
    HGDIOBJ parentFont = parent ? reinterpret_cast<HGDIOBJ>(parent->SendMessage(WM_GETFONT)) : nullptr;
    CScopedSelect text(dc->m_hDC, m_font ? m_font : parentFont);
    CScopedSelect fill(dc->m_hDC, brush.m_hObject);

    CRect r;
    GetClientRect(&r);
    if (pressed) r.DeflateRect(1, 1);
    CString caption;
    GetWindowText(caption);

    PaintCorners(dc, r);
    dc->RoundRect(&r, CPoint(m_corner, m_corner));
    dc->SetBkColor(c);
    dc->SetTextColor(ink);
    dc->DrawText(caption, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused) DrawFocusRing(dc, r, ink);
}

void CoolPushButton::PaintCorners(CDC* dc, const CRect& shape)
{
    // Outside the rounded shape the parent's own picture shows, painted by the parent as for
    // a themed control. The band just inside the edge is painted too, then drawn over, so no
    // pixel between the two shapes is left to whatever was there.
    CWnd* parent = GetParent();
    if (!parent || !parent->m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    HRGN corners = ::CreateRectRgnIndirect(&client);
    HRGN inside = ::CreateRoundRectRgn(shape.left + 1, shape.top + 1, shape.right - 1, shape.bottom - 1, m_corner,
                                       m_corner);
    ::CombineRgn(corners, corners, inside, RGN_DIFF);
    ::DeleteObject(inside);
    CRect place = client;
    ::MapWindowPoints(m_hWnd, parent->m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    const int saved = ::SaveDC(dc->m_hDC);
    // The region is in device units: where the context is not the button's own, move it there.
    POINT origin{};
    ::GetViewportOrgEx(dc->m_hDC, &origin);
    ::OffsetRgn(corners, origin.x, origin.y);
    ::ExtSelectClipRgn(dc->m_hDC, corners, RGN_AND);
    ::DeleteObject(corners);
    ::OffsetViewportOrgEx(dc->m_hDC, -place.left, -place.top, nullptr);
    parent->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc->m_hDC), PRF_CLIENT);
    ::RestoreDC(dc->m_hDC, saved);
}

void CoolPushButton::DrawFocusRing(CDC* dc, const CRect& shape, COLORREF ink)
{
    // A ring in the caption's colour, inside the edge and clear of the caption, growing with the
    // button so that it stays as plain at every scale.
    const int inset = std::max(3, shape.Height() / 8);
    const int width = std::max(2, shape.Height() / 15);
    CRect ring = shape;
    ring.DeflateRect(inset, inset);
    if (ring.Width() <= 2 * width || ring.Height() <= 2 * width) return;
    CPen pen(PS_INSIDEFRAME, width, ink);
    CScopedSelect line(dc->m_hDC, pen.m_hObject);
    CScopedSelect hollow(dc->m_hDC, ::GetStockObject(NULL_BRUSH));
    const int corner = std::max(2, m_corner - inset);
    dc->RoundRect(&ring, CPoint(corner, corner));
}

LRESULT CoolPushButton::OnGetDlgCode(WPARAM, LPARAM)
{
    // Focused, the button is the one Enter presses: the dialog manager then sends the command
    // with this button's handle, so it reaches this button even where several share an id.
    LRESULT code = Default();
    if (::GetFocus() == m_hWnd) code = (code & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
    return code;
}

LRESULT CoolPushButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    // A dialog manager that moves its default button sets plain push-button styles: the button
    // stays drawn by its owner.
    const WPARAM kept = (style & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    return DefWindowProc(BM_SETSTYLE, kept, redraw);
}

LRESULT CoolPushButton::OnUpdateUiState(WPARAM, LPARAM)
{
    // The focus mark was just hidden or shown for the window: draw it the new way.
    LRESULT r = Default();
    Invalidate(FALSE);
    return r;
}
