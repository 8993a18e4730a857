// A real main window under a clock the test moves, with helpers that play it as a person would.
#pragma once
#include "GameClock.h"
#include "MainFrameWnd.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace game_testing {

extern time_t fakeNow;
time_t FakeClock(time_t* out);

// New lines appended to the trace log since the mark, as their messages after " => ".
class TraceReader {
public:
    TraceReader();
    void Mark();
    std::vector<std::string> NewMessages() const;
    std::vector<std::string> NewLines() const;

private:
    long m_mark = 0;
};

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Start(unsigned seed = 1);
    void Tick() { ::SendMessageA(wnd->m_hWnd, WM_TIMER, MainFrameWnd::DealTimer, 0); }
    void Space(bool repeated = false)
    {
        LPARAM flags = 1 | (repeated ? (1L << 30) : 0);
        ::SendMessageA(wnd->m_hWnd, WM_KEYDOWN, VK_SPACE, flags);
    }
    void Click(int x = 300, int y = 200) { ::SendMessageA(wnd->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    // Answers a winner, lets any other card go by: never loses the flag.
    void PlayOne()
    {
        if (wnd->Now().winner)
            Space();
        else
            Tick();
    }
    // Plays without losing the flag until the condition holds; false when it never did.
    template <class Condition> bool PlayUntil(Condition done, int limit = 3000)
    {
        for (int n = 0; n < limit && wnd->Now().running; ++n) {
            if (done()) return true;
            PlayOne();
        }
        return done();
    }
    HWND Button(const char* text) const { return ::FindWindowExA(wnd->m_hWnd, nullptr, "Button", text); }
    std::string VotesText() const;

    MainFrameWnd* wnd = nullptr;
};

} // namespace game_testing
