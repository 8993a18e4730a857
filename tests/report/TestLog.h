// Writes trace logs line by line in the game's own format, and reads them back.
#pragma once
#include "LearningRecord.h"
#include "TraceWords.h"
#include <memory>
#include <string>
#include <vector>

namespace report_testing {

const int KAZ = -1; // the wild card, among values 0 to 16

class TestLog {
public:
    // Any line as it stands.
    void Raw(const std::string& line) { m_text += line + "\r\n"; }
    // A game line: location, separator and message.
    void Line(const std::string& message);

    // One regular deal, judged against the two showing values. `tried` lists the operation
    // signs traced before the verdict, e.g. "+-"; a wild card among the three traces none.
    void Deal(int left, int right, int card, bool winner, const std::string& tried = "", unsigned ops = 15);
    void Answer() { Line(trace_words::DoGameMatch); }
    void Correct() { Answer(), Outcome(0); }
    void Wrong() { Answer(), Outcome(2); }
    void Missed() { Outcome(1); }
    // The refill lines: both stacks listed, bottom card first.
    void Refill(const std::vector<int>& left, const std::vector<int>& right);

    const std::string& Text() const { return m_text; }
    // Writes the log to a file of its own and reads it with the report's reader.
    std::unique_ptr<report::LearningRecord> Read() const;

private:
    // The judgement line of trace_words::Outcomes[index].
    void Outcome(int index);

    std::string m_text;
    int m_lineNo = 100;
};

// A practice game: 7 + 8 let go, back three cards later and answered, then answered again.
TestLog PracticeGameLearningSevenPlusEight();

std::string CardName(int value);
std::string TempPath(const std::string& name);

} // namespace report_testing
