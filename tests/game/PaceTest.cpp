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
        fakeNow += wnd->StepPeriod();
        const UINT before = wnd->Interval();
        PlayOne();
        EXPECT_EQ(wnd->Interval(), before) << "stepped without the period passing";
        fakeNow += 1;
        PlayOne();
        return Step{ wnd->Interval(), wnd->StepPeriod() };
    }
    void EndGame()
    {
        ModalAnswerer answer;
        for (int n = 0; n < 1000 && wnd->GameRunning(); ++n) wnd->IsWinner() ? Tick() : Space();
        ASSERT_FALSE(wnd->GameRunning());
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
            ASSERT_TRUE(wnd->GameRunning());
            ASSERT_EQ(step.interval, interval - stage.change) << "from " << interval;
            ASSERT_EQ(step.period, stage.period) << "from " << interval;
            interval = step.interval;
        }
    }
    EXPECT_EQ(interval, 0u);
    Step last = NextStep();
    EXPECT_EQ(last.interval, 0u);
    EXPECT_EQ(last.period, 10);
    EXPECT_TRUE(wnd->GameRunning());
}

TEST_F(Pace, EveryGameStartsAtTwoSecondsAndOneMinute)
{
    for (unsigned game = 0; game < 2; ++game) {
        Start(30 + game);
        EXPECT_EQ(wnd->Interval(), 2000u);
        EXPECT_EQ(wnd->StepPeriod(), 60);
        Tick();
        fakeNow += 60;
        PlayOne();
        EXPECT_EQ(wnd->Interval(), 2000u);
        fakeNow += 1;
        PlayOne();
        EXPECT_EQ(wnd->Interval(), 1800u);
        for (int s = 0; s < 6; ++s) {
            fakeNow += wnd->StepPeriod() + 1;
            PlayOne();
        }
        EXPECT_EQ(wnd->Interval(), 800u); // 1600 .. 1000 by 200, then 900, 800
        EndGame();
    }
}

// An answer restarts the interval: no tick arrives until a full interval after it.
TEST_F(Pace, AnswerRestartsTheDealTimer)
{
    Start(40);
    Tick();
    testing_support::Pump(1500);
    const int deals = wnd->DealCount();
    if (wnd->IsWinner()) Space();
    else Click();
    ASSERT_EQ(wnd->DealCount(), deals + 1);
    if (!wnd->GameRunning()) GTEST_SKIP() << "the answer ended the game";
    testing_support::Pump(1200);
    EXPECT_EQ(wnd->DealCount(), deals + 1) << "a tick came before the full interval";
    ASSERT_TRUE(testing_support::PumpUntil([&] { return wnd->DealCount() > deals + 1; }, 3000));
}

} // namespace
} // namespace game_testing
