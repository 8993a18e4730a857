// Rounded push buttons: colours by hover and press, click reporting, the focus mark and the keys of
// the main window's loop, and the tool tip's text request.
#include "CWinApp.h"
#include "CoolPushButton.h"
#include "HelpDialog.h"
#include "TestSupport.h"
#include "WindowTestSupport.h"
#include "iFrameWnd.h"
#include "iToolTipCtrl.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <vector>

using toolkit_test::Snapshot;

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kCyan = RGB(0, 255, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const UINT kButtonId = 41;

// A frame that records the commands and notifications that reach it.
class RecordingFrame : public iFrameWnd {
public:
    RecordingFrame() : iFrameWnd(nullptr, CRect(30, 30, 330, 230), WS_POPUP | WS_VISIBLE, "buttons") {}
    void OnButton() { ++commands; }
    void OnTipText(NMHDR*, LRESULT*) { ++tipRequests; }
    void OnClick(CWnd* from)
    {
        clickedBy = from;
        ++clicks;
    }
    int commands = 0;
    int tipRequests = 0;
    int clicks = 0;
    CWnd* clickedBy = nullptr;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, iFrameWnd)
    ON_COMMAND(kButtonId, OnButton)
    ON_NOTIFY(TTN_NEEDTEXTA, 5, OnTipText)
END_MESSAGE_MAP()

// Counts the timer messages the thread takes from its queue for one window while it lives.
struct HoverTicks {
    static HWND window;
    static int count;
    HHOOK hook;
    explicit HoverTicks(HWND w) : hook(::SetWindowsHookExA(WH_GETMESSAGE, &Hook, nullptr, ::GetCurrentThreadId()))
    {
        window = w;
        count = 0;
    }
    ~HoverTicks() { ::UnhookWindowsHookEx(hook); }
    static LRESULT CALLBACK Hook(int code, WPARAM remove, LPARAM lParam)
    {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && remove == PM_REMOVE && msg->message == WM_TIMER && msg->hwnd == window) ++count;
        return ::CallNextHookEx(nullptr, code, remove, lParam);
    }
};
HWND HoverTicks::window = nullptr;
int HoverTicks::count = 0;

struct Buttons : ::testing::Test {
    RecordingFrame* frame = new RecordingFrame;
    HWND frameHwnd = frame->m_hWnd;
    CoolPushButton* button = new CoolPushButton(frame, CRect(20, 20, 100, 50), WS_VISIBLE, "Start", kButtonId);

    void SetUp() override
    {
        ::SetCursorPos(1000, 740); // far from every window
        testing_support::Pump(0);
    }
    void TearDown() override
    {
        if (::IsWindow(frameHwnd)) ::DestroyWindow(frameHwnd);
    }
    // What the button shows on screen now, without repainting it.
    COLORREF Shown() { return Snapshot(button->m_hWnd, false).At(6, 15); }
    // An owner-draw request through the parent onto a white memory canvas.
    void DrawRequest(iCDC& canvas, UINT state)
    {
        canvas.FillSolidRect(0, 0, 80, 30, kWhite);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = kButtonId;
        item.itemAction = ODA_SELECT;
        item.itemState = state;
        item.hwndItem = button->m_hWnd;
        item.hDC = canvas.m_hDC;
        item.rcItem = CRect(0, 0, 80, 30);
        ::SendMessageA(frameHwnd, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item));
    }
};

TEST_F(Buttons, BlueThenRedAtOnceOnHitTestThenBlueWhenTheMouseHasLeft)
{
    EXPECT_TRUE(button->GetStyle() & BS_OWNERDRAW);
    Snapshot normal(button->m_hWnd);
    EXPECT_EQ(normal.At(6, 15), kBlue);
    EXPECT_GT(normal.Count(kCyan), 0); // caption colour on blue

    button->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(70, 65));
    EXPECT_EQ(button->hot, 1);
    EXPECT_EQ(Shown(), kRed);
    EXPECT_GT(Snapshot(button->m_hWnd, false).Count(kYellow), 0);

    // While the cursor stays over it, the ticks change nothing.
    CRect screen;
    ::GetWindowRect(button->m_hWnd, &screen);
    ::SetCursorPos(screen.left + 40, screen.top + 15);
    testing_support::Pump(150);
    EXPECT_EQ(button->hot, 1);
    EXPECT_EQ(Shown(), kRed);

    // The first hover tick after the mouse has left notices it.
    ::SetCursorPos(1000, 740);
    HoverTicks ticks(button->m_hWnd);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return button->hot == 0; }, 1000));
    EXPECT_EQ(HoverTicks::count, 1);
    EXPECT_EQ(Shown(), kBlue);
}

TEST_F(Buttons, PressedIsBlackAndOnePixelSmaller)
{
    button->SendMessage(WM_NCHITTEST, 0, 0);
    iCDC canvas(nullptr, 80, 30);

    DrawRequest(canvas, 0);
    EXPECT_EQ(button->pressed, 0);
    EXPECT_EQ(canvas.GetPixel(6, 15), kRed);
    EXPECT_EQ(canvas.GetPixel(0, 15), kBlack); // outline on the edge
    EXPECT_EQ(canvas.GetPixel(79, 15), kBlack);

    DrawRequest(canvas, ODS_SELECTED);
    EXPECT_EQ(button->pressed, 1);
    EXPECT_EQ(canvas.GetPixel(6, 15), kBlack);
    EXPECT_EQ(canvas.GetPixel(0, 15), kWhite);
    EXPECT_EQ(canvas.GetPixel(1, 15), kBlack);
    EXPECT_EQ(canvas.GetPixel(79, 15), kWhite);
    EXPECT_EQ(canvas.GetPixel(40, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(40, 29), kWhite);
    bool whiteText = false;
    for (int x = 10; x < 70 && !whiteText; ++x)
        for (int y = 5; y < 25 && !whiteText; ++y) whiteText = canvas.GetPixel(x, y) == kWhite;
    EXPECT_TRUE(whiteText);

    // Pressed shows only while hot: away from the button it is plain blue again.
    button->hot = 0;
    DrawRequest(canvas, ODS_SELECTED);
    EXPECT_EQ(canvas.GetPixel(6, 15), kBlue);
}

TEST_F(Buttons, ClickCallsTheCallbackAndReachesTheParent)
{
    button->SendMessage(BM_CLICK);
    EXPECT_EQ(frame->commands, 1);
    EXPECT_EQ(frame->clicks, 0);

    button->SetOnClick(frame, &RecordingFrame::OnClick);
    button->SendMessage(BM_CLICK);
    EXPECT_EQ(frame->clicks, 1);
    EXPECT_EQ(frame->clickedBy, button);
    EXPECT_EQ(frame->commands, 2);

    // A handler without a target does nothing.
    button->SetOnClick(static_cast<RecordingFrame*>(nullptr), &RecordingFrame::OnClick);
    button->SendMessage(BM_CLICK);
    EXPECT_EQ(frame->clicks, 1);
    EXPECT_EQ(frame->commands, 3);
}

TEST_F(Buttons, ButtonsAreOwnedByTheirFrame)
{
    EXPECT_EQ(frame->windows.count(button), 1u);
    iPushButton* plain = new iPushButton(frame, CRect(20, 60, 100, 90), WS_VISIBLE, "OK", IDOK);
    EXPECT_EQ(frame->windows.size(), 2u);
    delete plain;
    EXPECT_EQ(frame->windows.size(), 1u);
}

TEST_F(Buttons, ExitCommandClosesTheFrameWithoutACallback)
{
    auto* exitButton = new CoolPushButton(frame, CRect(20, 100, 100, 130), WS_VISIBLE, "Exit", ID_APP_EXIT);
    ASSERT_NE(exitButton->m_hWnd, nullptr);
    exitButton->SendMessage(BM_CLICK);
    testing_support::Pump(0);
    EXPECT_FALSE(::IsWindow(frameHwnd));
}

// The focus ring at the game's two scales: it shows, and it keeps clear of the caption and of
// the button's edge, so the caption reads the same with and without it.
TEST_F(Buttons, FocusRingLiesBetweenTheEdgeAndTheCaptionAtEachScale)
{
    const CRect sizes[] = { CRect(0, 0, 80, 30), CRect(0, 0, 120, 45) };
    for (const CRect& size : sizes) {
        button->MoveWindow(CRect(20, 20, 20 + size.Width(), 20 + size.Height()));
        button->SetCorner(size.Height() * 2 / 3);
        auto draw = [&](iCDC& canvas, UINT state) {
            canvas.FillSolidRect(0, 0, size.Width(), size.Height(), kWhite);
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_BUTTON;
            item.itemAction = ODA_FOCUS;
            item.itemState = state;
            item.hwndItem = button->m_hWnd;
            item.hDC = canvas.m_hDC;
            item.rcItem = size;
            ::SendMessageA(frameHwnd, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item));
        };
        iCDC plain(nullptr, size.Width(), size.Height()), focused(nullptr, size.Width(), size.Height()),
            hidden(nullptr, size.Width(), size.Height());
        draw(plain, 0);
        // The frame hides the mark until the keyboard is used, whatever the system says.
        ::SendMessageA(frameHwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        draw(focused, ODS_FOCUS);
        EXPECT_EQ(button->focused, 0);
        ::SendMessageA(frameHwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        draw(focused, ODS_FOCUS);
        EXPECT_EQ(button->focused, 1);
        // Where the user hides focus marks until the keyboard is used, the system says so.
        draw(hidden, ODS_FOCUS | ODS_NOFOCUSRECT);
        EXPECT_EQ(button->focused, 0);

        CRect caption(INT_MAX, INT_MAX, INT_MIN, INT_MIN), ring(caption);
        auto grow = [](CRect& r, int x, int y) {
            r.SetRect(std::min<int>(r.left, x), std::min<int>(r.top, y), std::max<int>(r.right, x + 1),
                      std::max<int>(r.bottom, y + 1));
        };
        int changed = 0, hiddenChanged = 0;
        for (int y = 0; y < size.Height(); ++y)
            for (int x = 0; x < size.Width(); ++x) {
                if (plain.GetPixel(x, y) == kCyan) grow(caption, x, y);
                hiddenChanged += hidden.GetPixel(x, y) != plain.GetPixel(x, y);
                if (focused.GetPixel(x, y) == plain.GetPixel(x, y)) continue;
                ++changed;
                EXPECT_EQ(focused.GetPixel(x, y), kCyan) << x << "," << y;
                grow(ring, x, y);
            }
        EXPECT_EQ(hiddenChanged, 0);
        ASSERT_GT(changed, size.Width()); // a ring all round, not a speck
        EXPECT_GE(ring.left, 2) << size.Height();
        EXPECT_LE(ring.right, size.Width() - 2);
        // The ring's inside holds the whole caption, with a pixel to spare.
        for (int y = caption.top; y < caption.bottom; ++y)
            for (int x = caption.left; x < caption.right; ++x)
                EXPECT_EQ(focused.GetPixel(x, y), plain.GetPixel(x, y))
                    << x << "," << y << " at height " << size.Height();
    }
}

// Under a high-contrast theme the button takes the system's colours, the outline included, and
// a switch of the theme shows at once; off, the dark palette changes nothing.
TEST_F(Buttons, HighContrastTakesTheSystemsColoursAtOnce)
{
    toolkit_test::DarkContrast dark(false);
    testing_support::Pump(0);
    EXPECT_EQ(Snapshot(button->m_hWnd).At(6, 15), kBlue);

    toolkit_test::DarkContrast::Switch(frameHwnd, true);
    testing_support::Pump(0);
    Snapshot face(button->m_hWnd, false);
    EXPECT_EQ(face.At(6, 15), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(face.At(0, 15), ::GetSysColor(COLOR_BTNTEXT)); // the outline
    EXPECT_GT(face.Count(::GetSysColor(COLOR_BTNTEXT)), 160); // and the caption
    EXPECT_EQ(face.Count(kBlue) + face.Count(kCyan), 0);

    button->SendMessage(WM_NCHITTEST, 0, 0);
    Snapshot hot(button->m_hWnd, false);
    EXPECT_EQ(hot.At(6, 15), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(hot.Count(::GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
    iCDC canvas(nullptr, 80, 30);
    DrawRequest(canvas, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(canvas.GetPixel(6, 15), ::GetSysColor(COLOR_BTNTEXT));

    toolkit_test::DarkContrast::Switch(frameHwnd, false);
    testing_support::Pump(0);
    button->hot = 0;
    button->Invalidate(FALSE);
    EXPECT_EQ(Snapshot(button->m_hWnd).At(6, 15), kBlue);
}

// The main window's loop: the frame records the keys that reach it itself.
class KeyFrame : public RecordingFrame {
public:
    std::vector<UINT> keys;
    void OnKeyDown(UINT key, UINT, UINT) { keys.push_back(key); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(KeyFrame, RecordingFrame)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

struct MainLoop : ::testing::Test {
    CWinApp app{ "keys" };
    KeyFrame* frame = new KeyFrame;
    HWND frameHwnd = frame->m_hWnd;
    // Two of the game's buttons share an id; Exit has the application's.
    CoolPushButton* start = new CoolPushButton(frame, CRect(20, 20, 100, 50), WS_VISIBLE | WS_TABSTOP, "Start", 0xFFFF);
    CoolPushButton* setup = new CoolPushButton(frame, CRect(20, 60, 100, 90), WS_VISIBLE | WS_TABSTOP, "Setup", 0xFFFF);
    CoolPushButton* quit =
        new CoolPushButton(frame, CRect(20, 100, 100, 130), WS_VISIBLE | WS_TABSTOP, "Exit", ID_APP_EXIT);
    std::vector<CWnd*> clicked;

    struct Clicks {
        MainLoop* test;
        void On(CWnd* from) { test->clicked.push_back(from); }
    } clicks{ this };

    void SetUp() override
    {
        app.m_pMainWnd = frame;
        start->SetOnClick(&clicks, &Clicks::On);
        setup->SetOnClick(&clicks, &Clicks::On);
        ::SetForegroundWindow(frameHwnd);
        ::SetFocus(frameHwnd);
        Loop();
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(frameHwnd)) ::DestroyWindow(frameHwnd);
    }
    // What the application's loop does with what is queued now.
    void Loop()
    {
        MSG msg;
        for (int idle = 0; idle < 3; ++idle) {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                idle = 0;
                if (app.PreTranslateMessage(&msg)) continue;
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    // A key pressed and let go where the focus is.
    void Press(UINT key)
    {
        HWND to = ::GetFocus();
        ::PostMessageA(to, WM_KEYDOWN, key, 1);
        ::PostMessageA(to, WM_KEYUP, key, 0xC0000001);
        Loop();
    }
};

TEST_F(MainLoop, TabAndArrowsMoveAmongTheButtonsAndEnterPressesTheFocusedOne)
{
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), start->m_hWnd);
    // The key showed the focus mark; a click hides it again, Alt shows it.
    EXPECT_EQ(start->focused, 1);
    for (UINT down : { UINT(WM_LBUTTONDOWN), UINT(WM_SYSKEYDOWN) }) {
        HWND to = down == WM_SYSKEYDOWN ? start->m_hWnd : frameHwnd;
        ::PostMessageA(to, down, down == WM_SYSKEYDOWN ? VK_MENU : 0, 1);
        ::PostMessageA(to, down + 1, down == WM_SYSKEYDOWN ? VK_MENU : 0, 0xC0000001);
        Loop();
        EXPECT_EQ(start->focused, down == WM_SYSKEYDOWN ? 1 : 0) << down;
    }
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), setup->m_hWnd);
    Press(VK_DOWN);
    EXPECT_EQ(::GetFocus(), quit->m_hWnd);
    Press(VK_UP);
    EXPECT_EQ(::GetFocus(), setup->m_hWnd);
    EXPECT_TRUE(frame->keys.empty());

    // Setup shares Start's id: Enter reaches Setup's handler alone, and the parent once.
    Press(VK_RETURN);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], setup);
    // So does the space bar, as on any push button.
    Press(VK_SPACE);
    ASSERT_EQ(clicked.size(), 2u);
    EXPECT_EQ(clicked[1], setup);
    EXPECT_TRUE(frame->keys.empty());
    // The focused button shows its ring; the others none.
    EXPECT_EQ(setup->focused, 1);
    EXPECT_EQ(start->focused, 0);
    EXPECT_GT(Snapshot(setup->m_hWnd).Count(kCyan), Snapshot(start->m_hWnd).Count(kCyan));

    ::SetFocus(quit->m_hWnd);
    Press(VK_RETURN);
    EXPECT_FALSE(::IsWindow(frameHwnd)); // Exit's command closes the window
}

TEST_F(MainLoop, TheWindowsOwnKeysReachItWithButtonsShownOrHidden)
{
    // Focus on the window itself, buttons shown: the game's keys are not the dialog manager's.
    for (UINT key : { UINT(VK_SPACE), UINT('P'), UINT(VK_F1) }) Press(key);
    EXPECT_EQ(frame->keys, (std::vector<UINT>{ VK_SPACE, 'P', VK_F1 }));
    EXPECT_TRUE(clicked.empty());

    // A game hides the buttons: every key, Enter and Tab included, reaches the window.
    for (CoolPushButton* b : { start, setup, quit }) b->ShowWindow(SW_HIDE);
    frame->keys.clear();
    for (UINT key : { UINT(VK_SPACE), UINT('P'), UINT(VK_RETURN), UINT(VK_TAB), UINT(VK_ESCAPE) }) Press(key);
    EXPECT_EQ(frame->keys, (std::vector<UINT>{ VK_SPACE, 'P', VK_RETURN, VK_TAB, VK_ESCAPE }));
    EXPECT_EQ(::GetFocus(), frameHwnd);
    EXPECT_TRUE(clicked.empty());
    EXPECT_TRUE(::IsWindow(frameHwnd));
}

// A key in the window's accelerators is its command wherever the focus is, a button included.
TEST_F(MainLoop, AcceleratorsHoldWhileAButtonHasTheFocus)
{
    ACCEL help = { FVIRTKEY, VK_F1, static_cast<WORD>(kButtonId) };
    frame->m_hAccelTable = ::CreateAcceleratorTable(&help, 1);
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), start->m_hWnd);
    Press(VK_F1);
    EXPECT_EQ(frame->commands, 1);
    ::SetFocus(frameHwnd);
    Press(VK_F1);
    EXPECT_EQ(frame->commands, 2);
    EXPECT_TRUE(frame->keys.empty());
    EXPECT_TRUE(clicked.empty());
    ::DestroyAcceleratorTable(frame->m_hAccelTable);
    frame->m_hAccelTable = nullptr;
}

// A dialog opened from a button and closed: the focus is back on that button, as a dialog's own
// controls get theirs back; a button hidden meanwhile leaves it with the window.
TEST_F(MainLoop, ClosingADialogGivesTheFocusBackToTheButtonStillShown)
{
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), setup->m_hWnd);
    for (bool hide : { false, true }) {
        HelpDialog help(frame, "keys");
        if (hide) setup->ShowWindow(SW_HIDE);
        help.PostMessage(WM_COMMAND, IDCANCEL);
        help.DoModal();
        Loop();
        EXPECT_EQ(::GetFocus(), hide ? frameHwnd : setup->m_hWnd) << hide;
    }
}

TEST_F(MainLoop, HidingTheFocusedButtonGivesTheFocusToTheWindow)
{
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), start->m_hWnd);
    start->ShowWindow(SW_HIDE);
    EXPECT_EQ(::GetFocus(), frameHwnd);
    Press(VK_SPACE);
    EXPECT_EQ(frame->keys, std::vector<UINT>{ VK_SPACE });
}

struct TipOwner {
    void OnNeedText(iToolTipCtrl::NeedText* request)
    {
        ++calls;
        code = request->header->code;
        *request->result = 7;
    }
    int calls = 0;
    UINT code = 0;
};

TEST(iToolTipCtrl, ReflectedTextRequestReachesCallbackAndParent)
{
    EXPECT_EQ(iToolTipCtrl::MaxTipWidth(), 640);
    RecordingFrame* frame = new RecordingFrame;
    HWND frameHwnd = frame->m_hWnd;
    iToolTipCtrl tip(frame, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX);
    ASSERT_NE(tip.m_hWnd, nullptr);
    char cls[32] = "";
    ::GetClassNameA(tip.m_hWnd, cls, sizeof cls);
    EXPECT_STREQ(cls, TOOLTIPS_CLASSA);

    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = tip.m_hWnd;
    info.hdr.idFrom = 5;
    info.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(frameHwnd, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(frame->tipRequests, 1); // nothing set: only the parent sees it

    TipOwner owner;
    tip.SetOnNeedText(&owner, &TipOwner::OnNeedText);
    ::SendMessageA(frameHwnd, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(owner.code, static_cast<UINT>(TTN_NEEDTEXTA));
    EXPECT_EQ(frame->tipRequests, 2);
    tip.DestroyWindow();
    ::DestroyWindow(frameHwnd);
}

} // namespace
