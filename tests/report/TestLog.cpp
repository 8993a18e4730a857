#include "TestLog.h"
#include "ReadTraceLog.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <fstream>

namespace report_testing {

std::string CardName(int value)
{
    if (value == KAZ) return "KAZ";
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string TempPath(const std::string& name)
{
    char dir[MAX_PATH] = "";
    ::GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

void TestLog::Line(const std::string& message)
{
    Raw("Z:\\work\\votaroo\\game\\MainFrameWnd.cpp [" + std::to_string(++m_lineNo) + "] => " + message);
}

void TestLog::Deal(int left, int right, int card, bool winner, const std::string& tried, unsigned ops)
{
    namespace words = trace_words;
    char text[160];
    std::snprintf(text, sizeof text, words::JudgeFormat, words::IsMatch, CardName(left).c_str(),
                  CardName(right).c_str(), CardName(card).c_str(), left + 1, right + 1, card + 1);
    Line(text);
    if (left != KAZ && right != KAZ && card != KAZ) {
        std::snprintf(text, sizeof text, words::ValuesFormat, words::IsMatch, left, right, card,
                      static_cast<unsigned long>(ops));
        Line(text);
        for (char sign : tried) {
            const int op = std::string("+-*/").find(sign);
            std::snprintf(text, sizeof text, words::TriedFormats[op], words::IsMatch, words::DivisionMark);
            Line(text);
        }
        if (!winner) {
            std::snprintf(text, sizeof text, words::NoMatchFormat, words::IsMatch);
            Line(text);
        }
    }
    std::snprintf(text, sizeof text, words::VerdictFormat, words::DoGameSetup, winner ? words::Yes : words::No);
    Line(text);
}

void TestLog::Outcome(int index)
{
    char text[64];
    std::snprintf(text, sizeof text, trace_words::OutcomeFormat, trace_words::DoGameClose,
                  trace_words::Outcomes[index]);
    Line(text);
}

void TestLog::Refill(const std::vector<int>& left, const std::vector<int>& right)
{
    char text[64];
    const std::vector<int>* stacks[2] = { &left, &right };
    for (int side = 0; side < 2; ++side) {
        for (size_t i = 0; i < stacks[side]->size(); ++i) {
            std::snprintf(text, sizeof text, trace_words::StackFormats[side], static_cast<int>(i + 1),
                          CardName((*stacks[side])[i]).c_str());
            Line(text);
        }
    }
}

std::unique_ptr<report::LearningRecord> TestLog::Read() const
{
    const std::string path = TempPath("votaroo-report-test.qrv");
    {
        std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
        out << m_text;
    }
    auto record = std::make_unique<report::LearningRecord>();
    std::string error;
    EXPECT_TRUE(report::ReadTraceLog(path, *record, error)) << error;
    ::DeleteFileA(path.c_str());
    return record;
}

TestLog PracticeGameLearningSevenPlusEight()
{
    TestLog log;
    log.Line(std::string(trace_words::DoGameStart) + trace_words::PracticeMark);
    log.Deal(7, 8, 15, true, "+"), log.Missed(); // 15 | 8
    log.Deal(15, 8, 7, true, "+-"), log.Correct(); // 15 | 7
    log.Deal(15, 7, 8, true, "+-"), log.Correct(); // 8 | 7
    log.Deal(8, 7, 15, true, "+"), log.Correct(); // 8 | 15
    log.Deal(8, 15, 7, true, "+-"), log.Correct(); // 7 | 15
    log.Deal(7, 15, 8, true, "+-"), log.Correct(); // 7 | 8
    log.Deal(7, 8, 15, true, "+"), log.Correct();
    return log;
}

} // namespace report_testing
