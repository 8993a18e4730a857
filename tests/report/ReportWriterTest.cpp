// The page and the summary: where the page goes, how facts read, and what the page holds.
#include "ReportWriter.h"
#include "TestLog.h"
#include <gtest/gtest.h>
#include <sstream>

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
    Fact f;
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
