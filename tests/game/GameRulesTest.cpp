// The rules as plain functions: each operation's match, the pace's stages, the votes of an answer.
#include "GameRules.h"
#include "Settings.h"
#include <gtest/gtest.h>

namespace {

TEST(GameRules, EachOperationMatchesInEitherOrder)
{
    EXPECT_TRUE(OperationMatches(OpAdd, 6, 2, 8));
    EXPECT_TRUE(OperationMatches(OpSubtract, 2, 6, 4));
    EXPECT_TRUE(OperationMatches(OpMultiply, 2, 6, 12));
    EXPECT_TRUE(OperationMatches(OpDivide, 2, 6, 3));
    EXPECT_FALSE(OperationMatches(OpAdd, 6, 2, 4));
    EXPECT_FALSE(OperationMatches(OpDivide, 7, 2, 3)); // truncates to 3, but not exact
    EXPECT_TRUE(OperationMatches(OpMultiply, 0, 5, 0));
    EXPECT_FALSE(OperationMatches(OpDivide, 0, 5, 0)); // 0 is never a dividend, 5 / 0 never tried
    EXPECT_FALSE(OperationMatches(OpDivide, 0, 0, 0));
    EXPECT_TRUE(OperationMatches(OpDivide, 4, 4, 1));
    EXPECT_FALSE(OperationMatches(OpAdd | OpSubtract, 6, 2, 8)); // one operation at a time
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
