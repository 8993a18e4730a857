// Reading the log: lines in any pieces, line ends, overlong lines, files that cannot be read.
#include "TestLog.h"
#include "GameRebuilder.h"
#include "TraceLogReader.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstring>

using namespace report;

namespace report_testing {
namespace {

std::string OneGame()
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    log.Deal(8, 2, 4, true, "+-*/");
    log.Missed();
    return log.Text();
}

void ExpectOneGame(const LearningRecord& r)
{
    EXPECT_EQ(r.games, 1u);
    EXPECT_EQ(r.total.correct, 1u);
    EXPECT_EQ(r.total.missed, 1u);
    EXPECT_EQ(r.strayLines, 0u);
}

TEST(ReadTraceLog, LinesSplitAcrossPiecesAtEveryByte)
{
    const std::string text = OneGame();
    for (size_t cut : { size_t(1), size_t(7), size_t(64), text.size() - 1 }) {
        auto r = std::make_unique<LearningRecord>();
        GameRebuilder rebuilder(*r);
        TraceLogReader reader(rebuilder);
        for (size_t at = 0; at < text.size(); at += cut) reader.Feed(text.data() + at, std::min(cut, text.size() - at));
        reader.End();
        rebuilder.Finish();
        ExpectOneGame(*r);
        EXPECT_EQ(r->foreignLines, 0u) << cut;
    }
}

TEST(ReadTraceLog, BareLineFeedsAndALastLineWithoutEnd)
{
    std::string text = OneGame();
    std::string bare;
    for (char c : text)
        if (c != '\r') bare += c;
    bare.pop_back(); // the last line loses its line end
    auto r = std::make_unique<LearningRecord>();
    GameRebuilder rebuilder(*r);
    TraceLogReader reader(rebuilder);
    reader.Feed(bare.data(), bare.size());
    reader.End();
    rebuilder.Finish();
    ExpectOneGame(*r);
    EXPECT_EQ(r->lines, 14u);
}

// A file with no line ends at all (a picture, say) must not be held in memory whole.
TEST(ReadTraceLog, OverlongLineIsOneForeignLine)
{
    const std::string before = OneGame();
    std::string junk(3 * LongestLine + 5, 'x');
    junk.replace(10, 30, " [1] => MainFrameWnd::DoGameMatch");
    TestLog tail;
    tail.Deal(8, 4, 12, true, "+");
    tail.Correct();
    const std::string text = before + junk + "\r\n" + tail.Text();
    auto r = std::make_unique<LearningRecord>();
    GameRebuilder rebuilder(*r);
    TraceLogReader reader(rebuilder);
    for (size_t at = 0; at < text.size(); at += 1000)
        reader.Feed(text.data() + at, std::min<size_t>(1000, text.size() - at));
    reader.End();
    rebuilder.Finish();
    EXPECT_EQ(r->foreignLines, 1u);
    EXPECT_EQ(r->games, 1u);
    EXPECT_EQ(r->total.correct, 2u); // the game goes on after the junk
}

TEST(ReadTraceLog, ALineOfTheLongestLengthIsStillRead)
{
    // The game cuts its lines at 8191 characters before CR LF.
    const std::string tail = " [1] => MainFrameWnd::DoGameMatch";
    const std::string line = "Z:\\" + std::string(LongestLine - 1 - 3 - tail.size(), 'd') + tail;
    ASSERT_EQ(line.size(), LongestLine - 1);
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Raw(line);
    log.Line("MainFrameWnd::DoGameClose CORRECT");
    auto r = log.Read();
    EXPECT_EQ(r->foreignLines, 0u);
    EXPECT_EQ(r->total.correct, 1u);
}

TEST(ParseTraceLine, TheGamesFormatsAndNearMisses)
{
    const struct {
        const char* line;
        bool game;
        TraceKind kind;
    } cases[] = {
        { "C:\\src\\MainFrameWnd.cpp [330] => Left  [  1 ] = KAZ", true, TraceKind::StackCard },
        { "C:\\src\\MainFrameWnd.cpp [332] => Right [ 12 ] = 16", true, TraceKind::StackCard },
        { "game/MainFrameWnd.cpp [332] => Right [ 12 ] = 16", true, TraceKind::StackCard },
        { "C:\\src\\MainFrameWnd.cpp [330] => Left [  1 ] = 16", false, TraceKind::Foreign },
        { "C:\\src\\MainFrameWnd.cpp [330] => Left  [  0 ] = 16", false, TraceKind::Foreign },
        { "a b [1] => MainFrameWnd::IsMatch : KAZ 16 00 (0, 17, 1)", true, TraceKind::Judge },
        { "a b [1] => MainFrameWnd::IsMatch : 16 16 16 (17, 17, 16)", false, TraceKind::Foreign },
        { "a b [1] => MainFrameWnd::IsMatch : 4 4 8 (000F)", true, TraceKind::Values },
        { "a b [1] => MainFrameWnd::IsMatch : 4 4 8 (000f)", false, TraceKind::Foreign },
        { "a b [1] => MainFrameWnd::IsMatch : 4 4 17 (000F)", false, TraceKind::Foreign },
        { "a b [1] => MainFrameWnd::IsMatch / 2", true, TraceKind::Tried },
        { "a b [1] => MainFrameWnd::IsMatch /", false, TraceKind::Foreign },
        { "a b [1] => MainFrameWnd::IsMatch NO!", true, TraceKind::NoMatch },
        { "a b [1] => MainFrameWnd::DoGameMatch", true, TraceKind::Answer },
        { "a b [1] => MainFrameWnd::DoGameMatch ", false, TraceKind::Foreign },
        { "a b [1] =>MainFrameWnd::DoGameMatch", false, TraceKind::Foreign },
        { "a b[1] => MainFrameWnd::DoGameMatch", false, TraceKind::Foreign },
        // The message follows the first separator; a path with brackets in it is fine.
        { "C:\\a [b] => c\\d.cpp [1] => MainFrameWnd::DoGameMatch", false, TraceKind::Foreign },
        { "C:\\a [b]\\d.cpp [1] => MainFrameWnd::DoGameClose MISSED", true, TraceKind::Judgement },
        // Locations as the source tree names them, as well as absolute paths.
        { "game/MainFrameWnd.cpp [159] => MainFrameWnd::IsMatch NO!", true, TraceKind::NoMatch },
    };
    for (const auto& c : cases) {
        TraceEvent e;
        EXPECT_EQ(ParseTraceLine(c.line, std::strlen(c.line), e), c.game) << c.line;
        EXPECT_EQ(e.kind, c.kind) << c.line;
    }
    TraceEvent e;
    const char* judge = "x [1] => MainFrameWnd::IsMatch : KAZ 16 00 (0, 17, 1)";
    ASSERT_TRUE(ParseTraceLine(judge, std::strlen(judge), e));
    EXPECT_EQ(e.left, 0);
    EXPECT_EQ(e.right, 17);
    EXPECT_EQ(e.card, 1);
    const char* stack = "x [1] => Right [ 12 ] = 09";
    ASSERT_TRUE(ParseTraceLine(stack, std::strlen(stack), e));
    EXPECT_EQ(e.side, 1);
    EXPECT_EQ(e.position, 12);
    EXPECT_EQ(e.code, 10);
}

} // namespace
} // namespace report_testing
