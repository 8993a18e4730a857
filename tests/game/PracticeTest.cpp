// Practice without a window: which fact a miss teaches, how it comes back, what a log's end holds.
#include "Practice.h"
#include "TraceWords.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

const int V = 1; // a value's card code is the value + 1

TEST(Practice, TheFactAMissTeaches)
{
    const struct {
        JudgedCard judged;
        int operations, kinds;
        const char* text; // "" for none
    } cases[] = {
        { { 7 + V, 8 + V, 15 + V, Missed }, OpAdd | OpSubtract, 18, "7 + 8 = 15" },
        { { 2 + V, 9 + V, 7 + V, Missed }, OpAdd | OpSubtract, 18, "9 - 2 = 7" },
        { { 6 + V, 2 + V, 5 + V, Wrong }, OpSubtract | OpMultiply, 18, "6 - 2 = 4" },
        { { 2 + V, 6 + V, 5 + V, Wrong }, OpDivide, 18, "6 / 2 = 3" },
        // 9 * 3 = 27 is no card: the next chosen operation that makes one.
        { { 9 + V, 3 + V, 1 + V, Wrong }, OpMultiply | OpDivide, 18, "9 / 3 = 3" },
        { { 8 + V, 8 + V, 1 + V, Wrong }, OpAdd, 18, "8 + 8 = 16" },
        { { 8 + V, 8 + V, 1 + V, Wrong }, OpAdd, 10, "" }, // cards up to 8
        { { 7 + V, WildCard, 3 + V, Missed }, OpAdd, 18, "" },
        { { 7 + V, 1 + V, WildCard, Missed }, OpAdd, 18, "" },
        { { 7 + V, 8 + V, 15 + V, Correct }, OpAdd, 18, "" },
        // A winner of other settings, from an earlier game: its two cards with today's card.
        { { 4 + V, 3 + V, 12 + V, Missed }, OpAdd, 18, "4 + 3 = 7" },
    };
    for (const auto& c : cases) {
        Fact fact;
        ASSERT_EQ(FactOf(c.judged, c.operations, c.kinds, fact), *c.text != 0) << c.text;
        if (*c.text) {
            EXPECT_EQ(WrittenFact(fact), c.text);
        }
    }
}

// Deals as the window does: the sides take turns and the new card covers its side's top.
struct Table {
    Deck deck{ 5, 18 };
    Practice practice;
    int top[2] = { 3 + V, 4 + V };
    int deals = 0;
    // The deal at which the card came with left and right showing, -1 if none of n did.
    int DealUntil(int left, int right, int card, int n)
    {
        for (int i = 0; i < n; ++i) {
            const int side = deals++ % 2;
            const int shown[2] = { top[0], top[1] };
            top[side] = practice.Deal(deck, side, top[0], top[1]);
            const bool showing = (shown[0] == left && shown[1] == right) || (shown[0] == right && shown[1] == left);
            if (showing && top[side] == card) return i;
        }
        return -1;
    }
};

TEST(Practice, AMissedFactComesBackWithinSixCardsTwiceAtMost)
{
    Table t;
    t.practice.Start(true, OpAdd, 18, 2000, { { 7 + V, 8 + V, 15 + V, Missed } });
    // Earlier games' fact first: its two cards onto the stacks, then its card, each taken out.
    EXPECT_EQ(t.DealUntil(7 + V, 8 + V, 15 + V, 3), 2);
    EXPECT_EQ(t.top[0], 15 + V);
    EXPECT_EQ(t.top[1], 8 + V);
    EXPECT_EQ(t.deck.Remaining(), 87);
    EXPECT_EQ(t.deck.Count(7 + V) + t.deck.Count(8 + V) + t.deck.Count(15 + V), 12);
    // Missed once more: it comes back again, and then waits for the next game.
    ASSERT_STREQ(t.practice.Judged(Missed), "7 + 8 = 15");
    EXPECT_GE(t.DealUntil(7 + V, 8 + V, 15 + V, Practice::ComesBackWithin), 0);
    ASSERT_STREQ(t.practice.Judged(Missed), "7 + 8 = 15");
    EXPECT_EQ(t.practice.Waiting(), 0u);
    EXPECT_EQ(t.practice.Judged(Correct), nullptr);
}

TEST(Practice, OffDrawsAsTheDeckAloneAndOnlyTheFirstMinuteTakesEarlierFacts)
{
    Deck alone(5, 18);
    Table t;
    t.practice.Start(false, OpAdd, 18, 2000, { { 7 + V, 8 + V, 15 + V, Missed } });
    std::srand(5);
    std::vector<int> drawn;
    for (int i = 0; i < 30; ++i) drawn.push_back(alone.Draw());
    std::srand(5);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(t.practice.Deal(t.deck, i % 2, 1, 2), drawn[i]) << i;
    EXPECT_EQ(t.practice.Judged(Missed), nullptr);

    // Three deals a fact: at 20 s a card only the last missed fits the first minute.
    const std::vector<JudgedCard> two = { { 2 + V, 3 + V, 5 + V, Missed }, { 4 + V, 4 + V, 1 + V, Wrong } };
    t.practice.Start(true, OpAdd, 18, 20000, two);
    EXPECT_EQ(t.practice.Waiting(), 1u);
    EXPECT_GE(t.DealUntil(4 + V, 4 + V, 8 + V, 3), 0);
    t.practice.Start(true, OpAdd, 18, 2000, two);
    EXPECT_EQ(t.practice.Waiting(), 2u);
}

// A log of games as the game writes them: each deal's cards, then its outcome if it had one.
struct Log {
    std::string text;
    void Line(const char* message) { text += std::string("game/MainFrameWnd.cpp [7] => ") + message + "\r\n"; }
    // Cards dealt from two opening cards, left first; outcome -1 for a card let go.
    void Game(int left, int right, std::vector<std::pair<int, int>> cards)
    {
        int top[2] = { left, right }, side = 0;
        char line[200];
        for (const auto& card : cards) {
            std::snprintf(line, sizeof line, trace_words::JudgeFormat, trace_words::IsMatch, CardNames[top[0]],
                          CardNames[top[1]], CardNames[card.first], top[0], top[1], card.first);
            Line(line);
            top[side] = card.first;
            side ^= 1;
            if (card.second < 0) continue;
            std::snprintf(line, sizeof line, trace_words::OutcomeFormat, trace_words::DoGameClose,
                          trace_words::Outcomes[card.second]);
            Line(line);
        }
    }
};

TEST(Practice, TheLastThreeGamesOfALogsEnd)
{
    const std::string path = ::testing::TempDir() + "practice-test.qrv";
    Log log;
    // Over after three misses, with the one card dealt after its box; then a game broken off.
    log.Game(1, 2, { { 5, Missed }, { 6, Missed }, { 7, Missed }, { 9, -1 } });
    log.Game(10, 11, { { 3, Wrong }, { 4, -1 } });
    log.Line("a line of some other program");
    log.Line("MainFrameWnd::IsMatch : 0");
    log.Game(12, 13, { { 5, Missed }, { 6, Correct } });
    const size_t lastGame = log.text.size();
    log.Game(14, 15, { { 2, Wrong }, { 3, -1 }, { 4, Missed } });
    std::ofstream(path, std::ios::binary) << log.text;

    const std::vector<JudgedCard> last = MissedInLastGames(path, 3, 0);
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[0].left, 10);
    EXPECT_EQ(last[0].outcome, Wrong);
    EXPECT_EQ(last[1].card, 5);
    EXPECT_EQ(last[3].left, 2);
    EXPECT_EQ(last[3].right, 3);
    EXPECT_EQ(last[3].outcome, Missed);
    // Only the end is read: it begins inside a line, which is let go.
    EXPECT_EQ(MissedInLastGames(path, 3, log.text.size() - lastGame + 5).size(), 2u);
    EXPECT_EQ(MissedInLastGames(path, 1, 0).size(), 2u);

    std::ofstream(path, std::ios::binary) << "not a log\r\nof this game";
    EXPECT_TRUE(MissedInLastGames(path, 3, 0).empty());
    std::remove(path.c_str());
    EXPECT_TRUE(MissedInLastGames(path, 3, 0).empty());
}

} // namespace
