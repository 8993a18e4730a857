// The rule book: each operation's match, a fact's written form, the flag's steps, the pace's
// stages and the votes of an answer.
#include "Cards.h"
#include "MatchRule.h"
#include "Outcomes.h"
#include "Pace.h"
#include <gtest/gtest.h>

namespace {

TEST(GameRules, EachOperationMatchesInEitherOrder)
{
    EXPECT_TRUE(OperationMatches(Addition, 6, 2, 8));
    EXPECT_TRUE(OperationMatches(Subtraction, 2, 6, 4));
    EXPECT_TRUE(OperationMatches(Multiplication, 2, 6, 12));
    EXPECT_TRUE(OperationMatches(Division, 2, 6, 3));
    EXPECT_FALSE(OperationMatches(Addition, 6, 2, 4));
    EXPECT_FALSE(OperationMatches(Division, 7, 2, 3)); // truncates to 3, but not exact
    EXPECT_TRUE(OperationMatches(Multiplication, 0, 5, 0));
    EXPECT_FALSE(OperationMatches(Division, 0, 5, 0)); // 0 is never a dividend, 5 / 0 never tried
    EXPECT_FALSE(OperationMatches(Division, 0, 0, 0));
    EXPECT_TRUE(OperationMatches(Division, 4, 4, 1));
    EXPECT_FALSE(OperationMatches(ByWildCard, 6, 2, 8)); // no arithmetic

    // The first operation of the mask in the game's order; the wild card anywhere wins by itself.
    const struct {
        int mask, left, right, card;
        Operation won;
    } cards[] = { { AllOperations, 5, 5, 1, Subtraction }, { OpMultiply | OpDivide, 3, 3, 2, Division },
                  { AllOperations, 3, 3, 5, Addition },    { 0, 3, 3, 5, NoOperation },
                  { 0, 3, WildCard, 5, ByWildCard },       { OpAdd, 17, 17, 1, NoOperation } };
    for (const auto& c : cards)
        EXPECT_EQ(WinningOperation(c.mask, c.left, c.right, c.card), c.won)
            << c.left << " " << c.right << " " << c.card;
}

TEST(GameRules, FactsAreWrittenLargerFirstWhereOrderMatters)
{
    EXPECT_EQ(FactText(Fact{ 7, 8, Addition, 15 }), "7 + 8 = 15");
    EXPECT_EQ(FactText(Fact{ 5, 12, Subtraction, 7 }), "12 - 5 = 7");
    EXPECT_EQ(FactText(Fact{ 2, 6, Multiplication, 12 }), "2 x 6 = 12");
    EXPECT_EQ(FactText(Fact{ 2, 12, Division, 6 }), "12 / 2 = 6");
    static const char* const signs[] = { "plus", "minus", "times", "by" };
    EXPECT_EQ(FactText(Fact{ 4, 0, Subtraction, 4 }, signs), "4 minus 0 = 4");
}

TEST(GameRules, TheFlagStepsAndTheGameEndsBelowTheStaff)
{
    EXPECT_EQ(FlagAfter(StartFlag, Correct), 3);
    EXPECT_EQ(FlagAfter(TopFlag, Correct), TopFlag); // never above the top
    EXPECT_EQ(FlagAfter(0, Missed), -1);
    EXPECT_EQ(FlagAfter(1, Wrong), -1);
    EXPECT_FALSE(GameOver(0));
    EXPECT_TRUE(GameOver(FlagAfter(0, Missed)));
    EXPECT_EQ(CardValue(CardCode(16)), 16);
    EXPECT_EQ(std::string(CardNames[CardCode(7)]), "07");
}

TEST(GameRules, ThePaceStepsByStageOnlyAfterItsPeriod)
{
    const struct {
        uint32_t interval;
        uint32_t after;
        int32_t period;
    } stages[] = { { 2000, 1800, 60 }, { 1001, 801, 60 }, { 1000, 900, 45 }, { 501, 401, 45 }, { 500, 490, 30 },
                   { 101, 91, 30 },    { 100, 95, 15 },   { 11, 6, 15 },     { 10, 9, 10 },    { 1, 0, 10 } };
    for (const auto& s : stages) {
        DealPace pace{ s.interval, 5 };
        EXPECT_TRUE(StepPace(pace, 6)) << s.interval;
        EXPECT_EQ(pace.interval, s.after) << s.interval;
        EXPECT_EQ(pace.period, s.period) << s.interval;
    }
    EXPECT_EQ(FirstInterval(PaceFaster), 2000u);
    EXPECT_EQ(FirstInterval(PaceSteady), 2000u);
    EXPECT_EQ(FirstInterval(PaceSlow), 4000u);
    DealPace pace{ 2000, 60 };
    EXPECT_FALSE(StepPace(pace, 60)); // strictly more than the period
    EXPECT_EQ(pace.interval, 2000u);
    pace = DealPace{ 0, 10 };
    EXPECT_TRUE(StepPace(pace, 11)); // due, but nothing is left to shorten
    EXPECT_EQ(pace.interval, 0u);
    EXPECT_EQ(pace.period, 10);
}

TEST(GameRules, VotesGrowWithWholeMinutes)
{
    // 17 / 2 + 5 / 2 + the operation mask, then two for each whole minute.
    EXPECT_EQ(CorrectVotes(17, 5, 0, 3), 8 + 2 + 3);
    EXPECT_EQ(CorrectVotes(17, 5, 119, 3), 8 + 2 + 2 + 3);
    EXPECT_EQ(CorrectVotes(9, 10, 600, 15), 4 + 5 + 20 + 15);
}

} // namespace
