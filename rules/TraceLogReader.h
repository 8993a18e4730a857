// Splits a trace log into lines in one pass, holding at most one line at a time.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The game's lines are at most 8191 characters; anything longer is no line of it.
const size_t LongestLine = 8192;

// Whatever takes the lines of a log, one at a time, without their line ends.
class TraceLineSink {
public:
    virtual ~TraceLineSink() = default;
    virtual void Line(const char* text, size_t length) = 0;
};

class TraceLogReader {
public:
    explicit TraceLogReader(TraceLineSink& sink) : m_sink(sink) { m_line.reserve(LongestLine); }

    // Bytes of the log, in any pieces; lines end in LF, with or without CR. An overlong line is
    // delivered empty, as a marker no game line can be.
    void Feed(const char* bytes, size_t count);
    // The last line needs no line end. A log still being written leaves this out: its last
    // line may be half written.
    void End();

private:
    void Deliver();

    TraceLineSink& m_sink;
    std::string m_line;
    bool m_tooLong = false;
    bool m_any = false;
};

// How a log's file was read: opened, then read to its end.
enum class LogRead { Read, CannotOpen, CannotRead };

// Reads the lines of a file that the game may be writing at this moment, up to its last whole
// line. With a limit, only the last that many bytes: from the first line that starts in them.
// The file is shared with its writer; errno tells why it could not be opened or read.
LogRead ReadTraceFile(const std::string& path, TraceLineSink& sink, uint64_t lastBytes = 0);
