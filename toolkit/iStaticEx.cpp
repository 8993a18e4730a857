#include "iStaticEx.h"
#include "iContrast.h"
#include "iDC.h"

BEGIN_MESSAGE_MAP(iStaticEx, iStatic)
    ON_WM_ENABLE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

iStaticEx::iStaticEx(CWnd* parent, const RECT& rect, DWORD style, LPCSTR initial, UINT id)
    : iStatic(parent, rect, style, initial, id), text(initial ? initial : ""),
      textColor(::GetSysColor(COLOR_WINDOWTEXT)), backColor(::GetSysColor(COLOR_WINDOW))
{}

void iStaticEx::SetFont(int height, LPCSTR face)
{
    font.DeleteObject();
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

void iStaticEx::OnEnable(BOOL)
{
    // No erase: the off-screen paint covers everything, so the change does not flicker.
    Invalidate(FALSE);
}

BOOL iStaticEx::OnEraseBkgnd(CDC* dc)
{
    if (GetExStyle() & WS_EX_TRANSPARENT) return TRUE;
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, IsWindowEnabled() ? BackColor() : ::GetSysColor(COLOR_3DFACE));
    return TRUE;
}

void iStaticEx::OnPaint()
{
    CRect client;
    GetClientRect(&client);
    iPaintDC paint(this);
    iCDC canvas(&paint, client.Width(), client.Height());

    bool enabled = IsWindowEnabled() != FALSE;
    COLORREF back = enabled ? BackColor() : ::GetSysColor(COLOR_3DFACE);
    canvas.FillSolidRect(&client, back);
    canvas.SetBkColor(back);
    canvas.SetTextColor(enabled ? TextColor() : ::GetSysColor(COLOR_GRAYTEXT));

    HGDIOBJ useFont = font.m_hObject ? font.m_hObject : reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = useFont ? canvas.SelectObject(useFont) : nullptr;

    if ((format & (DT_VCENTER | DT_WORDBREAK)) != (DT_VCENTER | DT_WORDBREAK)) {
        canvas.DrawText(text, &client, format);
    } else {
        // DrawText centres single lines only, so a wrapped text is measured and placed by hand.
        CRect measured = client;
        canvas.DrawText(text, &measured, format | DT_CALCRECT);
        int tw = measured.Width();
        int th = measured.Height();
        int dx = (format & DT_CENTER) ? (client.Width() - tw) / 2 : measured.left;
        int dy = (client.Height() - th) / 2;
        CRect target(dx, dy, dx + tw, dy + th);
        if (dy < 0 && (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS))) target.SetRect(dx, 0, dx + tw, client.Height());
        canvas.DrawText(text, &target, format);
    }

    if (oldFont) canvas.SelectObject(oldFont);
    canvas.CopyTo(&paint, SRCCOPY);
}

LRESULT iStaticEx::OnSetText(WPARAM, LPARAM lParam)
{
    const char* newText = reinterpret_cast<const char*>(lParam);
    text = newText ? newText : "";
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(SpokenText(text))));
    Invalidate(TRUE);
    return TRUE;
}

void iStaticEx::SetLabel(LPCSTR words)
{
    label = words ? words : "";
    const CString shown = text;
    SetWindowText(shown);
}

CString iStaticEx::SpokenText(LPCSTR shown) const
{
    const CString spoken = shown ? shown : "";
    if (label.IsEmpty()) return spoken;
    if (spoken.IsEmpty() || spoken == label) return label;
    return label + " " + spoken;
}

COLORREF iStaticEx::TextColor() const { return iHighContrast() ? ::GetSysColor(COLOR_WINDOWTEXT) : textColor; }

COLORREF iStaticEx::BackColor() const { return iHighContrast() ? ::GetSysColor(COLOR_WINDOW) : backColor; }
