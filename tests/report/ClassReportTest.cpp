// The class page: a row per log, the class's counts added up, the trend of each log, and a log
// that cannot be read named without losing the others.
#include "ChildLogs.h"
#include "ClassReport.h"
#include "TestLog.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <fstream>
#include <sstream>

using namespace report;

namespace report_testing {
namespace {

// Games of one deal each: every deal that does not continue the last one begins a game.
// `spotted` tells per game whether its one winner, 6 + 2 = 8, was answered.
TestLog GamesOfOneWinner(const std::vector<bool>& spotted)
{
    TestLog log;
    for (bool s : spotted) {
        log.Deal(6, 2, 8, true, "+");
        if (s)
            log.Correct();
        else
            log.Missed();
    }
    return log;
}

std::string WriteLog(const TestLog& log, const std::string& name)
{
    const std::string path = TempPath(name);
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << log.Text();
    return path;
}

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ClassReport, RowPerLogClassCountsAndAnUnreadableLogNamed)
{
    // Anna: four games, the first two missed, the last two spotted, and a guess in the last.
    TestLog anna = GamesOfOneWinner({ false, false, true, true });
    anna.Deal(8, 2, 5, false, "+-*/");
    anna.Wrong();
    // Ben: one game with the same fact missed, and a product spotted.
    TestLog ben;
    ben.Deal(6, 2, 8, true, "+");
    ben.Missed();
    ben.Deal(8, 2, 16, true, "+-*");
    ben.Correct();
    const std::vector<std::string> paths = { WriteLog(anna, "anna.qrv"), TempPath("nobody.qrv"),
                                             WriteLog(ben, "ben.qrv") };
    ::DeleteFileA(paths[1].c_str());

    ClassReport report;
    std::stringstream sections;
    const std::vector<std::string> names = LogNames(paths);
    ASSERT_EQ(names, (std::vector<std::string>{ "anna", "nobody", "ben" }));
    EXPECT_TRUE(report.AddLog(paths[0], names[0], sections));
    EXPECT_FALSE(report.AddLog(paths[1], names[1], sections));
    EXPECT_TRUE(report.AddLog(paths[2], names[2], sections));

    const std::vector<ClassRow>& rows = report.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].games, 4u);
    EXPECT_EQ(rows[0].total.dealt, 5u);
    EXPECT_EQ(rows[0].total.wrong, 1u);
    // Four games: the first two against the last two.
    EXPECT_EQ(rows[0].trend.games, 2u);
    EXPECT_EQ(rows[0].trend.first.correct, 0u);
    EXPECT_EQ(rows[0].trend.last.correct, 2u);
    EXPECT_FALSE(rows[1].read);
    EXPECT_NE(rows[1].error.find("nobody.qrv"), std::string::npos) << rows[1].error;
    EXPECT_EQ(rows[2].games, 1u);
    EXPECT_EQ(rows[2].trend.games, 0u); // one game has nothing to compare
    EXPECT_EQ(report.Unreadable(), 1u);

    // The class adds the logs up; the fact both missed is the class's most missed.
    const LearningRecord& c = report.Class();
    EXPECT_EQ(c.games, 5u);
    EXPECT_EQ(c.total.winners, 6u);
    EXPECT_EQ(c.total.correct, 3u);
    EXPECT_EQ(c.Pair(6, 2).missed, 3u);
    EXPECT_EQ(c.Pair(8, 2).spotted, 1u);
    const std::deque<FactTally> missed = MostMissed(c, 10);
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].tally.missed, 3u);

    std::ostringstream page;
    report.WritePage(sections, page);
    const std::string html = page.str();
    EXPECT_NE(html.find("<td class=\"name\">anna</td><td>4</td><td>5</td><td>50%</td><td>100%</td><td>0% (2)</td>"
                        "<td>100% (2)</td><td>+100</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"name\">nobody</td><td colspan=\"7\" class=\"error\">could not be read: "),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"name\">ben</td><td>1</td><td>2</td><td>50%</td><td>-</td><td>-</td><td>-</td>"
                        "<td>-</td>"),
              std::string::npos);
    // Each log read has its own section, in the order given, after the class's grid.
    EXPECT_EQ(CountOf(html, "<section class=\"log\">"), 2u);
    EXPECT_LT(html.find("Fact grid of the class"), html.find("<h2>anna</h2>"));
    EXPECT_LT(html.find("<h2>anna</h2>"), html.find("<h2>ben</h2>"));
    EXPECT_EQ(CountOf(html, "<svg"), 1u + 2u * 2u); // the class grid; each log's chart and grid
    EXPECT_EQ(html.rfind("</html>\n"), html.size() - 8);

    std::ostringstream summary;
    report.WriteSummary(summary);
    EXPECT_NE(summary.str().find("nobody: NOT READ, cannot open the trace log"), std::string::npos) << summary.str();
    EXPECT_NE(summary.str().find("anna: 4 games, 5 cards dealt, winners spotted 50%, other cards answered 100%, "
                                 "first 2 games 0% -> last 2 100%\n"),
              std::string::npos)
        << summary.str();
    EXPECT_NE(summary.str().find("Class: 5 games, 7 cards dealt, winners spotted 50%"), std::string::npos)
        << summary.str();
    for (const std::string& p : paths) ::DeleteFileA(p.c_str());
}

TEST(ClassReport, TrendComparesFiveGamesAtEachEnd)
{
    // Twelve games: the first five all missed, the last five all spotted; 101 games push the
    // first ones out of the games kept, but not out of the trend.
    std::vector<bool> spotted(12, false);
    for (size_t i = 7; i < 12; ++i) spotted[i] = true;
    Trend trend = TrendOf(*GamesOfOneWinner(spotted).Read());
    EXPECT_EQ(trend.games, 5u);
    EXPECT_EQ(trend.first.winners, 5u);
    EXPECT_EQ(trend.first.correct, 0u);
    EXPECT_EQ(trend.last.correct, 5u);

    std::vector<bool> many(KeptGames + 1, true);
    many[0] = false;
    trend = TrendOf(*GamesOfOneWinner(many).Read());
    EXPECT_EQ(trend.first.correct, 4u);
    EXPECT_EQ(trend.last.correct, 5u);
}

TEST(ClassReport, LogsOfTheSameFileNameGoByTheirPaths)
{
    EXPECT_EQ(LogNames({ "C:\\pc1\\TRACE.QRV", "C:\\pc2\\TRACE.QRV", "D:emma.log" }),
              (std::vector<std::string>{ "C:\\pc1\\TRACE.QRV", "C:\\pc2\\TRACE.QRV", "emma" }));
}

// A log that names its players: a row and a section per child (a name met again is the same
// child), the games before any name the unnamed child's; hostile names stay data, escaped on
// the page and never more of a path than ASCII letters and digits.
TEST(ClassReport, ALogThatNamesItsPlayersGivesARowPerChild)
{
    const struct {
        std::string name, page;
    } children[] = {
        { "Ann", "-1-Ann" },
        { "<script>alert('x')</script>", "-2-scriptalertxscript" },
        { std::string(200, 'n'), "-3-" + std::string(24, 'n') },
        { "\"Q\" 'q' & <b>", "-4-Qqb" },
        { "..\\..\\evil/x:y", "-5-evilxy" },
        { "C\x01tl\x1B\x7F", "-6-Ctl" },
        { "Ren\xE9"
          "e",
          "-7-Rene" },
    };
    TestLog log = GamesOfOneWinner({ false });
    for (const auto& c : children) {
        log.Line(std::string(trace_words::DoGameStart) + trace_words::PlayerLead + c.name);
        log.Deal(6, 2, 8, true, "+");
        log.Correct();
    }
    log.Line(std::string(trace_words::DoGameStart) + trace_words::PlayerLead + "Ann");
    log.Deal(6, 2, 8, true, "+"); // left running: broken off by the log's end
    const std::string path = WriteLog(log, "players.qrv");
    ChildLogs read;
    std::string error;
    ASSERT_TRUE(ReadChildLogs(path, read, error)) << error;
    ASSERT_EQ(read.Children().size(), 8u);
    EXPECT_EQ(read.Children()[0].record->games + read.Children()[1].record->games, 3u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(read.Children()[i + 1].name + " " + ChildPagePath("C:\\TMP\\x-report.html", i + 1, children[i].name),
                  children[i].name + " C:\\TMP\\x-report" + children[i].page + ".html");
        EXPECT_EQ(read.Children()[i + 1].record->total.correct, 1u) << i;
    }

    ClassReport report;
    std::stringstream sections;
    ASSERT_TRUE(report.AddLog(path, "players", sections));
    ASSERT_EQ(report.Rows().size(), 8u);
    EXPECT_EQ(report.Rows()[0].name, "unnamed (players)");
    std::ostringstream page;
    report.WritePage(sections, page);
    const std::string html = page.str();
    EXPECT_NE(html.find("<td class=\"name\">Ann (players)</td><td>2</td>"), std::string::npos);
    EXPECT_NE(html.find("<h2>&lt;script&gt;alert('x')&lt;/script&gt; (players)</h2>"), std::string::npos);
    EXPECT_NE(html.find("<h2>&quot;Q&quot; 'q' &amp; &lt;b&gt; (players)</h2>"), std::string::npos);
    EXPECT_NE(html.find("<h2>C?tl?? (players)</h2>"), std::string::npos);
    EXPECT_NE(html.find("<h2>Ren\xC3\xA9"
                        "e (players)</h2>"),
              std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(std::count_if(html.begin(), html.end(), [](char c) { return c >= 0 && c < 0x20 && c != '\n'; }), 0);
    ::DeleteFileA(path.c_str());
}

} // namespace
} // namespace report_testing
