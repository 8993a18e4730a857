// Games rebuilt from logs written line by line: outcomes, operations, refills, game ends.
#include "TestLog.h"
#include <gtest/gtest.h>

using namespace report;

namespace report_testing {
namespace {

// Opening cards 6 and 2; every deal covers the stack that is due, left first.
TestLog EveryOperationGame()
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct(); // 8 on the left: 8 | 2, flag 3
    log.Deal(8, 2, 4, true, "+-*/");
    log.Missed(); // 8 | 4, flag 2
    log.Deal(8, 4, 4, true, "+-");
    log.Correct(); // 4 | 4, flag 3
    log.Deal(4, 4, 16, true, "+-*");
    log.Correct(); // 4 | 16, flag 4
    log.Deal(4, 16, KAZ, true);
    log.Missed(); // KAZ | 16, flag 3
    log.Deal(KAZ, 16, 5, true);
    log.Correct(); // KAZ | 5, flag 4
    log.Deal(KAZ, 5, 3, true);
    log.Missed(); // 3 | 5, flag 3
    log.Deal(3, 5, 9, false, "+-*/"); // left to go by
    log.Deal(3, 9, 1, false, "+-*/");
    log.Wrong(); // 1 | 9, flag 1
    return log;
}

TEST(RebuildGames, OneGameWithAWinnerByEachOperation)
{
    auto r = EveryOperationGame().Read();
    EXPECT_EQ(r->foreignLines, 0u);
    EXPECT_EQ(r->strayLines, 0u);
    ASSERT_EQ(r->games, 1u);
    ASSERT_EQ(r->recentGames.size(), 1u);
    const GameSummary& g = r->recentGames[0];
    EXPECT_FALSE(g.over); // the log breaks off at flag 1
    EXPECT_EQ(g.flag, 1);
    EXPECT_EQ(g.tally.dealt, 9u);
    EXPECT_EQ(g.tally.winners, 7u);
    EXPECT_EQ(g.tally.correct, 4u);
    EXPECT_EQ(g.tally.missed, 3u);
    EXPECT_EQ(g.tally.wrong, 1u);
    EXPECT_EQ(r->total.dealt, 9u);
    EXPECT_EQ(r->unjudgedCards, 0u); // the last card had its judgement line
    EXPECT_EQ(g.tally.cameBack, 0u); // 8 and 2 never showed again

    const struct {
        Operation op;
        uint64_t seen, spotted, missed;
    } expected[] = { { Addition, 1, 1, 0 },
                     { Subtraction, 1, 1, 0 },
                     { Multiplication, 1, 1, 0 },
                     { Division, 1, 0, 1 },
                     { ByWildCard, 3, 1, 2 } };
    for (const auto& e : expected) {
        EXPECT_EQ(r->byOperation[e.op].seen, e.seen) << e.op;
        EXPECT_EQ(r->byOperation[e.op].spotted, e.spotted) << e.op;
        EXPECT_EQ(r->byOperation[e.op].missed, e.missed) << e.op;
    }
    // Facts by the pair showing, either way round; wild cards stay out of the grid.
    EXPECT_EQ(r->Pair(2, 8).seen, 1u);
    EXPECT_EQ(r->Pair(8, 2).missed, 1u);
    EXPECT_EQ(r->Pair(6, 2).spotted, 1u);
    EXPECT_EQ(r->Pair(4, 4).seen, 1u);
    EXPECT_EQ(r->Pair(8, 4).spotted, 1u);
    EXPECT_EQ(r->Pair(4, 16).seen, 0u);
    EXPECT_EQ(r->Pair(16, 5).seen, 0u);
    EXPECT_EQ(r->facts[Division][8][2].missed, 1u);
    EXPECT_EQ(r->facts[Multiplication][4][4].spotted, 1u);
}

// A practice game: 7 + 8 let go, then 7 and 8 showing again three cards later, answered: back and
// then right; right once more, it is learned. Then a shuffled game where 3 + 2 comes back, missed.
TEST(RebuildGames, AMissShowingAgainWithinSixCardsInPracticeAndShuffledGames)
{
    TestLog log = PracticeGameLearningSevenPlusEight();
    log.Line(std::string(trace_words::DoGameStart) + trace_words::PlayerLead + "Ann");
    log.Deal(2, 3, 5, true, "+"), log.Missed(); // 5 | 3
    log.Deal(5, 3, 2, true, "+-"), log.Missed(); // 5 | 2
    log.Deal(5, 2, 3, true, "+-"), log.Correct(); // 3 | 2
    log.Deal(3, 2, 5, true, "+"), log.Missed();
    auto r = log.Read();
    ASSERT_EQ(r->games, 2u);
    EXPECT_EQ(r->strayLines + r->foreignLines, 0u);
    EXPECT_TRUE(r->recentGames[0].practice);
    EXPECT_FALSE(r->recentGames[1].practice);
    EXPECT_EQ(r->practiceGames, 1u);
    EXPECT_EQ(r->practice.cameBack * 10 + r->practice.thenRight, 11u);
    EXPECT_EQ(r->total.cameBack * 10 + r->total.thenRight, 21u);
    EXPECT_TRUE(r->facts[Addition][8][7].Learned());
    EXPECT_TRUE(r->PairLearned(7, 8));
    EXPECT_FALSE(r->facts[Addition][3][2].Learned()); // missed both times
    EXPECT_FALSE(r->facts[Subtraction][15][8].Learned()); // right twice, never missed
    // A class adds the counts, not whether each child learned a fact.
    LearningRecord group;
    group.AddCounts(*r);
    EXPECT_EQ(group.practice.cameBack + group.practiceGames, 2u);
    EXPECT_FALSE(group.PairLearned(7, 8));
}

TEST(RebuildGames, TheLastOperationBeforeTheVerdictMadeTheWinner)
{
    TestLog log;
    // 0 and 0 give 0 by every operation but division: the first one tried wins.
    log.Deal(0, 0, 0, true, "-", 2 | 4);
    log.Missed();
    log.Deal(0, 0, 0, true, "+", 15);
    log.Correct();
    log.Deal(0, 0, 0, true, "*", 4 | 8);
    log.Correct();
    auto r = log.Read();
    EXPECT_EQ(r->strayLines, 0u);
    EXPECT_EQ(r->byOperation[Subtraction].missed, 1u);
    EXPECT_EQ(r->byOperation[Addition].spotted, 1u);
    EXPECT_EQ(r->byOperation[Multiplication].spotted, 1u);
    EXPECT_EQ(r->facts[Multiplication][0][0].spotted, 1u);
    EXPECT_EQ(r->facts[Subtraction][0][0].missed, 1u);
}

TEST(RebuildGames, AVerdictTheNamedOperationCannotGiveIsSkipped)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    log.Deal(8, 2, 5, true, "+"); // 8 + 2 is not 5: a corrupt deal
    log.Correct(); // and nothing open for it to judge
    auto r = log.Read();
    EXPECT_EQ(r->total.correct, 1u);
    EXPECT_EQ(r->strayLines, 5u); // four lines of the deal and its judgement
    EXPECT_EQ(r->games, 1u);
}

TEST(RebuildGames, RefillsCountAndJudgeAnUnansweredCard)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    log.Refill({ 6, 8 }, { 2 }); // after a judgement line
    log.Deal(8, 2, 9, false, "+-*/");
    log.Refill({ 8 }, { 2, 9 }); // the card went by unanswered: judged, no line
    log.Deal(8, 9, 1, true, "+-");
    log.Missed();
    auto r = log.Read();
    EXPECT_EQ(r->strayLines, 0u);
    ASSERT_EQ(r->games, 1u);
    const Tally& t = r->recentGames[0].tally;
    EXPECT_EQ(t.refills, 2u);
    EXPECT_EQ(t.dealt, 3u);
    EXPECT_EQ(t.winners, 2u);
    EXPECT_EQ(r->refillsOutside, 0u);
}

TEST(RebuildGames, GameOverThenTheLastCardThenANewGame)
{
    TestLog log;
    log.Deal(6, 2, 3, true, "+-*/");
    log.Missed(); // 3 | 2, flag 1
    log.Deal(3, 2, 1, true, "+-");
    log.Missed(); // 3 | 1, flag 0
    log.Deal(3, 1, 4, true, "+");
    log.Missed(); // flag -1: game over, 4 | 1
    log.Answer(); // pressed while the box was up: dropped
    log.Deal(4, 1, 5, true, "+"); // dealt after the box, never judged
    log.Deal(10, 11, 7, false, "+-*/"); // the next Start
    log.Deal(7, 11, 4, true, "+-");
    log.Correct();
    auto r = log.Read();
    EXPECT_EQ(r->strayLines, 0u);
    ASSERT_EQ(r->games, 2u);
    EXPECT_EQ(r->gamesOver, 1u);
    EXPECT_EQ(r->afterGameOver, 1u);
    const GameSummary& first = r->recentGames[0];
    EXPECT_TRUE(first.over);
    EXPECT_EQ(first.flag, -1);
    EXPECT_EQ(first.tally.dealt, 3u);
    EXPECT_EQ(first.tally.missed, 3u);
    const GameSummary& second = r->recentGames[1];
    EXPECT_EQ(second.number, 2u);
    EXPECT_EQ(second.tally.dealt, 2u);
    EXPECT_EQ(second.tally.correct, 1u);
    EXPECT_EQ(second.flag, 3);
    EXPECT_EQ(r->total.winners, 4u); // the card after the game over is no winner of anyone's
}

// A game that ends with the deck's last card deals nothing after its box: the next deal is the
// new game's, even when its opening cards happen to be the old top cards.
TEST(RebuildGames, NewGameRightAfterGameOverWhenNoLastCardCame)
{
    TestLog log;
    log.Deal(6, 2, 9, false, "+-*/");
    log.Wrong(); // 9 | 2, flag 0
    log.Deal(9, 2, 1, false, "+-*/");
    log.Wrong(); // game over, 9 | 1
    log.Deal(9, 1, 3, false, "+-*/"); // new game, opening 9 and 1 again
    log.Wrong(); // a judgement: this was a game's card
    auto r = log.Read();
    EXPECT_EQ(r->strayLines, 0u);
    ASSERT_EQ(r->games, 2u);
    EXPECT_EQ(r->afterGameOver, 0u);
    EXPECT_EQ(r->recentGames[1].tally.wrong, 1u);
    EXPECT_EQ(r->recentGames[1].flag, 0);
}

TEST(RebuildGames, UnansweredFirstCardOfANewGameIsToldByItsFollower)
{
    TestLog log;
    log.Deal(6, 2, 9, false, "+-*/");
    log.Wrong();
    log.Deal(9, 2, 1, false, "+-*/");
    log.Wrong(); // game over, 9 | 1
    log.Deal(9, 1, 5, false, "+-*/"); // looks like the last card...
    log.Deal(5, 1, 6, true, "+"); // ...but this deal continues from it: both are a game's
    log.Correct();
    auto r = log.Read();
    ASSERT_EQ(r->games, 2u);
    EXPECT_EQ(r->afterGameOver, 0u);
    EXPECT_EQ(r->recentGames[1].tally.dealt, 2u);
    EXPECT_EQ(r->recentGames[1].tally.correct, 1u);
}

TEST(RebuildGames, FlagStopsAtTheTopOfTheStaff)
{
    TestLog log;
    // Opening 0 and 1: 1 wins by addition again and again, the stacks stay 1 | 1.
    log.Deal(0, 1, 1, true, "+");
    for (int n = 0; n < 9; ++n) {
        log.Correct();
        log.Deal(1, 1, 1, true, "+-*/");
    }
    // From the top, eight misses leave the flag at 0; a ninth ends the game.
    for (int n = 0; n < 8; ++n) {
        log.Missed();
        log.Deal(1, 1, 1, true, "+-*/");
    }
    auto before = log.Read();
    ASSERT_EQ(before->games, 1u);
    EXPECT_FALSE(before->recentGames[0].over);
    EXPECT_EQ(before->recentGames[0].flag, 0);
    log.Missed();
    auto after = log.Read();
    EXPECT_TRUE(after->recentGames[0].over);
    EXPECT_EQ(after->recentGames[0].tally.correct, 9u);
    EXPECT_EQ(after->recentGames[0].tally.missed, 9u);
}

TEST(RebuildGames, ALogBreakingOffMidGameThenANewRun)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    log.Deal(8, 2, 10, true, "+"); // window closed before the judgement
    log.Deal(3, 3, 6, true, "+"); // a new run: the stacks do not continue
    log.Correct();
    log.Deal(6, 3, 7, false, "+-*/"); // and the log ends on an open card
    auto r = log.Read();
    EXPECT_EQ(r->strayLines, 0u);
    ASSERT_EQ(r->games, 2u);
    EXPECT_EQ(r->gamesOver, 0u);
    EXPECT_EQ(r->unjudgedCards, 2u);
    EXPECT_EQ(r->recentGames[0].tally.dealt, 1u);
    EXPECT_EQ(r->recentGames[0].tally.winners, 1u); // the winner never judged is no winner of it
    EXPECT_EQ(r->recentGames[1].tally.dealt, 1u);
}

TEST(RebuildGames, ForeignLinesAreCountedAndSkipped)
{
    TestLog log;
    log.Raw("some other program's line");
    log.Raw("");
    log.Deal(6, 2, 8, true, "+");
    log.Raw("Z:\\x.cpp [12] => MainFrameWnd::DoGameClose BRILLIANT");
    log.Raw("MainFrameWnd::DoGameClose CORRECT"); // no location
    log.Raw("Z:\\x.cpp [] => MainFrameWnd::DoGameClose CORRECT"); // no line number
    log.Raw("Z:\\x.cpp [9] => MainFrameWnd::IsMatch : 05 03 08 (6, 4, 10)"); // names and codes disagree
    log.Raw("Z:\\x.cpp [9] => MainFrameWnd::IsMatch : 17 03 08 (18, 4, 9)"); // no card 17
    log.Raw(std::string("\x01\xff\xfe binary \x7f", 12));
    log.Correct();
    log.Raw("Z:\\x.cpp [9] => MainFrameWnd::DoGameSetup ismatch? YES please");
    auto r = log.Read();
    EXPECT_EQ(r->foreignLines, 9u);
    EXPECT_EQ(r->strayLines, 0u);
    EXPECT_EQ(r->lines, 9u + 6u);
    ASSERT_EQ(r->games, 1u);
    EXPECT_EQ(r->total.correct, 1u);
}

TEST(RebuildGames, GameLinesOutOfPlaceAreCountedAndSkipped)
{
    TestLog log;
    log.Missed(); // nothing dealt yet
    log.Line("MainFrameWnd::DoGameSetup ismatch? NO"); // a verdict without cards
    // The match rule asked on its own, with no deal after it.
    log.Line("MainFrameWnd::IsMatch : 04 04 08 (5, 5, 9)");
    log.Line("MainFrameWnd::IsMatch : 4 4 8 (0001)");
    log.Line("MainFrameWnd::IsMatch +");
    log.Deal(6, 2, 8, true, "+");
    log.Wrong(); // a winner cannot be answered wrongly
    log.Correct();
    auto r = log.Read();
    EXPECT_EQ(r->foreignLines, 0u);
    EXPECT_EQ(r->strayLines, 6u);
    ASSERT_EQ(r->games, 1u);
    EXPECT_EQ(r->total.correct, 1u);
    EXPECT_EQ(r->total.wrong, 0u);
}

TEST(RebuildGames, OnlyTheLastGamesAreKeptOneByOne)
{
    TestLog log;
    const int games = 150;
    for (int n = 0; n < games; ++n) {
        // Each game: two wrong answers from flag 2 end it; then its last card.
        log.Deal(n % 10, 3, 16, false, "+-*/");
        log.Wrong();
        log.Deal(16, 3, 15, false, "+-*/");
        log.Wrong();
        log.Deal(16, 15, 14, false, "+-*/");
    }
    auto r = log.Read();
    EXPECT_EQ(r->games, 150u);
    EXPECT_EQ(r->gamesOver, 150u);
    EXPECT_EQ(r->total.wrong, 300u);
    ASSERT_EQ(r->recentGames.size(), KeptGames);
    EXPECT_EQ(r->recentGames.front().number, 51u);
    EXPECT_EQ(r->recentGames.back().number, 150u);
}

TEST(RebuildGames, MostMissedFactsFirstThenTheMostOftenMissedShare)
{
    TestLog log;
    // 7 + 5 missed twice in three sightings (either way round), 12 - 5 twice in two, 12 - 7 never.
    log.Deal(7, 5, 12, true, "+");
    log.Missed(); // 12 | 5, flag 1
    log.Deal(12, 5, 7, true, "+-");
    log.Missed(); // 12 | 7, flag 0
    log.Deal(12, 7, 5, true, "+-");
    log.Correct(); // 5 | 7, flag 1
    log.Deal(5, 7, 12, true, "+");
    log.Correct(); // 5 | 12, flag 2
    log.Deal(5, 12, 7, true, "+-");
    log.Missed(); // 7 | 12, flag 1
    log.Deal(7, 12, 5, true, "+-");
    log.Correct(); // 7 | 5, flag 2
    log.Deal(7, 5, 12, true, "+");
    log.Missed(); // 12 | 5, flag 1
    log.Deal(12, 5, 6, false, "+-*/");
    log.Wrong(); // game over
    auto r = log.Read();
    ASSERT_EQ(r->gamesOver, 1u);
    const std::deque<FactTally> top = MostMissed(*r, 5);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].operation, Subtraction);
    EXPECT_EQ(top[0].larger, 12);
    EXPECT_EQ(top[0].smaller, 5);
    EXPECT_EQ(top[0].Result(), 7);
    EXPECT_EQ(top[0].tally.seen, 2u);
    EXPECT_EQ(top[1].operation, Addition);
    EXPECT_EQ(top[1].larger, 7);
    EXPECT_EQ(top[1].smaller, 5);
    EXPECT_EQ(top[1].Result(), 12);
    EXPECT_EQ(top[1].tally.missed, 2u);
    EXPECT_EQ(top[1].tally.seen, 3u);
    const std::deque<FactTally> one = MostMissed(*r, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].operation, Subtraction);
}

} // namespace
} // namespace report_testing
