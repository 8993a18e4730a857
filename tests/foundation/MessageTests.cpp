#include "Message.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// Answers the next message box of this thread with OK and records what it showed.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        s_self = this;
        m_hook = ::SetWindowsHookExA(WH_CBT, &BoxAnswerer::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~BoxAnswerer()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    int boxes = 0;
    std::string caption;
    std::string text;
    bool hasIcon = false;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && s_self) {
            HWND box = reinterpret_cast<HWND>(wParam);
            static char buffer[8192];
            // Activation also reaches the hook with no window when the box goes away.
            buffer[0] = '\0';
            if (!box || !::GetClassNameA(box, buffer, sizeof buffer) || std::string(buffer) != "#32770")
                return ::CallNextHookEx(nullptr, code, wParam, lParam);
            ::GetWindowTextA(box, buffer, sizeof buffer);
            s_self->caption = buffer;
            buffer[0] = '\0';
            ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
            s_self->text = buffer;
            // The icon is a static control with the icon style beside the text.
            s_self->hasIcon = false;
            for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                if ((::GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                    ::SendMessageA(child, STM_GETICON, 0, 0) != 0)
                    s_self->hasIcon = true;
            ++s_self->boxes;
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook = nullptr;
    static BoxAnswerer* s_self;
};
BoxAnswerer* BoxAnswerer::s_self = nullptr;
} // namespace

TEST(Message, ShowsTheFormattedTextAndTitle)
{
    BoxAnswerer answer;
    EXPECT_EQ(IDOK, Message(nullptr, "Votaroo!", MB_OK, "Game over! %d votes, %s", 1234, "well done"));
    EXPECT_EQ(1, answer.boxes);
    EXPECT_EQ("Votaroo!", answer.caption);
    EXPECT_EQ("Game over! 1234 votes, well done", answer.text);
    EXPECT_FALSE(answer.hasIcon);
}

TEST(Message, WarningAddsTheExclamationIcon)
{
    BoxAnswerer answer;
    EXPECT_EQ(IDOK, Warning(nullptr, ".INI File", MB_OK, "%s", "plain"));
    EXPECT_EQ(".INI File", answer.caption);
    EXPECT_EQ("plain", answer.text);
    EXPECT_TRUE(answer.hasIcon);
}

TEST(Message, NullFormatShowsAnEmptyText)
{
    BoxAnswerer answer;
    EXPECT_EQ(IDOK, Message(nullptr, "Empty", MB_OK, nullptr));
    EXPECT_EQ(1, answer.boxes);
    EXPECT_EQ("", answer.text);
}

TEST(Message, LongTextIsCutTo2047Characters)
{
    std::string longText(3000, 'v');
    longText[2046] = 'L';
    BoxAnswerer answer;
    EXPECT_EQ(IDOK, Message(nullptr, "Long", MB_OK, "%s", longText.c_str()));
    EXPECT_EQ(longText.substr(0, 2047), answer.text);
}
