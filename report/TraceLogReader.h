// Splits a trace log into lines in one pass, holding at most one line at a time.
#pragma once
#include "GameRebuilder.h"
#include <cstdio>
#include <string>

namespace report {

// The game's lines are at most 8191 characters; anything longer is no line of it.
const size_t LongestLine = 8192;

class TraceLogReader {
public:
    explicit TraceLogReader(TraceLineSink& sink) : m_sink(sink) { m_line.reserve(LongestLine); }

    // Bytes of the log, in any pieces; lines end in LF, with or without CR.
    void Feed(const char* bytes, size_t count);
    // The last line needs no line end.
    void End();

private:
    void Deliver();

    TraceLineSink& m_sink;
    std::string m_line;
    bool m_tooLong = false;
    bool m_any = false;
};

// Reads the whole file into the sink and finishes it; false with a message when it cannot be
// opened or read.
bool ReadTraceLines(const std::string& path, TraceLineSink& sink, std::string& error);
// The same into one record.
bool ReadTraceLog(const std::string& path, LearningRecord& record, std::string& error);

} // namespace report
