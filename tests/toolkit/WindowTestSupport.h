// Reading a window's pixels back for the toolkit window tests.
#pragma once
#include "iDC.h"
#include <algorithm>
#include <climits>
#include <functional>

namespace toolkit_test {

// The window's client area, repainted now and copied to a memory canvas.
struct Snapshot {
    CRect client;
    iCDC canvas;
    explicit Snapshot(HWND hwnd, bool repaint = true) : client(ClientOf(hwnd)), canvas(nullptr, client.Width(), client.Height())
    {
        if (repaint) ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC window = ::GetDC(hwnd);
        ::BitBlt(canvas.m_hDC, 0, 0, client.Width(), client.Height(), window, 0, 0, SRCCOPY);
        ::ReleaseDC(hwnd, window);
    }
    COLORREF At(int x, int y) const { return canvas.GetPixel(x, y); }
    // The smallest rectangle holding the pixels that pass the test.
    CRect Bounds(const std::function<bool(COLORREF)>& test) const
    {
        CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x)
                if (test(At(x, y))) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r.left == INT_MAX ? CRect() : r;
    }
    int Count(COLORREF c) const
    {
        int n = 0;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x) n += At(x, y) == c;
        return n;
    }
    static CRect ClientOf(HWND hwnd)
    {
        CRect r;
        ::GetClientRect(hwnd, &r);
        return r;
    }
};

} // namespace toolkit_test
