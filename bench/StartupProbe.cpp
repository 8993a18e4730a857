// Linked into a copy of the program, never into votaroo.exe: stamps the clock before the
// application object is built and again once the main window's first paint is handled,
// writes both to the file named by VOTAROO_STARTUP_OUT, and closes the window.
#include "CWinApp.h"
#include "CWnd.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>

namespace {

const UINT PaintedMessage = WM_APP + 0x3A1;
LARGE_INTEGER started;
HHOOK hook;
bool appBuiltBefore = false;
bool painted = false;

double MillisecondsSince(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds of the Unix epoch, the clock the launching shell reads.
long long WallNanoseconds()
{
    FILETIME ft;
    ::GetSystemTimePreciseAsFileTime(&ft);
    const long long ticks = (static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - 116444736000000000LL) * 100;
}

void Report()
{
    const double inside = MillisecondsSince(started);
    const long long wall = WallNanoseconds();
    const char* path = std::getenv("VOTAROO_STARTUP_OUT");
    if (!path) return;
    if (FILE* out = std::fopen(path, "a")) {
        // A negative figure marks a run whose order of construction could not be trusted.
        std::fprintf(out, "%.3f %lld\n", appBuiltBefore ? -1.0 : inside, wall);
        std::fclose(out);
    }
}

// Posted messages come before a paint, so the marker posted at the first WM_PAINT is
// retrieved just after that paint has been handled.
LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam)
{
    if (code == HC_ACTION && removal == PM_REMOVE) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        CWnd* main = AfxGetMainWnd();
        if (main && msg->hwnd && msg->hwnd == main->m_hWnd) {
            if (msg->message == WM_PAINT && !painted) {
                painted = true;
                ::PostMessageA(msg->hwnd, PaintedMessage, 0, 0);
            } else if (msg->message == PaintedMessage) {
                Report();
                msg->message = WM_NULL;
                ::PostMessageA(msg->hwnd, WM_CLOSE, 0, 0);
            }
        }
    }
    return ::CallNextHookEx(hook, code, removal, lParam);
}

struct Probe {
    Probe()
    {
        ::QueryPerformanceCounter(&started);
        appBuiltBefore = AfxGetApp() != nullptr;
        hook = ::SetWindowsHookExA(WH_GETMESSAGE, &OnGetMessage, nullptr, ::GetCurrentThreadId());
    }
    ~Probe()
    {
        if (hook) ::UnhookWindowsHookEx(hook);
    }
};

// Built before every object of default priority, the application object among them.
Probe probe __attribute__((init_priority(101)));

} // namespace
