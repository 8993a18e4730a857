// Device contexts: CDC owns its handle; client and paint contexts give theirs back.
#pragma once
#include "Afx.h"
#include "CGdiObject.h"
#include "CString.h"
#include "Types.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC h);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC* other);

    HGDIOBJ SelectObject(HGDIOBJ obj) { return ::SelectObject(m_hDC, obj); }
    HGDIOBJ SelectObject(CGdiObject* obj) { return ::SelectObject(m_hDC, obj ? obj->m_hObject : nullptr); }
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }

    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }

    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop)
    {
        return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, rop);
    }
    void FillSolidRect(LPCRECT r, COLORREF c);
    void FillSolidRect(int x, int y, int w, int h, COLORREF c);
    int FillRect(LPCRECT r, HBRUSH b) { return ::FillRect(m_hDC, r, b); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL RoundRect(int l, int t, int r, int b, int w, int h) { return ::RoundRect(m_hDC, l, t, r, b, w, h); }
    BOOL RoundRect(LPCRECT r, POINT p) { return RoundRect(r->left, r->top, r->right, r->bottom, p.x, p.y); }
    BOOL MoveTo(int x, int y) { return ::MoveToEx(m_hDC, x, y, nullptr); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    int DrawText(LPCSTR text, int count, LPRECT r, UINT format) { return ::DrawTextA(m_hDC, text, count, r, format); }
    int DrawText(const CString& text, LPRECT r, UINT format) { return DrawText(text, text.GetLength(), r, format); }
    BOOL TextOut(int x, int y, const CString& text) { return ::TextOutA(m_hDC, x, y, text, text.GetLength()); }
    CSize GetTextExtent(const CString& text) const
    {
        SIZE s{};
        ::GetTextExtentPoint32A(m_hDC, text, text.GetLength(), &s);
        return CSize(s);
    }

private:
    bool m_owned = false; // created here, so deleted here
};

// A client-area context of a window for drawing at once.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// The context of a paint handler: begins and ends painting.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};

// Selects an object for the rest of a scope and puts the previous one back.
class CScopedSelect {
public:
    CScopedSelect(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~CScopedSelect()
    {
        if (m_old) ::SelectObject(m_dc, m_old);
    }
    CScopedSelect(const CScopedSelect&) = delete;
    CScopedSelect& operator=(const CScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
