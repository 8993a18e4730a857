#include "TestSupport.h"
#include <gtest/gtest.h>

namespace testing_support {

namespace {
// Every test program starts with the pointer away from the windows its tests make, wherever
// the program before it left the pointer: hover and pixels never depend on the run order.
struct PointerAway : ::testing::Environment {
    void SetUp() override { ::SetCursorPos(1000, 740); }
};
::testing::Environment* const g_pointerAway = ::testing::AddGlobalTestEnvironment(new PointerAway);
} // namespace

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

// Where a control draws its text, and how: 0 width when it draws none.
struct TextRoom {
    int width = 0, height = 0;
    UINT format = DT_EXPANDTABS;
};

TextRoom RoomOf(HWND control, const std::string& cls, LONG style)
{
    RECT client{};
    GetClientRect(control, &client);
    TextRoom room;
    room.width = client.right;
    room.height = client.bottom;
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT)
            room.format |= DT_WORDBREAK;
        else if (type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE)
            room.width = 0;
        if (style & SS_NOPREFIX) room.format |= DT_NOPREFIX;
    } else if (lstrcmpiA(cls.c_str(), "Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (style & BS_MULTILINE) room.format |= DT_WORDBREAK;
        if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
            type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
            // The box and the gap before the text.
            room.width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX) {
            room.width -= 4 * GetSystemMetrics(SM_CXEDGE);
            room.height -= 2 * GetSystemMetrics(SM_CYEDGE);
        } else {
            room.width = 0;
        }
    } else if (lstrcmpiA(cls.c_str(), "ComboBox") == 0) {
        // The closed list shows its choice beside the arrow button.
        room.width -= GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE);
        room.height = static_cast<int>(SendMessageA(control, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
        room.format |= DT_NOPREFIX | DT_SINGLELINE;
    } else {
        room.width = 0;
    }
    return room;
}

std::vector<std::string> TextsOf(HWND control, const std::string& cls)
{
    std::vector<std::string> texts;
    char buf[8192] = "";
    if (lstrcmpiA(cls.c_str(), "ComboBox") == 0) {
        const LRESULT n = SendMessageA(control, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            if (SendMessageA(control, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof buf)) continue;
            SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
            texts.push_back(buf);
        }
    } else {
        GetWindowTextA(control, buf, sizeof buf);
        if (buf[0]) texts.push_back(buf);
    }
    return texts;
}
} // namespace

std::vector<std::string> CutTexts(HWND parent)
{
    std::vector<std::string> cut;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        if (!(style & WS_VISIBLE)) continue;
        char cls[64] = "";
        GetClassNameA(c, cls, sizeof cls);
        const TextRoom room = RoomOf(c, cls, style);
        if (room.width == 0) continue;
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0));
        HDC dc = GetDC(c);
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        for (const std::string& text : TextsOf(c, cls)) {
            RECT need = { 0, 0, room.width, 0 };
            DrawTextA(dc, text.c_str(), -1, &need, room.format | DT_CALCRECT);
            if (need.right > room.width || need.bottom > room.height)
                cut.push_back(std::string(cls) + " \"" + text.substr(0, 40) + "\" needs " + std::to_string(need.right) +
                              "x" + std::to_string(need.bottom) + ", has " + std::to_string(room.width) + "x" +
                              std::to_string(room.height));
        }
        SelectObject(dc, old);
        ReleaseDC(c, dc);
    }
    return cut;
}

ModalAnswerer::ModalAnswerer(int command)
    : ModalAnswerer([command](HWND h) { PostMessageA(h, WM_COMMAND, static_cast<WPARAM>(command), 0); })
{}

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

std::string ReadFileBytes(const char* path)
{
    std::string bytes;
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

} // namespace testing_support
