// The trace log is one file for the whole life of the program: every window appends to it.
#include "GameWindowFixture.h"

namespace game_testing {
namespace {

TEST(TraceAcrossWindows, SecondWindowAppendsAfterTheFirst)
{
    ::CreateDirectoryA("C:\\TMP", nullptr);
    TraceReader trace;
    trace.Mark();
    GameClock = &FakeClock;
    for (int window = 0; window < 2; ++window) {
        auto* w = new MainFrameWnd;
        srand(7);
        w->DoGameStart(nullptr);
        ::SendMessageA(w->m_hWnd, WM_TIMER, MainFrameWnd::DealTimer, 0); // first regular deal
        w->DestroyWindow();
    }
    GameClock = &::time;
    std::vector<std::string> messages = trace.NewMessages();
    int setups = 0;
    for (const std::string& m : messages)
        if (m.find("MainFrameWnd::DoGameSetup ismatch?") == 0) ++setups;
    EXPECT_EQ(setups, 2); // one deal of each window, the first window's line kept
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front().find("MainFrameWnd::IsMatch : "), 0u);
}

} // namespace
} // namespace game_testing
