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
    explicit Snapshot(HWND hwnd, bool repaint = true)
        : client(ClientOf(hwnd)), canvas(nullptr, client.Width(), client.Height())
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

#include "iContrast.h"

namespace toolkit_test {

// A dark high-contrast theme while it lives: the system's colours set to a dark palette and the
// contrast question answered "on" (Wine itself always says "off"); both put back afterwards.
class DarkContrast {
public:
    static constexpr int Elements[] = { COLOR_BTNFACE,       COLOR_BTNTEXT,  COLOR_HIGHLIGHT,
                                        COLOR_HIGHLIGHTTEXT, COLOR_HOTLIGHT, COLOR_WINDOW,
                                        COLOR_WINDOWTEXT,    COLOR_INFOBK,   COLOR_INFOTEXT };
    static constexpr COLORREF Palette[] = { RGB(24, 24, 24),    RGB(250, 250, 250), RGB(26, 235, 255),
                                            RGB(0, 0, 0),       RGB(255, 255, 0),   RGB(0, 0, 0),
                                            RGB(255, 255, 255), RGB(0, 0, 64),      RGB(255, 255, 255) };
    static constexpr int Count = sizeof Elements / sizeof Elements[0];
    // on: the theme is on from the start; otherwise only the palette is set until TurnOn.
    explicit DarkContrast(bool on = true)
    {
        for (int i = 0; i < Count; ++i) m_saved[i] = ::GetSysColor(Elements[i]);
        s_on = on;
        ContrastQuery = &Query;
        ::SetSysColors(Count, Elements, Palette);
    }
    ~DarkContrast()
    {
        ContrastQuery = &::SystemParametersInfoA;
        ::SetSysColors(Count, Elements, m_saved);
    }
    DarkContrast(const DarkContrast&) = delete;
    DarkContrast& operator=(const DarkContrast&) = delete;
    // Switches the theme as the system does: the setting, then the message to the window.
    static void Switch(HWND topLevel, bool on)
    {
        s_on = on;
        ::SendMessageA(topLevel, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }

private:
    static BOOL WINAPI Query(UINT action, UINT param, PVOID data, UINT winIni)
    {
        if (action != SPI_GETHIGHCONTRAST) return ::SystemParametersInfoA(action, param, data, winIni);
        auto* hc = static_cast<HIGHCONTRASTA*>(data);
        hc->dwFlags = s_on ? (HCF_HIGHCONTRASTON | HCF_AVAILABLE) : HCF_AVAILABLE;
        hc->lpszDefaultScheme = nullptr;
        return TRUE;
    }
    static inline bool s_on = false;
    COLORREF m_saved[Count] = {};
};

} // namespace toolkit_test
