#include "iScale.h"

namespace {
// Looked up at run time: Windows 10 1607 and later have them, Windows 7 and 8 do not.
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <class Fn> Fn User32(const char* name)
{
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    FARPROC found = user32 ? ::GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(found));
}
} // namespace

int iScale::DpiOf(HWND window)
{
    static const auto dpiForWindow = User32<DpiForWindowFn>("GetDpiForWindow");
    if (dpiForWindow && window) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

CRect iScale::FrameRect(int x, int y, int width, int height, DWORD style, int dpi)
{
    static const auto adjustForDpi = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    CRect r(x, y, x + width, y + height);
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, 0, static_cast<UINT>(dpi))) {
        r = CRect(x, y, x + width, y + height);
        ::AdjustWindowRect(&r, style, FALSE);
    }
    return r;
}
