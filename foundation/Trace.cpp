#include "Trace.h"
#include <windows.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>

int traceEnabled = 1;

namespace {
const char locationFormat[64] = "%s [%d]";
const char separator[64] = " => ";
const char traceFile[256] = "C:\\TMP\\TRACE.QRV";
// Tries at 1 ms apart while another writer holds the log: at most some 50 ms for one line.
const int WriterWaits = 50;

char locationText[4096];
char messageText[4096];
char lineText[8192];

// Appends text at length, never past room - 1 characters; returns the new length.
size_t AppendCut(char* buffer, size_t length, size_t room, const char* text)
{
    if (!text) return length;
    size_t n = std::strlen(text);
    if (length + n > room - 1) n = room - 1 - length;
    std::memcpy(buffer + length, text, n);
    buffer[length + n] = '\0';
    return length + n;
}

// Formats location and message as the log's line into lineText; returns its length.
size_t FormatLine(const char* location, const char* message)
{
    // A line too long for the buffer loses the end of its text, never its CR LF.
    const size_t room = sizeof lineText - 2;
    size_t length = 0;
    lineText[0] = '\0';
    length = AppendCut(lineText, length, room, location);
    length = AppendCut(lineText, length, room, separator);
    length = AppendCut(lineText, length, room, message);
    return AppendCut(lineText, length, sizeof lineText, "\r\n");
}

void FormatTraceMessage(int line, const char* file, const char* format, va_list args)
{
    std::snprintf(locationText, sizeof locationText, locationFormat, file ? file : "", line);
    messageText[0] = '\0';
    if (format) std::vsnprintf(messageText, sizeof messageText, format, args);
}

// Appends whole lines to the log in one write; ends holds where each line ends, ascending.
void AppendToLog(const char* bytes, size_t length, const size_t* ends, size_t count)
{
    // Readers share the log while it is written (a report run on the live log); another writer
    // holds it for one line, so a moment's wait lets the line in rather than dropping it.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < WriterWaits; ++attempt) {
        file = ::CreateFileA(traceFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_SHARING_VIOLATION) break;
        ::Sleep(1);
    }
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER start{};
    const LARGE_INTEGER none{};
    const BOOL atEnd = ::SetFilePointerEx(file, none, &start, FILE_END);
    DWORD written = 0;
    const BOOL wrote = ::WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr);
    // A short write (a full disk) would leave a fragment that the next line is glued to: cut the
    // file back to the end of the last line written whole, so the log holds whole lines only.
    if (atEnd && (!wrote || written != length)) {
        size_t kept = 0;
        for (size_t i = 0; i < count && wrote && ends[i] <= written; ++i) kept = ends[i];
        LARGE_INTEGER end = start;
        end.QuadPart += static_cast<LONGLONG>(kept);
        if (::SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) ::SetEndOfFile(file);
    }
    ::CloseHandle(file);
}
} // namespace

const char* TracePath() { return traceFile; }

void Trace(int level, const char* file, int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatTraceMessage(line, file, format, args);
    va_end(args);
    TraceLine(level, locationText, messageText);
}

int TraceLine(int level, const char* location, const char* message)
{
    (void)level;
    if (!traceEnabled) return 0;
    const size_t length = FormatLine(location, message);
    AppendToLog(lineText, length, &length, 1);
    return 1;
}

void TraceBatch::Add(int level, const char* file, int line, const char* format, ...)
{
    (void)level;
    if (!traceEnabled) return;
    va_list args;
    va_start(args, format);
    FormatTraceMessage(line, file, format, args);
    va_end(args);
    m_text.append(lineText, FormatLine(locationText, messageText));
    m_ends.push_back(m_text.size());
}

int TraceBatch::Flush()
{
    if (!traceEnabled) {
        m_text.clear();
        m_ends.clear();
        return 0;
    }
    if (!m_text.empty()) AppendToLog(m_text.data(), m_text.size(), m_ends.data(), m_ends.size());
    m_text.clear();
    m_ends.clear();
    return 1;
}
