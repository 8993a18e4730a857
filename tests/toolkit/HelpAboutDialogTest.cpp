// The Help and About dialogs: captions, version lines, closing, and a failing link.
#include "AboutDialog.h"
#include "CFrameWnd.h"
#include "HelpDialog.h"
#include "TestSupport.h"
#include "iButton.h"
#include "iStatic.h"
#include "iStaticHyperLink.h"
#include <gtest/gtest.h>

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

TEST(HelpAbout, FailingLinkReportsAndTheDialogStaysOpen)
{
    Owner owner;
    LinkShellExecute = &FailingShell;
    AboutDialog about(owner.frame, "Votaroo!", 1, 0, 0);
    ModalAnswerer answer(IDOK);
    about.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, STN_CLICKED), reinterpret_cast<LPARAM>(about.links[0]->m_hWnd));
    LinkShellExecute = &::ShellExecuteA;
    // The dialog itself is activated again when the box closes: only the box has a text.
    ASSERT_GE(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "There is no application associated\nwith the given filename extension.");
    EXPECT_TRUE(IsWindow(about.m_hWnd));
    EXPECT_EQ(about.links[0]->visited, 0);
    about.ok->PostMessage(BM_CLICK);
    EXPECT_EQ(about.DoModal(), IDOK);
}

} // namespace
