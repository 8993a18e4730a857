#include "iStaticHyperLink.h"
#include "iWnd.h"

iStaticHyperLink::iStaticHyperLink(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
{
    Make(parent, rect, style, text, id, 0, nullptr);
}

iStaticHyperLink::iStaticHyperLink(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle,
                                   LPVOID param)
{
    Make(parent, rect, style, text, id, exStyle, param);
}

void iStaticHyperLink::Make(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle,
                            LPVOID param)
{
    // SS_REALSIZEIMAGE keeps the rectangle as given.
    if (style & SS_REALSIZEIMAGE) fitToText = 0;
    RECT r = rect;
    MapToParentUnits(parent, r);
    if (!Create(text, style, r, parent, id, exStyle, param)) return;
    if (parent && parent->m_hWnd) SendMessage(WM_SETFONT, static_cast<WPARAM>(parent->SendMessage(WM_GETFONT)), TRUE);
    registration.Attach(this);
}
