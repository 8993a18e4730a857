// Thin device-context and GDI wrappers, and the off-screen canvas iCDC.
#pragma once
#include "CDC.h"
#include "CGdiObject.h"
#include "CWnd.h"

class iBitmap : public CBitmap {
public:
    iBitmap() = default;
    // A bitmap compatible with the context.
    iBitmap(CDC* dc, int width, int height);
    iBitmap(HDC dc, int width, int height);
    // Width and height from the bitmap header; (0, 0) when it cannot be read.
    CSize GetSize() const;

    int created = 0;
};

class iPen : public CPen {
public:
    iPen() = default;
    iPen(int style, int width, COLORREF color) : CPen(style, width, color) {}
};

// A memory context that owns its handle.
class iDC : public CDC {
public:
    iDC() = default;
    // Compatible with the given context, or with the screen when it is null.
    explicit iDC(CDC* compatible);
};

// An off-screen canvas the size of an area of its reference, copied there in one transfer.
class iCDC : public iDC {
public:
    iCDC(CDC* reference, int width, int height);
    iCDC(CDC* reference, const RECT& rect);
    ~iCDC() override;

    // Copies the whole canvas onto the reference at the area's corner; 0 without a reference.
    BOOL Copy(DWORD rop = SRCCOPY);
    BOOL CopyTo(CDC* destination, DWORD rop = SRCCOPY);

    CDC* reference = nullptr;
    CRect area;
    iBitmap* bitmap = nullptr;
    int ownsBitmap = 0;
    HGDIOBJ previous = nullptr;

private:
    void Build();
};

class iClientDC : public CClientDC {
public:
    explicit iClientDC(CWnd* wnd) : CClientDC(wnd) {}
    ~iClientDC() override = default;
};

class iPaintDC : public CPaintDC {
public:
    explicit iPaintDC(CWnd* wnd) : CPaintDC(wnd) {}
    ~iPaintDC() override = default;
};
