// The keys among a frame's buttons, as a dialog has them: Tab and the arrows choose a button,
// Enter presses the one the keyboard chose or else the default button, and the space bar
// presses only a button the keyboard chose. A click forgets the choice.
#pragma once
#include <windows.h>

class CWnd;

class iButtonKeys {
public:
    enum Verdict {
        Pass, // the message goes on as usual
        Eat, // the message is dropped
        PressDefault, // the message is dropped, and the default button is to be pressed
    };

    // Takes one message of the frame's loop; buttons are the frame's, count of them.
    template <class Button> Verdict Filter(const MSG& msg, Button* const* buttons, int count)
    {
        HWND focus = ::GetFocus();
        bool onButton = false;
        for (int i = 0; i < count; ++i)
            onButton = onButton || (buttons[i] && buttons[i]->m_hWnd == focus && ::IsWindowVisible(focus));
        return Filter(msg, onButton);
    }
    Verdict Filter(const MSG& msg, bool focusOnButton);

    bool Chosen() const { return m_chosen; }
    // As after the last game: no button chosen by the keyboard.
    void Forget() { m_chosen = false; }

private:
    bool m_chosen = false;
};
