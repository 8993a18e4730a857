#include "iButtonKeys.h"

iButtonKeys::Verdict iButtonKeys::Filter(const MSG& msg, bool focusOnButton)
{
    const UINT m = msg.message;
    const WPARAM key = msg.wParam;
    const bool keyMessage = m == WM_KEYDOWN || m == WM_CHAR;
    if (m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN) {
        m_chosen = false;
    } else if (m == WM_KEYDOWN && (key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN))) {
        m_chosen = true;
    } else if (keyMessage && key == VK_SPACE && !m_chosen) {
        // A space bar still pressed for the last cards closes a box and nothing more.
        return Eat;
    } else if (keyMessage && key == VK_RETURN) {
        if (m_chosen && focusOnButton) return Pass; // the dialog manager presses it
        // A held key presses the default button once.
        return m == WM_KEYDOWN && !(msg.lParam & (1L << 30)) ? PressDefault : Eat;
    }
    return Pass;
}
