// The game's trace lines, written with the game's formats, read back by the rule book's reader; and
// the words the test scripts look for, the same as the game's.
#include "TraceEvent.h"
#include "TraceWords.h"
#include <gtest/gtest.h>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace words = trace_words;

TraceEvent Read(const char* format, ...)
{
    char message[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    const std::string line = std::string("game/MainFrameWnd.cpp [123] => ") + message;
    TraceEvent event;
    EXPECT_TRUE(ParseTraceLine(line.data(), line.size(), event)) << line;
    return event;
}

TEST(TraceWords, TheReaderReadsEveryLineTheGameWrites)
{
    TraceEvent e = Read(words::JudgeFormat, words::IsMatch, "KAZ", "03", "16", 0, 4, 17);
    EXPECT_EQ(e.kind, TraceKind::Judge);
    EXPECT_EQ(e.card, 17);
    e = Read(words::ValuesFormat, words::IsMatch, 6, 2, 8, 15UL);
    EXPECT_EQ(e.kind, TraceKind::Values);
    EXPECT_EQ(e.ops, 15UL);
    for (int i = 0; i < 4; ++i) {
        e = Read(words::TriedFormats[i], words::IsMatch, words::DivisionMark);
        EXPECT_EQ(e.kind, TraceKind::Tried) << i;
        EXPECT_EQ(e.operation, static_cast<Operation>(Addition + i));
    }
    EXPECT_EQ(Read(words::NoMatchFormat, words::IsMatch).kind, TraceKind::NoMatch);
    EXPECT_TRUE(Read(words::VerdictFormat, words::DoGameSetup, words::Yes).winner);
    e = Read(words::VerdictFormat, words::DoGameSetup, words::No);
    EXPECT_EQ(e.kind, TraceKind::Verdict);
    EXPECT_FALSE(e.winner);
    EXPECT_EQ(Read(words::AnswerFormat, words::DoGameMatch).kind, TraceKind::Answer);
    const Outcome outcomes[] = { Correct, Missed, Wrong };
    for (int i = 0; i < 3; ++i) {
        e = Read(words::OutcomeFormat, words::DoGameClose, words::Outcomes[i]);
        EXPECT_EQ(e.kind, TraceKind::Judgement);
        EXPECT_EQ(e.outcome, outcomes[i]);
    }
    e = Read(words::PlayerFormat, words::DoGameStart, "Ann <b> \xE9");
    EXPECT_EQ(e.kind, TraceKind::Player);
    EXPECT_EQ(e.player, "Ann <b> \xE9");
    EXPECT_EQ(Read(words::PracticeFormat, words::DoGameStart).kind, TraceKind::Practice);
    const std::string more = std::string("x [1] => ") + words::DoGameStart + words::PracticeMark + "!";
    EXPECT_FALSE(ParseTraceLine(more.data(), more.size(), e));
    for (int side = 0; side < 2; ++side) {
        e = Read(words::StackFormats[side], 12, "KAZ");
        EXPECT_EQ(e.kind, TraceKind::StackCard);
        EXPECT_EQ(e.side, side);
        EXPECT_EQ(e.position, 12);
        EXPECT_EQ(e.code, 0);
    }
}

#ifdef VOTAROO_SOURCE_DIR
TEST(TraceWords, TheScriptsLookForTheGamesWords)
{
    std::ifstream env(VOTAROO_SOURCE_DIR "/tools/env.sh");
    ASSERT_TRUE(env.good());
    std::map<std::string, std::string> found;
    std::string line;
    while (std::getline(env, line)) {
        const size_t eq = line.find("='");
        if (line.rfind("VOTAROO_WORD_", 0) == 0 && eq != std::string::npos && line.back() == '\'')
            found[line.substr(0, eq)] = line.substr(eq + 2, line.size() - eq - 3);
    }
    EXPECT_EQ(found["VOTAROO_WORD_DEAL"], std::string(words::DoGameSetup) + words::VerdictLead);
    EXPECT_EQ(found["VOTAROO_WORD_YES"], words::Yes);
    EXPECT_EQ(found["VOTAROO_WORD_ANSWER"], words::DoGameMatch);
    EXPECT_EQ(found["VOTAROO_WORD_CLOSE"], std::string(words::DoGameClose) + words::OutcomeLead);
    EXPECT_EQ(found["VOTAROO_WORD_OUTCOMES"],
              std::string(words::Outcomes[0]) + "|" + words::Outcomes[1] + "|" + words::Outcomes[2]);
    EXPECT_EQ(found["VOTAROO_WORD_PLAYER"], std::string(words::DoGameStart) + words::PlayerLead);
}
#endif

} // namespace
