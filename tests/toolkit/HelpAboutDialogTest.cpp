// The Help and About dialogs: captions, version lines, closing, a failing link, and the keyboard.
#include "AboutDialog.h"
#include "CFrameWnd.h"
#include "CWinApp.h"
#include "HelpDialog.h"
#include "TestSupport.h"
#include "iButton.h"
#include "iStatic.h"
#include "iStaticHyperLink.h"
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

using testing_support::ModalAnswerer;
using testing_support::Pump;

namespace {

HINSTANCE WINAPI FailingShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) { return reinterpret_cast<HINSTANCE>(31); }

struct Owner {
    CFrameWnd* frame = new CFrameWnd;
    Owner() { frame->Create(nullptr, "Votaroo!", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)); }
    ~Owner() { frame->DestroyWindow(); }
};

CString TextOf(CWnd* w)
{
    CString s;
    w->GetWindowText(s);
    return s;
}

TEST(HelpAbout, CaptionsAndVersionLines)
{
    Owner owner;
    {
        AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
        EXPECT_STREQ(TextOf(&about), "About Votaroo!");
        EXPECT_STREQ(TextOf(about.version), "Votaroo! Version 1.000.000");
    }
    {
        AboutDialog about(owner.frame, "Votaroo!", 2, 5, 17);
        EXPECT_STREQ(TextOf(about.version), "Votaroo! Version 2.005.017");
        EXPECT_STREQ(about.links[1]->action.file, "alex.coder@bushfire-software.example");
        EXPECT_EQ(about.links[1]->action.type, XHyperLinkAction::EMail);
    }
    HelpDialog help(owner.frame, "Votaroo!");
    EXPECT_STREQ(TextOf(&help), "Help Votaroo!");
    CString rules = TextOf(help.text);
    EXPECT_NE(rules.Find("6 \xF7 2 = 3"), -1); // the division sign the dialog font can show
    EXPECT_EQ(help.ok->GetDlgCtrlID(), IDOK);
}

// Both keep the system font, and every text has the room it needs in it.
TEST(HelpAbout, NoTextIsCut)
{
    Owner owner;
    HelpDialog help(owner.frame, "Votaroo!");
    EXPECT_EQ(help.SendMessage(WM_GETFONT), 0);
    auto cut = testing_support::CutTexts(help.m_hWnd);
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
    EXPECT_EQ(about.SendMessage(WM_GETFONT), 0);
    cut = testing_support::CutTexts(about.m_hWnd);
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

TEST(HelpAbout, OkAndSystemCloseGiveTheGameWindowBack)
{
    Owner owner;
    {
        HelpDialog help(owner.frame, "Votaroo!");
        EXPECT_FALSE(IsWindowEnabled(owner.frame->m_hWnd));
        help.ok->PostMessage(BM_CLICK);
        EXPECT_EQ(help.DoModal(), IDOK);
        EXPECT_TRUE(IsWindowEnabled(owner.frame->m_hWnd));
    }
    {
        AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
        about.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
        EXPECT_EQ(about.DoModal(), IDCANCEL);
        EXPECT_TRUE(IsWindowEnabled(owner.frame->m_hWnd));
    }
}

// What the link's error box found while it showed, looked at once its own loop ran.
struct BoxState {
    HWND box = nullptr, owner = nullptr, dialog = nullptr;
    bool dialogEnabled = true;
    HICON icon = nullptr;
    bool looked = false;
} g_box;

void CALLBACK LookAtTheBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_box.owner = GetWindow(g_box.box, GW_OWNER);
    g_box.dialogEnabled = IsWindowEnabled(g_box.dialog) != FALSE;
    for (HWND c = GetWindow(g_box.box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            g_box.icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
    g_box.looked = true;
    PostMessageA(g_box.box, WM_COMMAND, IDOK, 0);
}

TEST(HelpAbout, FailingLinkReportsAndTheDialogStaysOpen)
{
    Owner owner;
    CWinApp app("Votaroo!");
    app.m_pMainWnd = owner.frame;
    LinkShellExecute = &FailingShell;
    AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
    g_box = BoxState{};
    g_box.dialog = about.m_hWnd;
    ModalAnswerer answer([](HWND h) {
        if (!GetDlgItem(h, 0xFFFF) || g_box.box) return;
        g_box.box = h;
        SetTimer(nullptr, 0, 50, &LookAtTheBox);
    });
    about.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, STN_CLICKED), reinterpret_cast<LPARAM>(about.links[0]->m_hWnd));
    LinkShellExecute = &::ShellExecuteA;
    app.m_pMainWnd = nullptr;
    // The dialog itself is activated again when the box closes: only the box has a text.
    ASSERT_GE(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(answer.seen()[0].caption, "Votaroo!");
    // The box belongs to the dialog, which cannot be clicked or brought over it meanwhile.
    ASSERT_TRUE(g_box.looked);
    EXPECT_EQ(g_box.owner, about.m_hWnd);
    EXPECT_FALSE(g_box.dialogEnabled);
    EXPECT_EQ(g_box.icon, LoadIcon(nullptr, IDI_ERROR));
    EXPECT_TRUE(IsWindowEnabled(about.m_hWnd));
    EXPECT_TRUE(IsWindow(about.m_hWnd));
    EXPECT_EQ(about.links[0]->visited, 0);
    about.ok->PostMessage(BM_CLICK);
    EXPECT_EQ(about.DoModal(), IDOK);
}

} // namespace

namespace {

std::vector<std::string> g_shellFiles;
HINSTANCE WINAPI RecordingShell(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    g_shellFiles.push_back(file ? file : "");
    return reinterpret_cast<HINSTANCE>(42);
}

// Steps taken one by one from a timer while a dialog's loop runs, as a person at the keyboard.
struct KeyScript {
    static std::vector<std::function<void()>> steps;
    static size_t next;
    explicit KeyScript(std::vector<std::function<void()>> s)
    {
        steps = std::move(s);
        next = 0;
        timer = ::SetTimer(nullptr, 0, 60, &Tick);
    }
    ~KeyScript() { ::KillTimer(nullptr, timer); }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (next < steps.size()) steps[next++]();
    }
    // A key pressed and let go where the focus is.
    static void Key(UINT key)
    {
        HWND to = ::GetFocus();
        ::PostMessageA(to, WM_KEYDOWN, key, 1);
        ::PostMessageA(to, WM_KEYUP, key, 0xC0000001);
    }
    UINT_PTR timer;
};
std::vector<std::function<void()>> KeyScript::steps;
size_t KeyScript::next = 0;

// Pixels of the colour along the window's top row, where the text never reaches.
int TopRow(HWND hwnd, COLORREF colour)
{
    toolkit_test::Snapshot shot(hwnd, false);
    int n = 0;
    for (int x = 0; x < shot.client.Width(); ++x) n += shot.At(x, 0) == colour;
    return n;
}

TEST(HelpAbout, HelpOpensWithOkFocusedAndEnterOrSpaceCloseIt)
{
    Owner owner;
    for (UINT key : { UINT(VK_RETURN), UINT(VK_SPACE) }) {
        HelpDialog help(owner.frame, "Votaroo!");
        HWND focus = nullptr;
        const HWND ok = help.ok->m_hWnd;
        EXPECT_TRUE(help.ok->GetStyle() & WS_TABSTOP);
        KeyScript script({ [&] {
            focus = ::GetFocus();
            KeyScript::Key(key);
        } });
        EXPECT_EQ(help.DoModal(), IDOK);
        EXPECT_EQ(focus, ok);
    }
}

TEST(HelpAbout, AboutByKeyboardAloneFollowsTheLinksAndEscCloses)
{
    Owner owner;
    g_shellFiles.clear();
    LinkShellExecute = &RecordingShell;
    AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
    HWND atOpen = nullptr, afterTab = nullptr, afterSecondTab = nullptr;
    bool tipShown = false, tipGone = false;
    int markFocused = 0, markOther = -1;
    std::string tip;
    const HWND ok = about.ok->m_hWnd, first = about.links[0]->m_hWnd, second = about.links[1]->m_hWnd;
    KeyScript script({
        [&] {
            atOpen = ::GetFocus();
            KeyScript::Key(VK_TAB);
        },
        [&] {
            afterTab = ::GetFocus();
            XStaticHyperLink* link = about.links[0];
            tipShown = link->focusTip.m_hWnd && ::IsWindowVisible(link->focusTip.m_hWnd);
            if (link->focusTip.m_hWnd) {
                char text[256] = "";
                TTTOOLINFOA ti{};
                ti.cbSize = TTTOOLINFOA_V2_SIZE;
                ti.hwnd = link->m_hWnd;
                ti.uId = 2;
                ti.lpszText = text;
                link->focusTip.SendMessage(TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
                tip = text;
            }
            markFocused = TopRow(link->m_hWnd, link->unvisitedColor);
            markOther = TopRow(about.links[1]->m_hWnd, about.links[1]->unvisitedColor);
            KeyScript::Key(VK_RETURN);
        },
        [&] { KeyScript::Key(VK_TAB); },
        [&] {
            afterSecondTab = ::GetFocus();
            tipGone = !::IsWindowVisible(about.links[0]->focusTip.m_hWnd);
            KeyScript::Key(VK_SPACE);
        },
        [&] { KeyScript::Key(VK_ESCAPE); },
    });
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    LinkShellExecute = &::ShellExecuteA;

    EXPECT_EQ(atOpen, ok);
    EXPECT_EQ(afterTab, first);
    EXPECT_EQ(afterSecondTab, second);
    EXPECT_TRUE(tipShown);
    EXPECT_EQ(tip, std::string(about.links[0]->action.file));
    EXPECT_TRUE(tipGone);
    EXPECT_GT(markFocused, 2);
    EXPECT_EQ(markOther, 0);
    // Each key ran its link's own action once, as a click does.
    ASSERT_EQ(g_shellFiles.size(), 2u);
    EXPECT_EQ(g_shellFiles[0], std::string(about.links[0]->action.file));
    EXPECT_EQ(g_shellFiles[1], "mailto:" + std::string(about.links[1]->action.file));
    EXPECT_EQ(about.links[0]->visited, 1);
}

} // namespace
