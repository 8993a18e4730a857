// Link actions: what reaches the shell, what is put back, and what the player is told.
#include "CWnd.h"
#include "TestSupport.h"
#include "XHyperLinkAction.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using testing_support::ModalAnswerer;

namespace {

struct ShellCall {
    std::string verb, file;
};
std::vector<ShellCall> g_calls;
UINT_PTR g_shellResult = 42;

HINSTANCE WINAPI FakeShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    g_calls.push_back({ verb ? verb : "", file ? file : "" });
    return reinterpret_cast<HINSTANCE>(g_shellResult);
}

class LinkAction : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_shellResult = 42;
        LinkShellExecute = &FakeShell;
    }
    void TearDown() override { LinkShellExecute = &::ShellExecuteA; }
};

TEST_F(LinkAction, EmailGoesToTheShellAsMailtoAndTheFileIsPutBack)
{
    XHyperLinkAction a;
    a.type = XHyperLinkAction::EMail;
    a.file = "kids@votaroo.example";
    EXPECT_TRUE(a.Execute());
    EXPECT_TRUE(a.Execute());
    ASSERT_EQ(g_calls.size(), 2u);
    for (const ShellCall& c : g_calls) {
        EXPECT_EQ(c.verb, "open");
        EXPECT_EQ(c.file, "mailto:kids@votaroo.example");
    }
    EXPECT_STREQ(a.file, "kids@votaroo.example");
    EXPECT_EQ(a.lastError, -1);
    EXPECT_EQ(a.lastResult, 42u);
}

TEST_F(LinkAction, ShellResultsOf32OrLessAreFailuresWithTheirText)
{
    XHyperLinkAction a;
    a.file = "missing.txt";
    g_shellResult = 2;
    ModalAnswerer answer(IDOK);
    EXPECT_FALSE(a.Execute());
    EXPECT_EQ(a.lastError, 2);
    EXPECT_EQ(a.lastResult, 0u);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "The specified file was not found.");

    // Every code of the table has its own text; others are unknown.
    EXPECT_STREQ(XHyperLinkAction::ErrorText(32, 2), "The specified dynamic-link library was not found.");
    EXPECT_STREQ(XHyperLinkAction::ErrorText(31, 2),
                 "There is no application associated\nwith the given filename extension.");
    EXPECT_STREQ(XHyperLinkAction::ErrorText(0, 2), "The operating system is out\nof memory or resources.");
    EXPECT_STREQ(XHyperLinkAction::ErrorText(7, 2), "Unknown error!");
    g_shellResult = 32;
    EXPECT_FALSE(a.Execute(false)); // not reported when asked not to
    EXPECT_EQ(a.lastError, 32);
    EXPECT_EQ(answer.seen().size(), 1u);
    g_shellResult = 33;
    EXPECT_TRUE(a.Execute(false));
}

TEST_F(LinkAction, EveryShellFailureOfEveryKindIsToldAndLeavesTheFileAlone)
{
    ModalAnswerer answer(IDOK);
    size_t boxes = 0;
    for (int type :
         { XHyperLinkAction::Open, XHyperLinkAction::Print, XHyperLinkAction::Explore, XHyperLinkAction::EMail }) {
        for (UINT_PTR code = 0; code <= 32; ++code) {
            XHyperLinkAction a;
            a.type = type;
            a.file = "lesson.txt";
            g_shellResult = code;
            EXPECT_FALSE(a.Execute()) << type << " " << code;
            EXPECT_EQ(a.lastError, static_cast<int>(code));
            EXPECT_STREQ(a.file, "lesson.txt");
            ASSERT_EQ(answer.seen().size(), ++boxes) << type << " " << code;
            EXPECT_EQ(answer.seen().back().text,
                      std::string(XHyperLinkAction::ErrorText(static_cast<int>(code), type)));
        }
    }
}

TEST_F(LinkAction, UnknownTypeAndRefusedMessage)
{
    ModalAnswerer answer(IDOK);
    XHyperLinkAction unknown;
    unknown.type = 7;
    EXPECT_FALSE(unknown.Execute());
    EXPECT_EQ(unknown.lastError, -2);
    EXPECT_TRUE(g_calls.empty());

    // A receiver that answers 0 refuses the action.
    CWnd receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, "receiver", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    XHyperLinkAction user;
    user.type = XHyperLinkAction::UserDefined;
    user.message = WM_APP + 5; // unhandled: the default procedure answers 0
    user.messageTarget = receiver.m_hWnd;
    EXPECT_FALSE(user.Execute());
    EXPECT_EQ(user.lastError, -3);
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_EQ(answer.seen()[0].text, "Failed to execute unknown action!");
    EXPECT_EQ(answer.seen()[1].text, "User defined action failed!");

    XHyperLinkAction none;
    none.type = XHyperLinkAction::None;
    EXPECT_TRUE(none.Execute());
    EXPECT_TRUE(g_calls.empty());
}

} // namespace
