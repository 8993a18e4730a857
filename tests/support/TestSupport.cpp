#include "TestSupport.h"

namespace testing_support {

void Pump(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    } while (true);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Pump(10);
    }
    return true;
}

namespace {
ModalAnswerer* g_answerer = nullptr;
}

ModalAnswerer::ModalAnswerer(int command)
    : ModalAnswerer([command](HWND h) { PostMessageA(h, WM_COMMAND, static_cast<WPARAM>(command), 0); })
{
}

ModalAnswerer::ModalAnswerer(std::function<void(HWND)> action) : m_action(std::move(action))
{
    g_answerer = this;
    m_hook = SetWindowsHookExA(WH_CBT, &ModalAnswerer::Hook, nullptr, GetCurrentThreadId());
}

ModalAnswerer::~ModalAnswerer()
{
    UnhookWindowsHookEx(m_hook);
    if (g_answerer == this) g_answerer = nullptr;
}

LRESULT CALLBACK ModalAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    ModalAnswerer* self = g_answerer;
    if (self && code == HCBT_ACTIVATE) {
        HWND h = reinterpret_cast<HWND>(wParam);
        char cls[32] = "";
        GetClassNameA(h, cls, sizeof cls);
        bool known = false;
        for (const Seen& s : self->m_seen) known = known || s.hwnd == h;
        if (!known && lstrcmpA(cls, "#32770") == 0) {
            Seen s{ h, {}, {} };
            char buf[4096] = "";
            GetWindowTextA(h, buf, sizeof buf);
            s.caption = buf;
            buf[0] = 0;
            GetDlgItemTextA(h, 0xFFFF, buf, sizeof buf);
            s.text = buf;
            self->m_seen.push_back(s);
            self->m_action(h);
        }
    }
    return CallNextHookEx(self ? self->m_hook : nullptr, code, wParam, lParam);
}

} // namespace testing_support
