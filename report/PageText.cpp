#include "PageText.h"
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace report {

std::string PageText(uint32_t id)
{
    std::string out;
    for (const char* c = ProgramTextUtf8(id); *c; ++c) {
        switch (*c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += *c;
        }
    }
    return out;
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (n > 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        text.assign(buffer.data(), static_cast<size_t>(n));
    }
    va_end(again);
    return text;
}

} // namespace report
