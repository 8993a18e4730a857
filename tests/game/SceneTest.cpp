// The plain scene: composed off screen, dealt cards painted at once, repaints restore the stacks.
#include "GameWindowFixture.h"
#include "CWinApp.h"

namespace game_testing {
namespace {

// The test program carries no pictures: the scene is then the card outlines alone.
const COLORREF Marker = RGB(1, 2, 3);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Black = RGB(0, 0, 0);

class Scene : public GameWindowTest {
protected:
    // Copies the window's client area into a memory bitmap and reads one pixel of it.
    COLORREF WindowPixel(int x, int y)
    {
        HDC window = ::GetDC(wnd->m_hWnd);
        HDC memory = ::CreateCompatibleDC(window);
        HBITMAP bitmap = ::CreateCompatibleBitmap(window, 640, 480);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, 640, 480, window, 0, 0, SRCCOPY);
        COLORREF c = ::GetPixel(memory, x, y);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(wnd->m_hWnd, window);
        return c;
    }
    void Repaint()
    {
        ::InvalidateRect(wnd->m_hWnd, nullptr, FALSE);
        ::UpdateWindow(wnd->m_hWnd);
    }
    // The top edge of a stack's top card is its own outline, whatever lies beneath.
    void ExpectTopCardOnCanvas(int side)
    {
        const DealtCard& top = wnd->Now().stacks[side].back();
        const int x = (side == 0 ? 152 : 328) + top.dx;
        const int y = 260 + top.dy;
        EXPECT_EQ(wnd->Canvas()->GetPixel(x + 68, y), Black) << side;
        EXPECT_EQ(wnd->Canvas()->GetPixel(x + 68, y + 3), White) << side;
        EXPECT_EQ(wnd->Canvas()->GetPixel(x + 8, y + 8), White) << side;
    }
};

TEST_F(Scene, FrameStyleAndCentredPlace)
{
    const DWORD style = wnd->GetStyle();
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT work, outer;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    wnd->GetWindowRect(&outer);
    EXPECT_NEAR((outer.left + outer.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (work.top + work.bottom) / 2, 2);
}

TEST_F(Scene, DealtCardsShowAtOnceAndRepaintRestoresThem)
{
    Repaint();
    EXPECT_NE(WindowPixel(160, 280), White);
    Start(50);
    EXPECT_EQ(WindowPixel(160, 280), White); // the opening card, painted as it was dealt
    EXPECT_EQ(WindowPixel(336, 280), White);
    for (int n = 0; n < 9; ++n) n == 0 ? Tick() : PlayOne();
    ASSERT_TRUE(wnd->Now().running);

    // Cover the canvas with something else; a repaint composes the stacks again.
    wnd->Canvas()->FillSolidRect(0, 0, 640, 480, Marker);
    Repaint();
    ExpectTopCardOnCanvas(0);
    ExpectTopCardOnCanvas(1);
    // Missing background and flag pictures paint nothing, and the card faces stay white.
    const int flagTop = 110 - 8 * wnd->Now().flag;
    EXPECT_EQ(wnd->Canvas()->GetPixel(320, flagTop + 1), Marker);
    EXPECT_EQ(wnd->Canvas()->GetPixel(20, 20), Marker);
    EXPECT_EQ(WindowPixel(320, flagTop + 1), Marker);
}

TEST_F(Scene, FlagMovesOnTheCanvasWhenItsPlaceChanges)
{
    Start(51);
    Tick();
    const int flag = wnd->Now().flag;
    // Dealt cards go straight onto the window; only a whole scene copies the canvas there.
    wnd->Canvas()->FillSolidRect(0, 0, 640, 480, Marker);
    for (int n = 0; n < 500 && wnd->Now().flag == flag; ++n) {
        PlayOne();
        if (wnd->Now().flag == flag) {
            EXPECT_NE(WindowPixel(20, 20), Marker) << n;
        }
    }
    ASSERT_EQ(wnd->Now().flag, flag + 1);
    // Repainted by the judgement itself, not by a paint message.
    EXPECT_EQ(WindowPixel(20, 20), Marker);
    // The copy onto the window leaves the votes display standing.
    EXPECT_NE(WindowPixel(52, 47), Marker);
    EXPECT_EQ(WindowPixel(48, 47), Marker);
}

TEST_F(Scene, VotesShowBlueAndRightAligned)
{
    Start(52);
    Tick();
    for (int n = 0; n < 500 && wnd->Now().winner; ++n) Tick();
    Tick(); // a judgement without a correct answer: the display reads "0"
    ASSERT_EQ(VotesText(), "0");
    ::UpdateWindow(wnd->m_hWnd);
    testing_support::Pump(50);
    int blue = 0;
    int leftmost = 640;
    for (int y = 45; y < 65; ++y)
        for (int x = 50; x < 110; ++x) {
            const COLORREF c = WindowPixel(x, y);
            if (GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 80) {
                ++blue;
                if (x < leftmost) leftmost = x;
            }
        }
    EXPECT_GT(blue, 5);
    // One digit at the right end of a 60-pixel display; centred it would start near 75.
    EXPECT_GT(leftmost, 90);
}

} // namespace
} // namespace game_testing

namespace game_testing {
namespace {

TEST_F(GameWindowTest, ExitClosesTheWindowAndOtherButtonsLeaveTheGameAlone)
{
    testing_support::ModalAnswerer answer;
    for (const char* text : { "Setup", "About", "Upload", "Help" }) {
        ::SendMessageA(Button(text), BM_CLICK, 0, 0);
        EXPECT_FALSE(wnd->Now().running) << text;
        EXPECT_TRUE(::IsWindowEnabled(wnd->m_hWnd)) << text; // given back when the dialog closed
    }
    // Upload shows the same About dialog as About.
    std::vector<std::string> captions;
    for (const auto& seen : answer.seen()) captions.push_back(seen.caption);
    std::vector<std::string> expected = { "Setup", "About Votaroo!", "About Votaroo!", "Help Votaroo!" };
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(::GetDlgCtrlID(Button("Exit")), ID_APP_EXIT);
    HWND h = wnd->m_hWnd;
    ::SendMessageA(Button("Exit"), BM_CLICK, 0, 0);
    testing_support::Pump(0);
    EXPECT_FALSE(::IsWindow(h));
    wnd = nullptr; // the frame deleted itself
}

} // namespace
} // namespace game_testing

namespace game_testing {
namespace {

// The real pictures, borrowed from the built program, or another module's.
class PictureScene : public GameWindowTest {
protected:
    virtual const char* Module() const { return "\\..\\votaroo.exe"; }
    void SetUp() override
    {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, sizeof path);
        std::string program = path;
        program = program.substr(0, program.find_last_of('\\')) + Module();
        m_program = ::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_program, nullptr) << program;
        AfxSetResourceHandle(m_program);
        GameWindowTest::SetUp();
    }
    void TearDown() override
    {
        GameWindowTest::TearDown();
        AfxSetResourceHandle(nullptr);
        if (m_program) ::FreeLibrary(m_program);
    }
    // The flag's lowest stripe and its top row are red where the flag hangs.
    bool FlagAt(int y)
    {
        auto red = [](COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 80 && GetBValue(c) < 90; };
        return red(wnd->Canvas()->GetPixel(332, y + 21)) && red(wnd->Canvas()->GetPixel(332, y + 1));
    }
    HMODULE m_program = nullptr;
};

TEST_F(PictureScene, FlagHangsEightPixelsHigherPerPosition)
{
    Start(61);
    Tick();
    EXPECT_TRUE(FlagAt(94));
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().flag == 8; }));
    EXPECT_TRUE(FlagAt(46));
    EXPECT_FALSE(FlagAt(94));
    // Down to the foot without ending the game: wrong answers from 2 or more, misses below.
    for (int n = 0; n < 5000 && wnd->Now().flag > 0; ++n) {
        if (wnd->Now().winner || wnd->Now().flag < 2)
            Tick();
        else
            Space();
    }
    ASSERT_EQ(wnd->Now().flag, 0);
    ASSERT_TRUE(wnd->Now().running);
    EXPECT_TRUE(FlagAt(110));
    EXPECT_FALSE(FlagAt(46));
    // The background is the photograph, not a plain fill.
    EXPECT_NE(wnd->Canvas()->GetPixel(20, 420), wnd->Canvas()->GetPixel(20, 20));
}

// Pictures cut short decode to nothing: the scene is painted without them.
class BrokenArtScene : public PictureScene {
protected:
    const char* Module() const override { return "\\broken-art.dll"; }
};

TEST_F(BrokenArtScene, SceneWithoutDecodablePicturesStillShowsTheCards)
{
    Start(62);
    for (int i = 0; i < 20; ++i) PlayOne();
    ASSERT_TRUE(wnd->Now().running);
    EXPECT_FALSE(FlagAt(94));
    ::InvalidateRect(wnd->m_hWnd, nullptr, FALSE);
    ::UpdateWindow(wnd->m_hWnd);
    // Each top card still has its white face and black outline.
    for (int side = 0; side < 2; ++side) {
        const DealtCard& top = wnd->Now().stacks[side].back();
        const int x = (side == 0 ? 152 : 328) + top.dx;
        const int y = 260 + top.dy;
        EXPECT_EQ(wnd->Canvas()->GetPixel(x + 68, y), RGB(0, 0, 0)) << side;
        EXPECT_EQ(wnd->Canvas()->GetPixel(x + 68, y + 6), RGB(255, 255, 255)) << side;
    }
}

// Between games through the program's own loop: no focus mark until the keyboard moves it, the
// space bar idle unless the keyboard chose a button, Enter Start's, and the buttons' corners the
// scene's, read back from the window as the screen shows it.
class KeysBetweenGames : public PictureScene {
protected:
    void SetUp() override
    {
        PictureScene::SetUp();
        app.m_pMainWnd = wnd;
        Loop();
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        PictureScene::TearDown();
    }
    void Loop()
    {
        MSG msg;
        for (int idle = 0; idle < 3; ++idle, ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT))
            for (; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); idle = 0)
                if (!app.PreTranslateMessage(&msg)) ::DispatchMessageA(&msg);
    }
    void Press(UINT key, HWND to = ::GetFocus(), UINT down = WM_KEYDOWN)
    {
        ::PostMessageA(to, down, key, 1);
        ::PostMessageA(to, down + 1, key, 0xC0000001);
        Loop();
    }
    // The buttons' column as the screen shows it; counts the corner pixels that are not the scene.
    std::vector<COLORREF> Column(int& cornersNotScene)
    {
        Loop();
        iClientDC window(wnd);
        iCDC copy(nullptr, 640, 480);
        ::BitBlt(copy.m_hDC, 0, 0, 640, 480, window.m_hDC, 0, 0, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 480; ++y)
            for (int x = 500; x < 640; ++x) pixels.push_back(copy.GetPixel(x, y));
        cornersNotScene = 0;
        for (HWND b = ::GetWindow(wnd->m_hWnd, GW_CHILD); b; b = ::GetWindow(b, GW_HWNDNEXT)) {
            CRect r;
            ::GetWindowRect(b, &r);
            ::MapWindowPoints(nullptr, wnd->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
            for (int i = 0; i < 9 && r.left >= 500; ++i)
                for (const CPoint& p : { CPoint(r.left + i % 3, r.top + i / 3), CPoint(r.right - 1 - i % 3, r.bottom - 1 - i / 3) })
                    cornersNotScene += copy.GetPixel(p.x, p.y) != wnd->Canvas()->GetPixel(p.x, p.y);
        }
        return pixels;
    }
    CWinApp app{ "keys" };
};

TEST_F(KeysBetweenGames, NoMarkUntilTheKeyboardMovesSpaceIdleAndEnterStarts)
{
    int corners = -1;
    const std::vector<COLORREF> start = Column(corners);
    EXPECT_EQ(corners, 0);
    ASSERT_EQ(::GetFocus(), Button("Start"));
    Press(VK_SPACE);
    EXPECT_FALSE(wnd->Now().running) << "the space bar pressed Start";
    // Tab shows the mark (on Setup, then About); a click hides it and makes the space bar idle.
    Press(VK_TAB);
    Press(VK_TAB);
    EXPECT_TRUE(Column(corners) != start) << "no mark after Tab";
    Press(0, wnd->m_hWnd, WM_LBUTTONDOWN);
    EXPECT_TRUE(Column(corners) == start) << "a mark after a click";
    testing_support::ModalAnswerer none;
    Press(VK_SPACE);
    EXPECT_TRUE(none.seen().empty()) << "the space bar pressed About after a click";
    // Enter is Start's. A space bar hammered at the end answers until the game is over, closes
    // "Game over!" with the next press, and does nothing with the rest.
    Press(VK_RETURN);
    ASSERT_TRUE(wnd->Now().running);
    Tick();
    int presses = 0;
    testing_support::ModalAnswerer spaceOnTheBox([&](HWND box) {
        presses = 1;
        ::PostMessageA(::GetDlgItem(box, IDOK), WM_KEYDOWN, VK_SPACE, 1);
        ::PostMessageA(::GetDlgItem(box, IDOK), WM_KEYUP, VK_SPACE, 0xC0000001);
    });
    for (int n = 0; n < 200 && wnd->Now().running; ++n) Press(VK_SPACE);
    ASSERT_EQ(spaceOnTheBox.seen().size(), 1u);
    const int deals = wnd->Now().dealCount;
    for (; presses < 5; ++presses) Press(VK_SPACE);
    EXPECT_FALSE(wnd->Now().running) << "the space bar started a game";
    EXPECT_EQ(wnd->Now().dealCount, deals);
    EXPECT_TRUE(Column(corners) == start) << "the buttons differ from the start: a mark?";
    EXPECT_EQ(corners, 0);
    Press(VK_RETURN);
    EXPECT_TRUE(wnd->Now().running);
}

} // namespace
} // namespace game_testing
