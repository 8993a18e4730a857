// The match rule: which new cards win against the two showing cards, and what it traces.
#include "GameWindowFixture.h"
#include <set>

namespace game_testing {
namespace {

class MatchRule : public GameWindowTest {
protected:
    // The values (code - 1) that win against two showing values; -1 stands for the wild card.
    std::set<int> Winners(int x, int y, int ops)
    {
        wnd->GameSettings().operations = ops;
        std::set<int> won;
        for (int card = 0; card < CardKinds; ++card)
            if (wnd->IsMatch(x + 1, y + 1, card)) won.insert(card - 1);
        return won;
    }
};

TEST_F(MatchRule, SixAndTwoWithAllOperationsInEitherOrder)
{
    const std::set<int> expected = { -1, 8, 4, 12, 3 };
    EXPECT_EQ(Winners(6, 2, 15), expected);
    EXPECT_EQ(Winners(2, 6, 15), expected);
    EXPECT_EQ(Winners(6, 2, OpAdd), (std::set<int>{ -1, 8 }));
    EXPECT_EQ(Winners(2, 6, OpSubtract), (std::set<int>{ -1, 4 }));
    EXPECT_EQ(Winners(6, 2, OpMultiply), (std::set<int>{ -1, 12 }));
    EXPECT_EQ(Winners(2, 6, OpDivide), (std::set<int>{ -1, 3 }));
}

TEST_F(MatchRule, DivisionMustBeExactAndNeverByZero)
{
    EXPECT_EQ(Winners(7, 2, OpDivide), (std::set<int>{ -1 })); // 7 / 2 truncates to 3, but is not exact
    EXPECT_EQ(Winners(0, 5, OpMultiply), (std::set<int>{ -1, 0 }));
    EXPECT_EQ(Winners(0, 5, OpDivide), (std::set<int>{ -1 }));
    EXPECT_EQ(Winners(5, 0, OpDivide), (std::set<int>{ -1 }));
}

TEST_F(MatchRule, EqualShowingCards)
{
    EXPECT_EQ(Winners(4, 4, OpAdd), (std::set<int>{ -1, 8 }));
    EXPECT_EQ(Winners(4, 4, OpSubtract), (std::set<int>{ -1, 0 }));
    EXPECT_EQ(Winners(4, 4, OpMultiply), (std::set<int>{ -1, 16 }));
    EXPECT_EQ(Winners(4, 4, OpDivide), (std::set<int>{ -1, 1 }));
    EXPECT_EQ(Winners(0, 0, OpAdd), (std::set<int>{ -1, 0 }));
    EXPECT_EQ(Winners(0, 0, OpSubtract), (std::set<int>{ -1, 0 }));
    EXPECT_EQ(Winners(0, 0, OpMultiply), (std::set<int>{ -1, 0 }));
    EXPECT_EQ(Winners(0, 0, OpDivide), (std::set<int>{ -1 }));
    EXPECT_EQ(Winners(16, 16, OpAdd), (std::set<int>{ -1 })); // 32 is no card
}

TEST_F(MatchRule, WildCardsAndTheEmptySet)
{
    wnd->GameSettings().operations = 0;
    for (int card = 0; card < CardKinds; ++card) {
        EXPECT_TRUE(wnd->IsMatch(WildCard, 5, card)) << card;
        EXPECT_TRUE(wnd->IsMatch(9, WildCard, card)) << card;
    }
    for (int left = 1; left < CardKinds; ++left)
        for (int right = 1; right < CardKinds; ++right) {
            EXPECT_TRUE(wnd->IsMatch(left, right, WildCard));
            for (int card = 1; card < CardKinds; ++card) ASSERT_FALSE(wnd->IsMatch(left, right, card));
        }
}

TEST_F(MatchRule, TraceStopsAtTheFirstSuccess)
{
    TraceReader trace;
    wnd->GameSettings().operations = 15;
    EXPECT_TRUE(wnd->IsMatch(7, 3, 5)); // 6 - 2 = 4
    std::vector<std::string> expected = {
        "MainFrameWnd::IsMatch : 06 02 04 (7, 3, 5)",
        "MainFrameWnd::IsMatch : 6 2 4 (000F)",
        "MainFrameWnd::IsMatch +",
        "MainFrameWnd::IsMatch -",
    };
    EXPECT_EQ(trace.NewMessages(), expected);
    std::vector<std::string> lines = trace.NewLines();
    ASSERT_FALSE(lines.empty());
    // The location names the file from the source tree, never the build machine's folders.
    EXPECT_EQ(0u, lines[0].find("game/MainFrameWnd.cpp [")) << lines[0];

    trace.Mark();
    EXPECT_TRUE(wnd->IsMatch(WildCard, 3, 5));
    EXPECT_EQ(trace.NewMessages(), std::vector<std::string>{ "MainFrameWnd::IsMatch : KAZ 02 04 (0, 3, 5)" });

    trace.Mark();
    EXPECT_TRUE(wnd->IsMatch(9, 5, 3)); // 8 / 4 = 2
    expected = {
        "MainFrameWnd::IsMatch : 08 04 02 (9, 5, 3)",
        "MainFrameWnd::IsMatch : 8 4 2 (000F)",
        "MainFrameWnd::IsMatch +",
        "MainFrameWnd::IsMatch -",
        "MainFrameWnd::IsMatch *",
        "MainFrameWnd::IsMatch / 2",
    };
    EXPECT_EQ(trace.NewMessages(), expected);

    wnd->GameSettings().operations = 0;
    trace.Mark();
    EXPECT_FALSE(wnd->IsMatch(17, 11, 1));
    expected = {
        "MainFrameWnd::IsMatch : 16 10 00 (17, 11, 1)",
        "MainFrameWnd::IsMatch : 16 10 0 (0000)",
        "MainFrameWnd::IsMatch NO!",
    };
    EXPECT_EQ(trace.NewMessages(), expected);
}

} // namespace
} // namespace game_testing
