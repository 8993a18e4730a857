#include "CDC.h"
#include "CWnd.h"

CDC::~CDC()
{
    if (m_hDC && m_owned) ::DeleteDC(m_hDC);
}

BOOL CDC::Attach(HDC h)
{
    if (!h) return FALSE;
    m_hDC = h;
    m_owned = true;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return h;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC) return FALSE;
    BOOL ok = ::DeleteDC(Detach());
    return ok;
}

BOOL CDC::CreateCompatibleDC(CDC* other) { return Attach(::CreateCompatibleDC(other ? other->m_hDC : nullptr)); }

void CDC::FillSolidRect(LPCRECT r, COLORREF c)
{
    COLORREF old = ::SetBkColor(m_hDC, c);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int w, int h, COLORREF c)
{
    RECT r = { x, y, x + w, y + h };
    FillSolidRect(&r, c);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }

CClientDC::~CClientDC()
{
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
