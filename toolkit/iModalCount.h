// The modal boxes and dialogs a window has up. A close asked for meanwhile closes the last of
// them first and follows once it has returned, so the code that opened it never runs on in a
// deleted window.
#pragma once
#include <windows.h>

class iModalCount {
public:
    // Marks one modal box or dialog of the window for as long as it lives.
    class Scope {
    public:
        Scope(iModalCount& count, HWND window) : m_count(count), m_window(window) { ++m_count.m_open; }
        ~Scope()
        {
            if (--m_count.m_open == 0 && m_count.m_closePending) {
                m_count.m_closePending = false;
                ::PostMessageA(m_window, WM_CLOSE, 0, 0);
            }
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        iModalCount& m_count;
        HWND m_window;
    };

    bool Any() const { return m_open > 0; }

    // True when the window may close now; else the last popup is asked to close first.
    bool MayClose(HWND window)
    {
        if (m_open == 0) return true;
        m_closePending = true;
        HWND popup = ::GetLastActivePopup(window);
        if (popup && popup != window) ::PostMessageA(popup, WM_CLOSE, 0, 0);
        return false;
    }

private:
    int m_open = 0;
    bool m_closePending = false;
};
