// The report's texts by number (foundation/ReportTextIds.h), with their values put in.
#pragma once
#include "ProgramText.h"
#include <string>
#include <type_traits>

namespace report {

// The text for the page: UTF-8 as the page declares, with '&', '<' and '>' as entities so that
// a text cannot break the markup around it. Valid until the next call for the same number.
const std::string& PageText(uint32_t id);
// The text for the console and the boxes, in the program's code page.
inline std::string PlainText(uint32_t id) { return ProgramText(id); }

// The values of a text, each as text; the tables put every value in with %s.
inline std::string ValueText(const std::string& text) { return text; }
inline std::string ValueText(const char* text) { return text; }
template <typename N, typename = typename std::enable_if<std::is_integral<N>::value>::type> std::string ValueText(N n)
{
    return std::to_string(n);
}

std::string FormatText(const char* format, ...);

// The format (a text from above) with the values in place of its %s, in order.
template <typename... Values> std::string Fill(const std::string& format, const Values&... values)
{
    return FormatText(format.c_str(), ValueText(values).c_str()...);
}

} // namespace report
