// The deal pace: the interval steps down through its stages, and each game starts afresh.
#include "GameWindowFixture.h"

using testing_support::ModalAnswerer;

namespace game_testing {
namespace {

class Pace : public GameWindowTest {
protected:
    struct Step {
        UINT interval;
        int period;
    };
    // Lets exactly the current period pass (no step), then one second more (a step).
    Step NextStep()
    {
        fakeNow += wnd->Now().stepPeriod;
        const UINT before = wnd->Now().interval;
        PlayOne();
        EXPECT_EQ(wnd->Now().interval, before) << "stepped without the period passing";
        fakeNow += 1;
        PlayOne();
        return Step{ wnd->Now().interval, wnd->Now().stepPeriod };
    }
    void EndGame()
    {
        ModalAnswerer answer;
        for (int n = 0; n < 1000 && wnd->Now().running; ++n) wnd->Now().winner ? Tick() : Space();
        ASSERT_FALSE(wnd->Now().running);
        ASSERT_EQ(answer.seen().size(), 1u);
    }
};

TEST_F(Pace, StagesFromTwoSecondsDownToZero)
{
    Start(21);
    Tick();
    // Stage by stage: how many steps, by how much, and the period each one sets.
    struct Stage {
        int steps;
        UINT change;
        int period;
    };
    const Stage stages[] = { { 5, 200, 60 }, { 5, 100, 45 }, { 40, 10, 30 }, { 18, 5, 15 }, { 10, 1, 10 } };
    UINT interval = 2000;
    for (const Stage& stage : stages) {
        for (int s = 0; s < stage.steps; ++s) {
            Step step = NextStep();
            ASSERT_TRUE(wnd->Now().running);
            ASSERT_EQ(step.interval, interval - stage.change) << "from " << interval;
            ASSERT_EQ(step.period, stage.period) << "from " << interval;
            interval = step.interval;
        }
    }
    EXPECT_EQ(interval, 0u);
    Step last = NextStep();
    EXPECT_EQ(last.interval, 0u);
    EXPECT_EQ(last.period, 10);
    EXPECT_TRUE(wnd->Now().running);
}

TEST_F(Pace, EveryGameStartsAtTwoSecondsAndOneMinute)
{
    for (unsigned game = 0; game < 2; ++game) {
        Start(30 + game);
        EXPECT_EQ(wnd->Now().interval, 2000u);
        EXPECT_EQ(wnd->Now().stepPeriod, 60);
        Tick();
        fakeNow += 60;
        PlayOne();
        EXPECT_EQ(wnd->Now().interval, 2000u);
        fakeNow += 1;
        PlayOne();
        EXPECT_EQ(wnd->Now().interval, 1800u);
        for (int s = 0; s < 6; ++s) {
            fakeNow += wnd->Now().stepPeriod + 1;
            PlayOne();
        }
        EXPECT_EQ(wnd->Now().interval, 800u); // 1600 .. 1000 by 200, then 900, 800
        EndGame();
    }
}

// A steady pace keeps its interval however long the game runs, from 2 s to the 20 s of the
// slowest, while the votes still count the minutes played.
TEST_F(Pace, SteadyPacesKeepTheirIntervalAndVotesCountTheMinutes)
{
    const struct {
        int pace;
        UINT interval;
    } paces[] = { { PaceSteady, 2000 }, { PaceSlow, 4000 }, { PaceVerySlow, 8000 }, { PaceSlowest, 20000 } };
    for (const auto& p : paces) {
        wnd->GameSettings().pace = p.pace;
        Start(50 + p.pace);
        EXPECT_EQ(wnd->Now().interval, p.interval) << p.pace;
        Tick();
        // Half an hour of the game's clock, a deal a minute.
        for (int minute = 0; minute < 30 && wnd->Now().running; ++minute) {
            fakeNow += 61;
            PlayOne();
            ASSERT_EQ(wnd->Now().interval, p.interval) << p.pace << " after " << minute + 1 << " minutes";
        }
        ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
        const int before = wnd->Now().votes, minutes = static_cast<int>((fakeNow - 1000000) / 60);
        Space();
        EXPECT_TRUE(!wnd->Now().running || wnd->Now().votes - before == 8 + 2 + 2 * minutes + 3) << p.pace;
        EndGame();
        fakeNow = 1000000;
    }
}

// An answer restarts the interval: no tick arrives until a full interval after it.
TEST_F(Pace, AnswerRestartsTheDealTimer)
{
    Start(40);
    Tick();
    testing_support::Pump(1500);
    const int deals = wnd->Now().dealCount;
    if (wnd->Now().winner)
        Space();
    else
        Click();
    ASSERT_EQ(wnd->Now().dealCount, deals + 1);
    if (!wnd->Now().running) GTEST_SKIP() << "the answer ended the game";
    testing_support::Pump(1200);
    EXPECT_EQ(wnd->Now().dealCount, deals + 1) << "a tick came before the full interval";
    ASSERT_TRUE(testing_support::PumpUntil([&] { return wnd->Now().dealCount > deals + 1; }, 3000));
}

// A pause stops the deal, the pace and the minutes of the votes; on resuming, the card showing
// gets its whole interval again.
TEST_F(Pace, PausedTimeCountsForNothing)
{
    Start(40);
    Tick();
    const int deals = wnd->Now().dealCount;
    ::SendMessageA(wnd->m_hWnd, WM_KEYDOWN, 'P', 1);
    ASSERT_TRUE(wnd->Now().paused);
    fakeNow += 600;
    Tick(); // a tick queued before the pause
    testing_support::Pump(2500);
    EXPECT_EQ(wnd->Now().dealCount, deals) << "dealt while paused";
    TraceReader trace;
    Space(true); // held through the pause: no resume
    EXPECT_TRUE(wnd->Now().paused);
    Space();
    EXPECT_FALSE(wnd->Now().paused);
    EXPECT_EQ(wnd->Now().dealCount, deals) << "the resuming key was taken as an answer";
    EXPECT_TRUE(trace.NewMessages().empty()) << "the resuming key was traced";
    testing_support::Pump(1200);
    EXPECT_EQ(wnd->Now().dealCount, deals) << "the card showing lost part of its interval";
    ASSERT_TRUE(testing_support::PumpUntil([&] { return wnd->Now().dealCount > deals; }, 3000));
    // Ten minutes paused neither stepped the pace nor raised the votes of an answer.
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
    EXPECT_EQ(wnd->Now().interval, 2000u);
    const int before = wnd->Now().votes;
    Space();
    if (wnd->Now().running) {
        EXPECT_EQ(wnd->Now().votes - before, 17 / 2 + 5 / 2 + 3);
    }
}

// Another window in front pauses the game; the click that brings it back is eaten, and a click
// in the window then resumes without answering.
TEST_F(Pace, AwayPausesAndTheActivatingClickIsEaten)
{
    const LPARAM clickInClient = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_NE(::SendMessageA(wnd->m_hWnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(wnd->m_hWnd), clickInClient),
              MA_ACTIVATEANDEAT)
        << "a click between games is for the buttons";
    Start(41);
    Tick();
    ::SendMessageA(wnd->m_hWnd, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(wnd->Now().paused);
    ::SendMessageA(wnd->m_hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(wnd->Now().paused) << "coming back resumed on its own";
    EXPECT_EQ(::SendMessageA(wnd->m_hWnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(wnd->m_hWnd), clickInClient),
              MA_ACTIVATEANDEAT);
    const int deals = wnd->Now().dealCount;
    TraceReader trace;
    Click();
    EXPECT_FALSE(wnd->Now().paused);
    EXPECT_EQ(wnd->Now().dealCount, deals);
    EXPECT_TRUE(trace.NewMessages().empty()) << "the resuming click was an answer";
}

} // namespace
} // namespace game_testing
