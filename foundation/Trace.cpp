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
}

void Trace(int level, const char* file, int line, const char* format, ...)
{
    std::snprintf(locationText, sizeof locationText, locationFormat, file ? file : "", line);
    messageText[0] = '\0';
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(messageText, sizeof messageText, format, args);
        va_end(args);
    }
    TraceLine(level, locationText, messageText);
}

int TraceLine(int level, const char* location, const char* message)
{
    (void)level;
    if (!traceEnabled) return 0;

    // A line too long for the buffer loses the end of its text, never its CR LF.
    const size_t room = sizeof lineText - 2;
    size_t length = 0;
    lineText[0] = '\0';
    length = AppendCut(lineText, length, room, location);
    length = AppendCut(lineText, length, room, separator);
    length = AppendCut(lineText, length, room, message);
    length = AppendCut(lineText, length, sizeof lineText, "\r\n");

    HANDLE file = ::CreateFileA(traceFile, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    LARGE_INTEGER start{};
    const LARGE_INTEGER none{};
    const BOOL atEnd = ::SetFilePointerEx(file, none, &start, FILE_END);
    DWORD written = 0;
    const BOOL wrote = ::WriteFile(file, lineText, static_cast<DWORD>(length), &written, nullptr);
    // A short write (a full disk) would leave a fragment that the next line is glued to:
    // cut the file back to where this line began, so the log holds whole lines only.
    if (atEnd && (!wrote || written != length) && ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        ::SetEndOfFile(file);
    ::CloseHandle(file);
    return 1;
}
