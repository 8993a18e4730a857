// Links on a real window: clicks, colours, tool tip text and sizing to the text.
#include "CFrameWnd.h"
#include "TestSupport.h"
#include "WindowTestSupport.h"
#include "XStaticHyperLink.h"
#include <gtest/gtest.h>
#include <oleacc.h>
#include <string>
#include <vector>

using testing_support::ModalAnswerer;

namespace {

std::vector<std::string> g_files;
UINT_PTR g_result = 42;

HINSTANCE WINAPI FakeShell(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    g_files.push_back(file ? file : "");
    return reinterpret_cast<HINSTANCE>(g_result);
}

class HyperLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_files.clear();
        g_result = 42;
        LinkShellExecute = &FakeShell;
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "links", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 200)));
    }
    void TearDown() override
    {
        delete link;
        frame->DestroyWindow();
        LinkShellExecute = &::ShellExecuteA;
    }
    void Click()
    {
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(77, STN_CLICKED), reinterpret_cast<LPARAM>(link->m_hWnd));
    }
    COLORREF TextColour()
    {
        HDC mem = CreateCompatibleDC(nullptr);
        CDC dc;
        dc.Attach(mem);
        link->CtlColor(&dc, CTLCOLOR_STATIC);
        COLORREF c = ::GetTextColor(mem);
        return c;
    }
    CFrameWnd* frame = nullptr;
    XStaticHyperLink* link = nullptr;
};

TEST_F(HyperLink, SuccessfulClickTurnsTheLinkPurple)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("Votaroo! on the web", WS_VISIBLE, CRect(10, 10, 300, 30), frame, 77));
    link->SetAction(XHyperLinkAction::Open, "http://votaroo.example/");
    EXPECT_STREQ(link->tipText, "http://votaroo.example/");
    EXPECT_EQ(TextColour(), RGB(0, 0, 255));
    Click();
    EXPECT_EQ(link->visited, 1);
    EXPECT_EQ(link->action.lastError, -1);
    EXPECT_EQ(TextColour(), RGB(128, 0, 128));
    EXPECT_TRUE(link->GetStyle() & SS_NOTIFY); // clicks are reported from the first colour request on
}

TEST_F(HyperLink, FailedClickStaysUnvisitedAndReports)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("readme.txt", WS_VISIBLE, CRect(10, 10, 300, 30), frame, 77));
    g_result = 2;
    ModalAnswerer answer(IDOK);
    Click();
    EXPECT_EQ(link->visited, 0);
    EXPECT_EQ(link->action.lastError, 2);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "The specified file was not found.");
}

TEST_F(HyperLink, EmptyFileUsesTheTextForOneClick)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("help@votaroo.example", WS_VISIBLE, CRect(10, 10, 300, 30), frame, 77));
    link->SetAction(XHyperLinkAction::EMail, "");
    EXPECT_STREQ(link->tipText, "help@votaroo.example");
    Click();
    ASSERT_EQ(g_files.size(), 1u);
    EXPECT_EQ(g_files[0], "mailto:help@votaroo.example");
    EXPECT_STREQ(link->action.file, "");
}

// Enter and the space bar follow the link as a click does, failures in the same box; a held key
// follows it once, and the dialog manager leaves those two keys to the link.
TEST_F(HyperLink, EnterAndSpaceFollowOnceWithTheClicksErrors)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("readme.txt", WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 300, 30), frame, 77));
    link->SetAction(XHyperLinkAction::Open, "http://votaroo.example/");
    for (UINT key : { UINT(VK_RETURN), UINT(VK_SPACE) }) {
        MSG msg = { link->m_hWnd, WM_KEYDOWN, key, 1, 0, { 0, 0 } };
        EXPECT_TRUE(link->SendMessage(WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTMESSAGE);
    }
    MSG tab = { link->m_hWnd, WM_KEYDOWN, VK_TAB, 1, 0, { 0, 0 } };
    EXPECT_FALSE(link->SendMessage(WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTMESSAGE);

    link->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    link->SendMessage(WM_KEYDOWN, VK_RETURN, 0x40000001); // auto-repeat
    link->SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    ASSERT_EQ(g_files.size(), 2u);
    EXPECT_EQ(g_files[1], "http://votaroo.example/");

    g_result = 2;
    ModalAnswerer answer(IDOK);
    link->SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "The specified file was not found.");
}

// Under high contrast a link is drawn in the system's link colour on the dialog's face,
// followed or not; off, its own colours come back.
TEST_F(HyperLink, HighContrastDrawsTheSystemsLinkColour)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("Votaroo! on the web", WS_VISIBLE, CRect(10, 10, 300, 30), frame, 77));
    {
        toolkit_test::DarkContrast dark;
        EXPECT_EQ(TextColour(), ::GetSysColor(COLOR_HOTLIGHT));
        Click();
        EXPECT_EQ(TextColour(), ::GetSysColor(COLOR_HOTLIGHT));
        testing_support::Pump(0);
        toolkit_test::Snapshot shot(link->m_hWnd);
        EXPECT_EQ(shot.At(0, 0), ::GetSysColor(COLOR_BTNFACE));
        EXPECT_GT(shot.Count(::GetSysColor(COLOR_HOTLIGHT)), 20);
        // Its address, shown while focused, in the system's tip colours of the moment.
        link->SetFocus();
        ASSERT_NE(link->focusTip.m_hWnd, nullptr);
        EXPECT_EQ(static_cast<COLORREF>(link->focusTip.SendMessage(TTM_GETTIPBKCOLOR)), ::GetSysColor(COLOR_INFOBK));
        EXPECT_EQ(static_cast<COLORREF>(link->focusTip.SendMessage(TTM_GETTIPTEXTCOLOR)),
                  ::GetSysColor(COLOR_INFOTEXT));
        testing_support::Pump(50);
        toolkit_test::Snapshot tipShot(link->focusTip.m_hWnd);
        EXPECT_EQ(tipShot.At(tipShot.client.Width() / 2, 2), ::GetSysColor(COLOR_INFOBK));
        frame->SetFocus();
    }
    EXPECT_EQ(TextColour(), RGB(128, 0, 128));
}

// A screen reader reads the link's text as its name and hears that it is a link, and whether it
// has been followed (which sighted players see by its colour).
TEST_F(HyperLink, ScreenReaderHearsItsTextAsALink)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("Written by Alex Coder", WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 300, 30), frame, 77));
    auto read = [&](long* role, long* state) {
        IAccessible* acc = nullptr;
        std::wstring name;
        if (FAILED(::AccessibleObjectFromWindow(link->m_hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&acc))) ||
            !acc)
            return name;
        VARIANT self;
        ::VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (SUCCEEDED(acc->get_accName(self, &text)) && text) name = text;
        ::SysFreeString(text);
        VARIANT v;
        ::VariantInit(&v);
        if (SUCCEEDED(acc->get_accRole(self, &v)) && v.vt == VT_I4) *role = v.lVal;
        ::VariantInit(&v);
        if (SUCCEEDED(acc->get_accState(self, &v)) && v.vt == VT_I4) *state = v.lVal;
        acc->Release();
        return name;
    };
    // The program has COM from its start; a test program makes it itself.
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    long role = 0, state = 0;
    EXPECT_EQ(read(&role, &state), L"Written by Alex Coder");
    EXPECT_EQ(role, ROLE_SYSTEM_LINK);
    EXPECT_TRUE(state & STATE_SYSTEM_LINKED);
    EXPECT_FALSE(state & STATE_SYSTEM_TRAVERSED);
    Click();
    ASSERT_EQ(link->visited, 1);
    read(&role, &state);
    EXPECT_TRUE(state & STATE_SYSTEM_TRAVERSED);
    ::OleUninitialize();
}

TEST_F(HyperLink, FitsItsTextAnchoredByAlignment)
{
    link = new XStaticHyperLink;
    ASSERT_TRUE(link->Create("short", WS_VISIBLE | SS_RIGHT, CRect(10, 10, 300, 60), frame, 77));
    CRect r;
    link->GetWindowRect(&r);
    frame->ScreenToClient(&r);
    EXPECT_EQ(r.right, 300); // right edge kept
    EXPECT_LT(r.Width(), 290); // shrunk to the text
    EXPECT_LT(r.Height(), 50);
    EXPECT_EQ(r.top, 10);
}

} // namespace

#include "iStaticHyperLink.h"

namespace {

TEST(iStaticHyperLinkFit, RealSizeImageKeepsTheRectangleGiven)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "links", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 200)));
    auto* fitted = new iStaticHyperLink(frame, CRect(10, 10, 300, 60), WS_VISIBLE, "short");
    auto* kept = new iStaticHyperLink(frame, CRect(10, 70, 300, 120), WS_VISIBLE | SS_REALSIZEIMAGE, "short");
    CRect a, b;
    fitted->GetWindowRect(&a);
    kept->GetWindowRect(&b);
    EXPECT_LT(a.Width(), 290);
    EXPECT_EQ(b.Width(), 290);
    EXPECT_EQ(b.Height(), 50);
    EXPECT_EQ(fitted->fitToText, 1);
    EXPECT_EQ(kept->fitToText, 0);
    delete fitted;
    delete kept;
    frame->DestroyWindow();
}

} // namespace
