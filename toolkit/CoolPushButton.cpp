#include "CoolPushButton.h"
#include "CGdiObject.h"
#include "iDC.h"

BEGIN_MESSAGE_MAP(CoolPushButton, iPushButton)
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_TIMER()
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
    Draw(dc);
    AfxFreeTempDC(dc);
}

COLORREF CoolPushButton::FillColor() const
{
    if (!hot) return RGB(0, 0, 255);
    return pressed ? RGB(0, 0, 0) : RGB(255, 0, 0);
}

void CoolPushButton::Draw(CDC* dc)
{
    if (!dc || !dc->m_hDC) return;
    COLORREF c = FillColor();
    CBrush brush(c);
    CWnd* parent = GetParent();
    HGDIOBJ parentFont = parent ? reinterpret_cast<HGDIOBJ>(parent->SendMessage(WM_GETFONT)) : nullptr;
    CScopedSelect text(dc->m_hDC, m_font ? m_font : parentFont);
    CScopedSelect fill(dc->m_hDC, brush.m_hObject);

    CRect r;
    GetClientRect(&r);
    if (pressed) r.DeflateRect(1, 1);
    CString caption;
    GetWindowText(caption);

    dc->RoundRect(&r, CPoint(m_corner, m_corner));
    dc->SetBkColor(c);
    dc->SetTextColor(RGB(255 - GetBValue(c), 255 - GetGValue(c), 255 - GetRValue(c)));
    dc->DrawText(caption, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
