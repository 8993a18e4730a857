// The page and the summary: where the page goes, how facts read, and what the page holds.
#include "ReportWriter.h"
#include "TestLog.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <vector>

using namespace report;

namespace report_testing {
namespace {

TEST(ReportWriter, ThePageGoesBesideTheLog)
{
    EXPECT_EQ(ReportPathFor("C:\\TMP\\TRACE.QRV"), "C:\\TMP\\TRACE-report.html");
    EXPECT_EQ(ReportPathFor("C:\\TMP\\TRACE"), "C:\\TMP\\TRACE-report.html");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(ReportPathFor("C:\\my.logs\\TRACE"), "C:\\my.logs\\TRACE-report.html");
    EXPECT_EQ(ReportPathFor("/tmp/a.b/log.old.qrv"), "/tmp/a.b/log.old-report.html");
    EXPECT_EQ(ReportPathFor("trace.qrv"), "trace-report.html");
    EXPECT_EQ(ReportPathFor(".qrv"), ".qrv-report.html");
}

TEST(ReportWriter, FactsReadFromTheLargerCard)
{
    FactTally f;
    f.larger = 7;
    f.smaller = 5;
    EXPECT_EQ(FactText(f, false), "7 + 5 = 12");
    f.operation = Subtraction;
    f.larger = 12;
    EXPECT_EQ(FactText(f, false), "12 - 5 = 7");
    EXPECT_EQ(FactText(f, true), "12 &minus; 5 = 7");
    f.operation = Multiplication;
    f.larger = 5;
    f.smaller = 0;
    EXPECT_EQ(FactText(f, false), "5 x 0 = 0");
    f.operation = Division;
    f.larger = 12;
    f.smaller = 4;
    EXPECT_EQ(FactText(f, true), "12 &divide; 4 = 3");
}

std::string PageOf(const LearningRecord& r, const std::string& path = "C:\\TMP\\TRACE.QRV")
{
    std::ostringstream out;
    WriteHtmlReport(r, path, out);
    return out.str();
}

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ReportWriter, PageIsSelfContained)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Missed();
    auto r = log.Read();
    const std::string page = PageOf(*r, "C:\\<b>&\"x\".qrv");
    for (const char* outside : { "<script", "src=", "href=", "url(", "@import", "<link", "<img", "<iframe" })
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    EXPECT_NE(page.find("C:\\&lt;b&gt;&amp;&quot;x&quot;.qrv"), std::string::npos);
    EXPECT_EQ(page.find("<b>&"), std::string::npos);
    EXPECT_EQ(CountOf(page, "<svg"), 2u); // the progress chart and the fact grid
    EXPECT_EQ(page.rfind("</html>\n"), page.size() - 8);
}

TEST(ReportWriter, GridHasEveryPairAndShowsItBothWaysRound)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Missed();
    log.Deal(8, 2, 16, true, "+-*");
    log.Correct();
    auto r = log.Read();
    const std::string page = PageOf(*r);
    // The page's own title, one per square, and one for the game's point in the chart.
    EXPECT_EQ(CountOf(page, "<title>"), 1u + 17u * 17u + 1u);
    EXPECT_EQ(CountOf(page, ": 0 of 1 winners spotted</title>"), 2u);
    EXPECT_NE(page.find("<title>6 and 2: 0 of 1 winners spotted</title>"), std::string::npos);
    EXPECT_NE(page.find("<title>2 and 6: 0 of 1 winners spotted</title>"), std::string::npos);
    EXPECT_NE(page.find("<title>2 and 8: 1 of 1 winners spotted</title>"), std::string::npos);
    EXPECT_EQ(CountOf(page, "no winners yet"), 17u * 17u - 4u);
    EXPECT_NE(page.find("6 + 2 = 8"), std::string::npos); // the one fact missed
}

// WCAG's contrast ratio of two colours written #rrggbb.
double ContrastOf(const std::string& a, const std::string& b)
{
    const auto luminance = [](const std::string& colour) {
        const double weight[3] = { 0.2126, 0.7152, 0.0722 };
        double l = 0;
        for (int i = 0; i < 3; ++i) {
            const double c = std::stoi(colour.substr(1 + 2 * i, 2), nullptr, 16) / 255.0;
            l += weight[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// Each value after the key, up to the quote or the semicolon, in order.
std::vector<std::string> ValuesAfter(const std::string& text, const std::string& key, size_t from = 0,
                                     size_t to = std::string::npos)
{
    std::vector<std::string> values;
    for (size_t at = text.find(key, from); at != std::string::npos && at < to; at = text.find(key, at + 1)) {
        const size_t start = at + key.size();
        values.push_back(text.substr(start, text.find_first_of("\";}", start) - start));
    }
    return values;
}

// Every number on a coloured square of the grid reads at 4.5:1 or more, every line of the chart
// stands out from the page at 3:1 or more, and both carry their numbers in a table for a screen
// reader, which skips the pictures.
TEST(ReportWriter, NumbersAndLinesStandOutAndAreReadAsTables)
{
    TestLog log;
    // Pairs k and 1 with ten winners each, k of them spotted: shares from 0 to 1 in tenths.
    for (int k = 0; k <= 10; ++k)
        for (int i = 0; i < 10; ++i) {
            log.Deal(k, 1, k + 1, true, "+");
            if (i < k)
                log.Correct();
            else
                log.Missed();
        }
    auto r = log.Read();
    const std::string page = PageOf(*r);

    // The squares: a fill, then the number's own fill.
    size_t squares = 0;
    std::set<std::string> fills;
    for (size_t at = page.find("<rect x="); at != std::string::npos; at = page.find("<rect x=", at + 1)) {
        const size_t end = page.find("\n", at);
        const std::vector<std::string> square = ValuesAfter(page, "fill=\"", at, end);
        if (square.size() != 2) continue; // a square without winners, or a legend's
        ++squares;
        fills.insert(square[0]);
        EXPECT_GE(ContrastOf(square[0], square[1]), 4.5) << square[1] << " on " << square[0];
    }
    EXPECT_EQ(squares, 2u * 11u - 1u) << "each pair both ways round, 1 and 1 once";
    EXPECT_EQ(fills.size(), 11u);

    // Every stroke the page's style gives, against the page; none made fainter by opacity.
    const size_t style = page.find("<style>"), styleEnd = page.find("</style>");
    const size_t body = page.find("body{", style);
    const std::vector<std::string> background = ValuesAfter(page, "background:", body, page.find("}", body));
    ASSERT_EQ(background.size(), 1u);
    const std::string white = background[0] == "#fff" ? "#ffffff" : background[0];
    const std::vector<std::string> strokes = ValuesAfter(page, "stroke:", style, styleEnd);
    EXPECT_GE(strokes.size(), 6u);
    for (const std::string& stroke : strokes) {
        ASSERT_EQ(stroke.size(), 7u) << stroke;
        EXPECT_GE(ContrastOf(stroke, white), 3.0) << stroke;
    }
    EXPECT_EQ(page.substr(style, styleEnd - style).find("opacity"), std::string::npos);

    // Both pictures are left out for a screen reader; their numbers follow in tables.
    EXPECT_EQ(CountOf(page, "<svg"), CountOf(page, "aria-hidden=\"true\""));
    EXPECT_EQ(CountOf(page, "<table class=\"sr\">"), 2u);
    EXPECT_NE(page.find("<caption>Fact grid</caption>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td>3</td><td>1</td><td>10</td><td>3</td><td>30%</td><td>-</td></tr>"), std::string::npos)
        << "the pair 3 and 1, once";
    EXPECT_EQ(CountOf(page, "<td>10</td><td>3</td><td>30%</td>"), 1u);
    EXPECT_NE(page.find("<caption>Progress from game to game</caption>"), std::string::npos);
    EXPECT_EQ(CountOf(page, "<tr><th scope=\"row\">"), r->recentGames.size());
}

// Practice games beside shuffled ones; a fact missed, then right twice in a row, is marked learned
// by a shape on its squares and in words for a screen reader.
TEST(ReportWriter, PracticeBesideShuffledAndLearnedFacts)
{
    TestLog log = PracticeGameLearningSevenPlusEight();
    auto r = log.Read();
    const std::string page = PageOf(*r);
    for (const char* row : { ">games</th><td>1</td><td>0</td>", ">missed sums back within six cards</th><td>1</td><td>0</td>",
                             ">of them then answered right</th><td>1</td><td>0</td>" })
        EXPECT_NE(page.find(row), std::string::npos) << row;
    EXPECT_NE(page.find("<th scope=\"col\">practice games</th><th scope=\"col\">shuffled games</th>"), std::string::npos);
    EXPECT_NE(page.find("<title>7 and 8: 2 of 3 winners spotted (learned: 8 + 7 = 15)</title>"), std::string::npos);
    EXPECT_NE(page.find("<td>3</td><td>2</td><td>67%</td><td>8 + 7 = 15</td></tr>"), std::string::npos);
    EXPECT_EQ(CountOf(page, "<path d="), 3u) << "both ways round, and the legend's";
    EXPECT_NE(page.find("learned: missed, then right twice in a row</text>"), std::string::npos);
}

TEST(ReportWriter, SummaryGivesTheTotals)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Missed();
    log.Deal(8, 2, 9, false, "+-*/");
    log.Wrong();
    log.Raw("noise");
    auto r = log.Read();
    std::ostringstream out;
    WriteTextSummary(*r, "C:\\TMP\\TRACE.QRV", out);
    const std::string text = out.str();
    EXPECT_NE(text.find("Cards dealt: 2, winners: 1, correct: 0, missed: 1, wrong: 1, spotted: 0%\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Games: 1 (1 to game over)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("skipped: 1 (1 not the game's, 0 out of place)"), std::string::npos) << text;
    EXPECT_NE(text.find("Missed most often: 6 + 2 = 8 (1x)\n"), std::string::npos) << text;
}

TEST(ReportWriter, AnEmptyLogSaysSo)
{
    auto r = std::make_unique<LearningRecord>();
    const std::string page = PageOf(*r);
    EXPECT_NE(page.find("No games were found"), std::string::npos);
    std::ostringstream out;
    WriteTextSummary(*r, "x", out);
    EXPECT_NE(out.str().find("Missed most often: none"), std::string::npos);
}

} // namespace
} // namespace report_testing
