// The developer trace: one line per call, appended to C:\TMP\TRACE.QRV.
#pragma once

// 0 turns tracing off; on from the start of the process.
extern int traceEnabled;

// Writes "file [line] => message" CR LF; the level is accepted and not used.
void Trace(int level, const char* file, int line, const char* format, ...);
// Appends location, separator, message and CR LF to the log; 0 when tracing is off, else 1.
// A line that cannot be written whole (a full disk) is dropped, so the log keeps whole lines.
int TraceLine(int level, const char* location, const char* message);
