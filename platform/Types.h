// Point, size and rectangle wrappers over the Win32 structures.
#pragma once
#include "Afx.h"

class CPoint : public POINT {
public:
    CPoint()
    {
        x = 0;
        y = 0;
    }
    CPoint(int ix, int iy)
    {
        x = ix;
        y = iy;
    }
    CPoint(POINT p)
    {
        x = p.x;
        y = p.y;
    }
    explicit CPoint(LPARAM lp)
    {
        x = static_cast<short>(LOWORD(lp));
        y = static_cast<short>(HIWORD(lp));
    }
    bool operator==(POINT p) const { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const { return !(*this == p); }
};

class CSize : public SIZE {
public:
    CSize()
    {
        cx = 0;
        cy = 0;
    }
    CSize(int w, int h)
    {
        cx = w;
        cy = h;
    }
    CSize(SIZE s)
    {
        cx = s.cx;
        cy = s.cy;
    }
    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
};

class CRect : public RECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& r)
    {
        left = r.left;
        top = r.top;
        right = r.right;
        bottom = r.bottom;
    }
    CRect(POINT p, SIZE s)
    {
        left = p.x;
        top = p.y;
        right = p.x + s.cx;
        bottom = p.y + s.cy;
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
    bool PtInRect(POINT p) const { return ::PtInRect(this, p) != FALSE; }
    void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void NormalizeRect()
    {
        if (left > right) {
            LONG t = left;
            left = right;
            right = t;
        }
        if (top > bottom) {
            LONG t = top;
            top = bottom;
            bottom = t;
        }
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& r) const { return ::EqualRect(this, &r) != FALSE; }
    bool operator!=(const RECT& r) const { return !(*this == r); }
};
