// The developer trace: one line per call, appended to C:\TMP\TRACE.QRV.
#pragma once
#include <string>
#include <vector>

// 0 turns tracing off; on from the start of the process.
extern int traceEnabled;

// The log's file, for those who read it back.
const char* TracePath();

// Writes "file [line] => message" CR LF; the level is accepted and not used.
void Trace(int level, const char* file, int line, const char* format, ...);
// Appends location, separator, message and CR LF to the log; 0 when tracing is off, else 1.
// A line that cannot be written whole (a full disk) is dropped, so the log keeps whole lines.
int TraceLine(int level, const char* location, const char* message);

// Lines gathered and appended to the log together, with one open, one write and one close: the
// same bytes in the same order as one Trace call each, at a fraction of the cost. Nothing is
// kept open between calls; a full disk cuts the log back to its last whole line.
class TraceBatch {
public:
    TraceBatch() = default;
    ~TraceBatch() { Flush(); }
    TraceBatch(const TraceBatch&) = delete;
    TraceBatch& operator=(const TraceBatch&) = delete;

    void Add(int level, const char* file, int line, const char* format, ...);
    // Appends what was gathered; 0 when tracing is off, else 1.
    int Flush();

private:
    std::string m_text;
    std::vector<size_t> m_ends;
};
