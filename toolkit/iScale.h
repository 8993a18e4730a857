// Layouts are written in 96-DPI pixels; this turns them into the pixels of a window's DPI.
#pragma once
#include "Types.h"
#include <windows.h>

class iScale {
public:
    explicit iScale(int dpi = 96) : m_dpi(dpi > 0 ? dpi : 96) {}

    int Dpi() const { return m_dpi; }
    bool IsUnit() const { return m_dpi == 96; }
    int operator()(int value) const { return ::MulDiv(value, m_dpi, 96); }
    CPoint operator()(const POINT& p) const { return CPoint((*this)(p.x), (*this)(p.y)); }
    CRect operator()(const RECT& r) const
    {
        return CRect((*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom));
    }
    // Back from the window's pixels to 96-DPI pixels.
    int Unscale(int value) const { return ::MulDiv(value, 96, m_dpi); }

    // The window's DPI where the system tells it per window, else the system's.
    static int DpiOf(HWND window);
    // The frame (window) rectangle around a client area at a DPI, with that DPI's frame metrics when
    // the system has them.
    static CRect FrameRect(int x, int y, int width, int height, DWORD style, int dpi);

private:
    int m_dpi;
};
