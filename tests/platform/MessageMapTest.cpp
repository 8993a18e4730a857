// Message maps, reflection and the frame's exit routing on real windows.
#include "CButton.h"
#include "CFrameWnd.h"
#include "CWinApp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using testing_support::Pump;

namespace {

std::vector<std::string> g_log;

class BaseWnd : public CWnd {
public:
    void OnTimer(UINT_PTR id) { g_log.push_back("base timer " + std::to_string(id)); }
    void OnKeyDown(UINT key, UINT repeat, UINT)
    {
        g_log.push_back("base key " + std::to_string(key) + "x" + std::to_string(repeat));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_TIMER()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    void OnTimer(UINT_PTR id) { g_log.push_back("derived timer " + std::to_string(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(MessageMap, EntryReachesHandlerAndDerivedEntryWins)
{
    g_log.clear();
    BaseWnd base;
    ASSERT_TRUE(base.CreateEx(0, nullptr, "base", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    DerivedWnd derived;
    ASSERT_TRUE(derived.CreateEx(0, nullptr, "derived", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(derived.m_hWnd), &derived);

    base.SendMessage(WM_TIMER, 7);
    derived.SendMessage(WM_TIMER, 9);
    derived.SendMessage(WM_KEYDOWN, VK_SPACE, 3); // not in the derived map: the base's entry handles it
    std::vector<std::string> expected = { "base timer 7", "derived timer 9", "base key 32x3" };
    EXPECT_EQ(g_log, expected);
}

TEST(MessageMap, UnmappedMessagesGetDefaultProcessing)
{
    BaseWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "title", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    w.SetWindowText("changed");
    CString text;
    w.GetWindowText(text);
    EXPECT_STREQ(text, "changed");
}

class ReflectButton : public CButton {
public:
    BOOL consume = FALSE;
    BOOL OnClicked()
    {
        g_log.push_back("button");
        return consume;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class ParentFrame : public CFrameWnd {
public:
    bool* deleted = nullptr;
    ~ParentFrame() override
    {
        if (deleted) *deleted = true;
    }
    void OnButton() { g_log.push_back("parent"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentFrame, CFrameWnd)
    ON_BN_CLICKED(100, OnButton)
END_MESSAGE_MAP()

TEST(Reflection, ClickReachesButtonThenParentUnlessConsumed)
{
    g_log.clear();
    auto* frame = new ParentFrame;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    ReflectButton button;
    ASSERT_TRUE(button.Create("Go", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 40), frame, 100));
    button.SendMessage(BM_CLICK);
    Pump(20);
    std::vector<std::string> both = { "button", "parent" };
    EXPECT_EQ(g_log, both);

    g_log.clear();
    button.consume = TRUE;
    button.SendMessage(BM_CLICK);
    Pump(20);
    std::vector<std::string> only = { "button" };
    EXPECT_EQ(g_log, only);
    frame->DestroyWindow(); // deletes the frame object
}

class OwnerDrawButton : public CButton {
public:
    int draws = 0;
    UINT lastState = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        ++draws;
        lastState = dis->itemState;
    }
};

TEST(Reflection, OwnerDrawRequestReachesTheButton)
{
    auto* frame = new ParentFrame;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    OwnerDrawButton button;
    ASSERT_TRUE(button.Create("Go", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 80, 40), frame, 101));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 101;
    dis.hwndItem = button.m_hWnd;
    dis.itemState = ODS_SELECTED;
    EXPECT_EQ(frame->SendMessage(WM_DRAWITEM, 101, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_GE(button.draws, 1);
    EXPECT_EQ(button.lastState, static_cast<UINT>(ODS_SELECTED));
    frame->DestroyWindow();
}

TEST(Frame, AppExitClosesTheMainFrameAndEndsTheLoop)
{
    CWinApp app("test");
    bool deleted = false;
    auto* frame = new ParentFrame;
    frame->deleted = &deleted;
    ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    app.m_pMainWnd = frame;
    HWND h = frame->m_hWnd;
    // The command comes from a button with the exit id, as the game's Exit button sends it.
    CButton* exitButton = new CButton;
    ASSERT_TRUE(exitButton->Create("Exit", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 40), frame, ID_APP_EXIT));
    exitButton->PostMessage(BM_CLICK);
    int code = app.Run(); // returns only when the loop ends
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(exitButton->m_hWnd, nullptr); // its window went with the frame
    delete exitButton;
}

} // namespace

namespace {

// A frame whose window refuses to be created.
class RefusingFrame : public CFrameWnd {
public:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RefusingFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Frame, FailedCreationLeavesTheObjectToItsCreator)
{
    // Without a display every window fails like this; the object must survive to be deleted once.
    auto* frame = new RefusingFrame;
    EXPECT_FALSE(frame->Create(nullptr, "refused", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));
    EXPECT_EQ(frame->m_hWnd, nullptr);
    delete frame;
}

} // namespace
