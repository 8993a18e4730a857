// Owners of GDI object handles: each created object is deleted exactly once.
#pragma once
#include "Afx.h"
#include "Types.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, void* out) const { return m_hObject ? ::GetObjectA(m_hObject, size, out) : 0; }
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
public:
    CFont() = default;
    BOOL CreateFontIndirect(const LOGFONTA* lf) { return Attach(::CreateFontIndirectA(lf)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCSTR face)
    {
        return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face));
    }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    // A font object that does not own the handle; valid until the message loop is idle.
    static CFont* FromHandle(HFONT h);
};

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
    int GetBitmap(BITMAP* bm) const { return GetObject(sizeof(BITMAP), bm); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// Frees the temporary wrappers handed out by FromHandle.
void AfxDeleteTempGdiObjects();
