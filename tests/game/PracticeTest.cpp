// Practice without a window: the fact a miss teaches, off as the deck alone, a log's last games.
#include "Practice.h"
#include "TraceWords.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

const int V = 1; // a value's card code is the value + 1

TEST(Practice, TheFactAMissTeachesAndOffDrawsAsTheDeckAlone)
{
    const struct { JudgedCard judged; int operations, kinds; const char* text; } cases[] = {
        { { 2 + V, 9 + V, 7 + V, Missed }, OpAdd | OpSubtract, 18, "9 - 2 = 7" },
        // A wrong answer: the first chosen operation that makes a card of the deck (27 is none).
        { { 9 + V, 3 + V, 1 + V, Wrong }, OpMultiply | OpDivide, 18, "9 / 3 = 3" },
        { { 8 + V, 8 + V, 1 + V, Wrong }, OpAdd, 10, "" },
        { { 7 + V, WildCard, 3 + V, Missed }, OpAdd, 18, "" },
        { { 4 + V, 3 + V, 12 + V, Missed }, OpAdd, 18, "4 + 3 = 7" }, // a winner of other settings
    };
    for (const auto& c : cases) {
        Fact fact;
        ASSERT_EQ(FactOf(c.judged, c.operations, c.kinds, fact), *c.text != 0) << c.text;
        EXPECT_EQ(*c.text ? WrittenFact(fact) : "", c.text);
    }
    Deck alone(5, 18), dealt(5, 18);
    Practice off;
    off.Start(false, OpAdd, 18, 2000, { { 7 + V, 8 + V, 15 + V, Missed } });
    for (unsigned seed = 0; seed < 40; ++seed) {
        std::srand(seed);
        const int drawn = alone.Draw();
        std::srand(seed);
        EXPECT_EQ(off.Deal(dealt, seed % 2, 8, 9), drawn) << seed;
    }
    EXPECT_EQ(off.Judged(Missed), nullptr);
}

// A game as the game logs it from two opening cards: each card's deal, then its outcome (-1: none).
void LogGame(std::string& log, int left, int right, std::vector<std::pair<int, int>> cards)
{
    namespace words = trace_words;
    int top[2] = { left, right }, side = 0;
    char line[200];
    for (const auto& card : cards) {
        std::snprintf(line, sizeof line, words::JudgeFormat, words::IsMatch, CardNames[top[0]], CardNames[top[1]],
                      CardNames[card.first], top[0], top[1], card.first);
        log += std::string("game/MainFrameWnd.cpp [7] => ") + line + "\r\n";
        top[side] = card.first, side ^= 1;
        if (card.second < 0) continue;
        std::snprintf(line, sizeof line, words::OutcomeFormat, words::DoGameClose, words::Outcomes[card.second]);
        log += std::string("game/MainFrameWnd.cpp [8] => ") + line + "\r\n";
    }
}

TEST(Practice, TheLastThreeGamesOfALogsEnd)
{
    const std::string path = ::testing::TempDir() + "practice-test.qrv";
    std::string log;
    // Over after three misses, with the one card dealt after its box; then a game broken off.
    LogGame(log, 1, 2, { { 5, Missed }, { 6, Missed }, { 7, Missed }, { 9, -1 } });
    LogGame(log, 10, 11, { { 3, Wrong }, { 4, -1 } });
    log += "a line of some other program\r\ngame/MainFrameWnd.cpp [7] => MainFrameWnd::IsMatch : 0\r\n";
    LogGame(log, 12, 13, { { 5, Missed }, { 6, Correct } });
    const size_t lastGame = log.size();
    LogGame(log, 14, 15, { { 2, Wrong }, { 3, -1 }, { 4, Missed } });
    std::ofstream(path, std::ios::binary) << log;
    const std::vector<JudgedCard> last = MissedInLastGames(path, 3, 0);
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[0].left * 100 + last[0].card * 10 + last[0].outcome, 1000 + 30 + Wrong);
    EXPECT_EQ(last[3].left * 100 + last[3].right * 10 + last[3].outcome, 200 + 30 + Missed);
    // Only the end is read: it begins inside a line, which is let go.
    EXPECT_EQ(MissedInLastGames(path, 3, log.size() - lastGame + 5).size(), 2u);
    std::ofstream(path, std::ios::binary) << "not a log\r\nof this game";
    EXPECT_TRUE(MissedInLastGames(path, 3, 0).empty());
    std::remove(path.c_str());
    EXPECT_TRUE(MissedInLastGames(path, 3, 0).empty());
}

} // namespace
