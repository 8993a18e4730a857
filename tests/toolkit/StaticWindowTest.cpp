// Frame and static windows: placement by parent kind, ownership of controls, and the painted text.
#include "DialogTemplate.h"
#include "CDialog.h"
#include "TestSupport.h"
#include "WindowTestSupport.h"
#include "iDialog.h"
#include "iDialogUnitsParent.h"
#include "iFrameWnd.h"
#include "iStaticEx.h"
#include <gtest/gtest.h>

using toolkit_test::Snapshot;

namespace {

const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// A frame on screen; the framework deletes it when its window is destroyed.
struct Frame {
    iFrameWnd* wnd;
    Frame()
        : wnd(new iFrameWnd(nullptr, iFrameWnd::WindowRectForClient(40, 40, 300, 200, WS_POPUP | WS_CAPTION, FALSE),
                            WS_POPUP | WS_CAPTION | WS_VISIBLE, "frame"))
    {}
    ~Frame()
    {
        if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
    }
    HWND hwnd = wnd->m_hWnd;
};

CRect RectInParent(HWND child)
{
    CRect r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(iFrameWnd, ClientAreaHasTheRequestedSize)
{
    Frame frame;
    ASSERT_NE(frame.hwnd, nullptr);
    CRect client;
    ::GetClientRect(frame.hwnd, &client);
    EXPECT_EQ(client, CRect(0, 0, 300, 200));
    EXPECT_EQ(::GetMenu(frame.hwnd), nullptr);
    EXPECT_EQ(::GetParent(frame.hwnd), nullptr);
}

TEST(ControlCreation, PixelsOnAFrameAndDialogUnitsOnDialogs)
{
    const CRect layout(10, 20, 60, 34);
    Frame frame;
    auto* onFrame = new iStatic(frame.wnd, layout, WS_VISIBLE, "frame", 7);
    EXPECT_EQ(RectInParent(onFrame->m_hWnd), layout);
    EXPECT_EQ(::GetDlgCtrlID(onFrame->m_hWnd), 7);
    EXPECT_TRUE(::GetWindowLongPtrA(onFrame->m_hWnd, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(frame.wnd->windows.count(onFrame), 1u);

    // A framework dialog always reads dialog units.
    CDialogTemplate tmpl(WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 200, 100, "plain", 0, 8, "MS Sans Serif");
    CDialog plain;
    ASSERT_TRUE(plain.CreateIndirect(tmpl.Get(), nullptr));
    CRect expected = layout;
    ::MapDialogRect(plain.m_hWnd, &expected);
    ASSERT_NE(expected, layout);
    {
        iStatic onDialog(&plain, layout, WS_VISIBLE, "dialog");
        EXPECT_EQ(RectInParent(onDialog.m_hWnd), expected);
        // Not a toolkit window: the control stays its own.
        EXPECT_EQ(onDialog.registration.windowSet, nullptr);
        // The dialog's font is taken over.
        EXPECT_EQ(onDialog.SendMessage(WM_GETFONT), plain.SendMessage(WM_GETFONT));
    }
    plain.DestroyWindow();

    // A toolkit dialog reads dialog units while its flag is set, pixels otherwise.
    iDialog units(nullptr, CRect(0, 0, 200, 100), WS_POPUP | WS_CAPTION, "units", 0, 1);
    ASSERT_NE(units.m_hWnd, nullptr);
    CRect inUnits = layout;
    ::MapDialogRect(units.m_hWnd, &inUnits);
    auto* a = new iStatic(&units, layout, WS_VISIBLE, "units");
    EXPECT_EQ(RectInParent(a->m_hWnd), inUnits);
    EXPECT_EQ(units.windows.count(a), 1u);
    units.dialogUnits = 0;
    auto* b = new iStatic(&units, layout, WS_VISIBLE, "pixels");
    EXPECT_EQ(RectInParent(b->m_hWnd), layout);
}

// A dialog-like page whose own flag decides, before the plain dialog rule.
struct PixelPage : CDialog, iDialogUnitsParent {
    bool UsesDialogUnits() const override { return units; }
    bool units = false;
};

TEST(ControlCreation, DialogLikeParentsDecideByTheirFlag)
{
    const CRect layout(10, 20, 60, 34);
    CDialogTemplate tmpl(WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 200, 100, "page", 0, 8, "MS Sans Serif");
    PixelPage page;
    ASSERT_TRUE(page.CreateIndirect(tmpl.Get(), nullptr));
    {
        iStatic inPixels(&page, layout, WS_VISIBLE, "pixels");
        EXPECT_EQ(RectInParent(inPixels.m_hWnd), layout);
    }
    page.units = true;
    CRect expected = layout;
    ::MapDialogRect(page.m_hWnd, &expected);
    {
        iStatic inUnits(&page, layout, WS_VISIBLE, "units");
        EXPECT_EQ(RectInParent(inUnits.m_hWnd), expected);
    }
    page.DestroyWindow();
}

struct Counted : iStatic {
    Counted(CWnd* parent, int& deaths) : iStatic(parent, CRect(0, 0, 20, 10), WS_VISIBLE, "x"), count(deaths) {}
    ~Counted() override { ++count; }
    int& count;
};

TEST(iFrameWnd, DeletesEachRegisteredChildOnce)
{
    int deaths[3] = { 0, 0, 0 };
    Frame frame;
    auto* first = new Counted(frame.wnd, deaths[0]);
    new Counted(frame.wnd, deaths[1]);
    new Counted(frame.wnd, deaths[2]);
    EXPECT_EQ(frame.wnd->windows.size(), 3u);
    // An owner may delete a control early: it leaves the set.
    delete first;
    EXPECT_EQ(deaths[0], 1);
    EXPECT_EQ(frame.wnd->windows.size(), 2u);
    ::DestroyWindow(frame.hwnd); // the frame object goes with its window
    EXPECT_EQ(deaths[0], 1);
    EXPECT_EQ(deaths[1], 1);
    EXPECT_EQ(deaths[2], 1);
}

struct StaticOnFrame : ::testing::Test {
    Frame frame;
    iStaticEx* Make(const CRect& r, LPCSTR text)
    {
        auto* s = new iStaticEx(frame.wnd, r, WS_VISIBLE, text);
        s->SetTextColor(kRed);
        s->backColor = kYellow;
        return s;
    }
};

TEST_F(StaticOnFrame, DisabledLooksGreyWhateverItsColours)
{
    iStaticEx* s = Make(CRect(10, 10, 130, 40), "Votes 1234");
    s->EnableWindow(FALSE);
    {
        Snapshot shot(s->m_hWnd);
        EXPECT_EQ(shot.Count(kYellow), 0);
        EXPECT_EQ(shot.Count(kRed), 0);
        EXPECT_GT(shot.Count(::GetSysColor(COLOR_3DFACE)), 120 * 30 / 2);
        EXPECT_GT(shot.Count(::GetSysColor(COLOR_GRAYTEXT)), 0);
    }
    s->EnableWindow(TRUE);
    testing_support::Pump(0);
    Snapshot shot(s->m_hWnd, false);
    EXPECT_GT(shot.Count(kYellow), 120 * 30 / 2);
    EXPECT_GT(shot.Count(kRed), 0);
}

TEST_F(StaticOnFrame, RightAlignedFormatDrawsFromTheTop)
{
    iStaticEx* s = Make(CRect(10, 10, 130, 70), "42");
    s->SetFormat(DT_RIGHT);
    Snapshot shot(s->m_hWnd);
    CRect ink = shot.Bounds([](COLORREF c) { return c != kYellow; });
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.right, 120 - 2);
    EXPECT_GT(ink.left, 60);
    EXPECT_LT(ink.top, 8);
    EXPECT_LT(ink.bottom, 30);
}

// Line height and the widest word of a text in the window's font.
void Measure(CWnd* wnd, LPCSTR first, LPCSTR second, int& line, int& widest)
{
    HDC dc = ::GetDC(wnd->m_hWnd);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(wnd->SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    SIZE a{}, b{};
    ::GetTextExtentPoint32A(dc, first, lstrlenA(first), &a);
    ::GetTextExtentPoint32A(dc, second, lstrlenA(second), &b);
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(wnd->m_hWnd, dc);
    line = tm.tmHeight;
    widest = std::max(a.cx, b.cx);
}

TEST_F(StaticOnFrame, WrappedTextIsCentredVertically)
{
    iStaticEx* s = Make(CRect(10, 10, 70, 20), "Wide Tall");
    s->SetFormat(DT_VCENTER | DT_WORDBREAK | DT_CENTER);
    int line = 0, widest = 0;
    Measure(s, "Wide", "Tall", line, widest);
    int width = widest + 8; // room for one word per line
    s->MoveWindow(10, 10, width, 3 * line);

    Snapshot shot(s->m_hWnd);
    CRect ink = shot.Bounds([](COLORREF c) { return c != kYellow; });
    ASSERT_FALSE(ink.IsRectEmpty());
    // Two lines with half a line free above and below.
    EXPECT_GE(ink.top, line / 2);
    EXPECT_LT(ink.top, line);
    EXPECT_LE(ink.bottom, 3 * line - line / 2);
    EXPECT_GT(ink.Height(), line);
    // Centred horizontally as well.
    EXPECT_LE(std::abs(ink.left - (width - ink.right)), 4);
}

TEST_F(StaticOnFrame, TooTallWrappedTextStartsAtTheTopOnlyWithAnEllipsis)
{
    const char* text = "one two three four five six";
    iStaticEx* top = Make(CRect(10, 10, 50, 30), text);
    top->SetFormat(DT_WORDBREAK | DT_CENTER);
    iStaticEx* cut = Make(CRect(60, 10, 100, 30), text);
    cut->SetFormat(DT_VCENTER | DT_WORDBREAK | DT_CENTER);
    iStaticEx* ellipsis = Make(CRect(110, 10, 150, 30), text);
    ellipsis->SetFormat(DT_VCENTER | DT_WORDBREAK | DT_CENTER | DT_END_ELLIPSIS);
    auto ink = [](iStaticEx* s) { return Snapshot(s->m_hWnd).Bounds([](COLORREF c) { return c != kYellow; }); };
    CRect atTop = ink(top);
    ASSERT_FALSE(atTop.IsRectEmpty());
    EXPECT_EQ(ink(ellipsis).top, atTop.top);
    // Centred, the text is cut at both ends: what shows is not its first line.
    EXPECT_NE(ink(cut).top, atTop.top);
}

TEST_F(StaticOnFrame, SetTextStoresAndRepaints)
{
    iStaticEx* s = Make(CRect(10, 10, 130, 40), "");
    Snapshot empty(s->m_hWnd);
    EXPECT_EQ(empty.Count(kRed), 0);
    ::SetWindowTextA(s->m_hWnd, "1000");
    EXPECT_STREQ(s->text, "1000");
    char buffer[16] = "";
    ::GetWindowTextA(s->m_hWnd, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "1000");
    testing_support::Pump(0);
    Snapshot shot(s->m_hWnd, false);
    EXPECT_GT(shot.Count(kRed), 0);
}

TEST_F(StaticOnFrame, TransparentEraseLeavesTheBackground)
{
    iStaticEx* s = Make(CRect(10, 10, 50, 30), "t");
    iCDC target(nullptr, 40, 20);
    target.FillSolidRect(0, 0, 40, 20, kWhite);
    s->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.m_hDC));
    EXPECT_EQ(target.GetPixel(5, 5), kYellow);

    target.FillSolidRect(0, 0, 40, 20, kWhite);
    ::SetWindowLongPtrA(s->m_hWnd, GWL_EXSTYLE, WS_EX_TRANSPARENT);
    EXPECT_TRUE(s->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.m_hDC)));
    EXPECT_EQ(target.GetPixel(5, 5), kWhite);
    // The paint still fills the area with its own colour.
    Snapshot shot(s->m_hWnd);
    EXPECT_EQ(shot.At(1, 1), kYellow);
}

TEST(iStaticEx, OwnFontIsUsedForPainting)
{
    Frame frame;
    auto* s = new iStaticEx(frame.wnd, CRect(10, 10, 210, 70), WS_VISIBLE, "WWW");
    s->backColor = kWhite;
    s->SetTextColor(RGB(0, 0, 0));
    CRect small = Snapshot(s->m_hWnd).Bounds([](COLORREF c) { return c != kWhite; });
    s->SetFont(-40, "Arial");
    ASSERT_NE(s->font.m_hObject, nullptr);
    CRect large = Snapshot(s->m_hWnd).Bounds([](COLORREF c) { return c != kWhite; });
    EXPECT_GT(large.Height(), small.Height());
}

} // namespace

namespace {

// The votes display with its label: a screen reader reads the label and the number from the
// window text, while only the number is painted; under high contrast the system's window colours.
TEST(iStaticEx, LabelIsReadNotPaintedAndHighContrastTakesTheWindowColours)
{
    Frame frame;
    auto* votes = new iStaticEx(frame.wnd, CRect(10, 10, 110, 40), WS_VISIBLE, "Votes");
    auto* plain = new iStaticEx(frame.wnd, CRect(10, 50, 110, 80), WS_VISIBLE, "120");
    for (iStaticEx* s : { votes, plain }) {
        s->SetTextColor(kRed);
        s->SetFormat(DT_RIGHT);
    }
    votes->SetLabel("Votes");
    char text[64] = "";
    ::GetWindowTextA(votes->m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "Votes"); // before the first game the word alone, not twice
    votes->SetWindowText("120");
    ::GetWindowTextA(votes->m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "Votes 120");
    EXPECT_STREQ(votes->text, "120");
    const auto red = [](COLORREF c) { return c == kRed; };
    EXPECT_EQ(Snapshot(votes->m_hWnd).Bounds(red), Snapshot(plain->m_hWnd).Bounds(red));
    votes->SetLabel("");
    ::GetWindowTextA(votes->m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "120");

    toolkit_test::DarkContrast dark;
    testing_support::Pump(0);
    Snapshot shot(votes->m_hWnd, false);
    EXPECT_EQ(shot.At(2, 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_WINDOWTEXT)), 20);
    EXPECT_EQ(shot.Count(kRed), 0);
}

} // namespace
