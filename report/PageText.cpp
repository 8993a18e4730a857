#include "PageText.h"
#include <cstdarg>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace report {

const std::string& PageText(uint32_t id)
{
    // A page asks for the same few texts hundreds of times. The table's text stays where it is for
    // the run (in each language its own), so its place tells whether the kept one is still right.
    static std::map<uint32_t, std::pair<const char*, std::string>> kept;
    const char* text = ProgramTextUtf8(id);
    auto& entry = kept[id];
    if (entry.first == text && text) return entry.second;
    entry.first = text;
    entry.second.clear();
    for (const char* c = text; *c; ++c) {
        switch (*c) {
        case '&': entry.second += "&amp;"; break;
        case '<': entry.second += "&lt;"; break;
        case '>': entry.second += "&gt;"; break;
        default: entry.second += *c;
        }
    }
    return entry.second;
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    char onStack[256];
    const int n = std::vsnprintf(onStack, sizeof onStack, format, args);
    va_end(args);
    std::string text;
    if (n > 0 && static_cast<size_t>(n) < sizeof onStack) {
        text.assign(onStack, static_cast<size_t>(n));
    } else if (n > 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        text.assign(buffer.data(), static_cast<size_t>(n));
    }
    va_end(again);
    return text;
}

} // namespace report
