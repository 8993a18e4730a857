// The progress chart: a point per game, gaps where a game had no such cards, and the average.
#include "ProgressChart.h"
#include "ReportWriter.h"
#include "TestLog.h"
#include <gtest/gtest.h>
#include <sstream>

using namespace report;

namespace report_testing {
namespace {

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string ChartOf(const LearningRecord& r)
{
    std::ostringstream out;
    WriteProgressChart(r, out);
    return out.str();
}

TEST(ProgressChart, SharesPerGameAndTheirAverage)
{
    TestLog log;
    // Game 1: one winner missed, one other card answered of two; game over.
    log.Deal(6, 2, 8, true, "+");
    log.Missed();
    log.Deal(8, 2, 5, false, "+-*/");
    log.Deal(8, 5, 11, false, "+-*/");
    log.Wrong();
    // Game 2: no winner at all, one card left to go by (the last is never judged).
    log.Deal(3, 9, 4, false, "+-*/");
    log.Deal(4, 9, 7, false, "+-*/");
    // Games 3 to 7: one winner each, all spotted.
    for (int g = 0; g < 5; ++g) {
        log.Deal(6 + (g % 2), 2, 8 + (g % 2), true, "+");
        log.Correct();
    }
    auto r = log.Read();
    const std::vector<ProgressPoint> p = ProgressOf(*r);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[0].game, 1u);
    EXPECT_TRUE(p[0].spotted.known);
    EXPECT_DOUBLE_EQ(p[0].spotted.share, 0.0);
    EXPECT_DOUBLE_EQ(p[0].guessed.share, 0.5);
    // A game without winners has no spotted share, and the average carries on without it.
    EXPECT_FALSE(p[1].spotted.known);
    EXPECT_TRUE(p[1].spotted.averageKnown);
    EXPECT_DOUBLE_EQ(p[1].spotted.average, 0.0);
    EXPECT_DOUBLE_EQ(p[1].guessed.share, 0.0);
    EXPECT_DOUBLE_EQ(p[1].guessed.average, 1.0 / 3.0); // pooled: 1 of 3 other cards
    // Games 3 to 7 spotted all: the average of game 5 pools 3 of 4 winners, of game 6 (five
    // games back to game 2) 4 of 4.
    EXPECT_DOUBLE_EQ(p[4].spotted.average, 3.0 / 4.0);
    EXPECT_DOUBLE_EQ(p[5].spotted.average, 1.0);
    EXPECT_FALSE(p[6].guessed.known);

    // The gap splits the guessed line: game 1 and 2, then nothing for 3 to 7.
    const std::string chart = ChartOf(*r);
    EXPECT_EQ(CountOf(chart, "<polyline class=\"guessed\""), 1u);
    EXPECT_EQ(CountOf(chart, "<circle class=\"spotted\""), 6u);
    EXPECT_EQ(CountOf(chart, "<rect class=\"guessed\""), 2u);
    for (const char* label : { ">game</text>", ">share of the cards</text>", ">0%</text>", ">100%</text>" })
        EXPECT_NE(chart.find(label), std::string::npos) << label;
    // The table a screen reader reads: a row a game, "-" where the game had no such cards.
    EXPECT_NE(chart.find("<tr><th scope=\"row\">1</th><td>0%</td><td>0%</td><td>50%</td><td>50%</td></tr>"),
              std::string::npos);
    EXPECT_NE(chart.find("<tr><th scope=\"row\">2</th><td>-</td><td>0%</td><td>0%</td><td>33%</td></tr>"),
              std::string::npos);
    EXPECT_NE(chart.find("<tr><th scope=\"row\">5</th><td>100%</td><td>75%</td><td>-</td><td>33%</td></tr>"),
              std::string::npos);
}

TEST(ProgressChart, OneGameIsOnePointAndNoGamesNoChart)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    log.Deal(8, 2, 3, false, "+-*/");
    log.Wrong();
    auto r = log.Read();
    const std::string chart = ChartOf(*r);
    EXPECT_EQ(CountOf(chart, "<polyline"), 0u);
    EXPECT_EQ(CountOf(chart, "<circle class=\"spotted\""), 1u);
    EXPECT_EQ(CountOf(chart, "<rect class=\"guessed\""), 1u);
    EXPECT_NE(chart.find("cx=\"341.0\""), std::string::npos); // in the middle, not at an edge

    LearningRecord empty;
    EXPECT_EQ(ChartOf(empty), "<p>No games to chart yet.</p>\n");
}

} // namespace
} // namespace report_testing
