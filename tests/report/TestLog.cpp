#include "TestLog.h"
#include "TraceLogReader.h"
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
    char text[160];
    std::snprintf(text, sizeof text, "MainFrameWnd::IsMatch : %s %s %s (%d, %d, %d)", CardName(left).c_str(),
                  CardName(right).c_str(), CardName(card).c_str(), left + 1, right + 1, card + 1);
    Line(text);
    if (left != KAZ && right != KAZ && card != KAZ) {
        std::snprintf(text, sizeof text, "MainFrameWnd::IsMatch : %d %d %d (%04X)", left, right, card, ops);
        Line(text);
        for (char sign : tried) Line(sign == '/' ? "MainFrameWnd::IsMatch / 2" : std::string("MainFrameWnd::IsMatch ") + sign);
        if (!winner) Line("MainFrameWnd::IsMatch NO!");
    }
    Line(std::string("MainFrameWnd::DoGameSetup ismatch? ") + (winner ? "YES" : "NO"));
}

void TestLog::Refill(const std::vector<int>& left, const std::vector<int>& right)
{
    char text[64];
    for (size_t i = 0; i < left.size(); ++i) {
        std::snprintf(text, sizeof text, "Left  [ %2d ] = %s", static_cast<int>(i + 1), CardName(left[i]).c_str());
        Line(text);
    }
    for (size_t i = 0; i < right.size(); ++i) {
        std::snprintf(text, sizeof text, "Right [ %2d ] = %s", static_cast<int>(i + 1), CardName(right[i]).c_str());
        Line(text);
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

} // namespace report_testing
