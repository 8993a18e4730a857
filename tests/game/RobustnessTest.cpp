// Hostile moments: closing at awkward times, a trace file that cannot be written, endless presses.
#include "GameWindowFixture.h"
#include <algorithm>

using testing_support::ModalAnswerer;

namespace game_testing {
namespace {

int Verdicts(const std::vector<std::string>& messages)
{
    int n = 0;
    for (const std::string& m : messages)
        n += m.find("DoGameClose CORRECT") != std::string::npos || m.find("DoGameClose MISSED") != std::string::npos ||
            m.find("DoGameClose WRONG") != std::string::npos;
    return n;
}

class Robustness : public GameWindowTest {
protected:
    // Wrong answers from the start end the game within a few presses.
    void PlayToTheEnd(int limit = 5000)
    {
        for (int n = 0; n < limit && wnd->Now().running; ++n) {
            if (wnd->Now().winner)
                Tick();
            else
                Space();
        }
    }
    // The window closed itself: nothing of it may be touched any more.
    void ExpectClosed(HWND h)
    {
        testing_support::PumpUntil([&] { return !::IsWindow(h); }, 3000);
        EXPECT_FALSE(::IsWindow(h));
        wnd = nullptr;
        testing_support::Pump(100); // late timers or posted messages must find nothing to crash on
    }
};

TEST_F(Robustness, CloseBoxDuringTheGame)
{
    Start(71);
    for (int i = 0; i < 5; ++i) Tick();
    HWND h = wnd->m_hWnd;
    ::PostMessageA(h, WM_CLOSE, 0, 0);
    ExpectClosed(h);
}

TEST_F(Robustness, CloseWhileGameOverShowsEndsAfterTheBoxWithOneEvaluation)
{
    Start(72);
    Tick();
    HWND h = wnd->m_hWnd;
    TraceReader trace;
    ModalAnswerer answer([h](HWND box) {
        // Presses and a close aimed at the game window while the box is up.
        ::PostMessageA(h, WM_KEYDOWN, VK_SPACE, 1);
        ::PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 200));
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        ::PostMessageA(h, WM_KEYDOWN, VK_SPACE, 1);
        (void)box;
    });
    PlayToTheEnd();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "Game over!");
    ExpectClosed(h);
    // The game-ending verdict is the last: the presses during the box judged nothing.
    auto messages = trace.NewMessages();
    int after = 0;
    for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
        if (Verdicts({ *it })) break;
        after += it->find("DoGameSetup") != std::string::npos;
    }
    EXPECT_LE(after, 1); // the one card drawn after the box, never judged
}

TEST_F(Robustness, CloseWhileADialogIsOpen)
{
    for (const char* button : { "Setup", "About", "Help" }) {
        if (!wnd) {
            wnd = new MainFrameWnd;
            wnd->ShowWindow(SW_SHOW);
        }
        HWND h = wnd->m_hWnd;
        ModalAnswerer answer([h](HWND) { ::PostMessageA(h, WM_CLOSE, 0, 0); });
        ::SendMessageA(Button(button), BM_CLICK, 0, 0);
        EXPECT_EQ(answer.seen().size(), 1u) << button;
        ExpectClosed(h);
    }
}

TEST_F(Robustness, ThousandRepeatedPressesAreJudgedUntilTheEndAndNoFurther)
{
    Start(73);
    Tick();
    TraceReader trace;
    int boxes = 0;
    ModalAnswerer answer([&boxes](HWND box) {
        ++boxes;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    for (int i = 0; i < 1000; ++i) Space(i > 0);
    EXPECT_FALSE(wnd->Now().running);
    EXPECT_EQ(boxes, 1);
    const int verdicts = Verdicts(trace.NewMessages());
    EXPECT_GE(verdicts, 2);
    EXPECT_LT(verdicts, 1000); // presses after the end are not judged
    // The next game starts fresh.
    ::SendMessageA(Button("Start"), BM_CLICK, 0, 0);
    EXPECT_TRUE(wnd->Now().running);
    EXPECT_EQ(wnd->Now().flag, 2);
}

// The trace file cannot be opened for a while: the game plays on, and only those lines are lost.
TEST_F(Robustness, TraceFileLockedReadOnlyOrItsFolderMissing)
{
    ModalAnswerer answer(IDOK); // the "Game over!" box at the end
    Start(74);
    Tick();
    const char* path = "C:\\TMP\\TRACE.QRV";
    {
        TraceReader trace;
        HANDLE held = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        for (int i = 0; i < 10; ++i) PlayOne(); // never loses the flag
        ::CloseHandle(held);
        EXPECT_TRUE(trace.NewLines().empty());
        PlayOne();
        EXPECT_FALSE(trace.NewLines().empty());
    }
    {
        ASSERT_TRUE(::SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
        // Run as root, Wine still opens a read-only file for writing; lines are lost only if it cannot.
        HANDLE probe = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool writable = probe != INVALID_HANDLE_VALUE;
        if (writable) ::CloseHandle(probe);
        TraceReader trace;
        for (int i = 0; i < 5; ++i) PlayOne();
        ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(trace.NewLines().empty(), !writable);
        EXPECT_TRUE(wnd->Now().running);
    }
    {
        ASSERT_TRUE(::MoveFileA("C:\\TMP", "C:\\TMP-away"));
        PlayToTheEnd(); // the "Game over!" box is closed by the answerer
        EXPECT_FALSE(wnd->Now().running);
        EXPECT_EQ(::GetFileAttributesA("C:\\TMP"), INVALID_FILE_ATTRIBUTES);
        ASSERT_TRUE(::MoveFileA("C:\\TMP-away", "C:\\TMP"));
    }
}

} // namespace
} // namespace game_testing
