// ProgramText for the host build: the English texts of resources/lang/en.rc, as the Windows
// build finds them in its module, but in UTF-8, which is the host's own code page.
#include "HostProgramText.h"
#include "ProgramText.h"
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Code page 1252's 0x80 to 0x9F; the bytes from 0xA0 up are Latin-1. 0 where the page has none.
const uint16_t high1252[32] = { 0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178 };

void AppendUtf8(std::string& out, unsigned char byte)
{
    unsigned code = byte < 0x80 ? byte : byte < 0xA0 ? high1252[byte - 0x80] : byte;
    if (code == 0) code = '?';
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void SkipSpace(const std::string& s, size_t& at)
{
    while (at < s.size() && (s[at] == ' ' || s[at] == '\t' || s[at] == '\r')) ++at;
}

// "12", "NAME" or "NAME + 3"; false for anything else, or a name not defined.
bool Evaluate(const std::string& s, size_t& at, const std::map<std::string, long>& names, long& value)
{
    value = 0;
    int sign = 1;
    for (;;) {
        SkipSpace(s, at);
        const size_t start = at;
        while (at < s.size() && (std::isalnum(static_cast<unsigned char>(s[at])) || s[at] == '_')) ++at;
        if (at == start) return false;
        const std::string term = s.substr(start, at - start);
        long part = 0;
        if (std::isdigit(static_cast<unsigned char>(term[0]))) {
            part = std::strtol(term.c_str(), nullptr, 0);
        } else {
            auto found = names.find(term);
            if (found == names.end()) return false;
            part = found->second;
        }
        value += sign * part;
        SkipSpace(s, at);
        if (at >= s.size() || (s[at] != '+' && s[at] != '-')) return true;
        sign = s[at] == '+' ? 1 : -1;
        ++at;
    }
}

std::map<std::string, long> Defines(const std::string& text)
{
    std::map<std::string, long> names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        size_t at = 0;
        SkipSpace(line, at);
        if (line.compare(at, 7, "#define") != 0) continue;
        at += 7;
        SkipSpace(line, at);
        const size_t start = at;
        while (at < line.size() && (std::isalnum(static_cast<unsigned char>(line[at])) || line[at] == '_')) ++at;
        const std::string name = line.substr(start, at - start);
        long value = 0;
        if (!name.empty() && Evaluate(line, at, names, value)) names[name] = value;
    }
    return names;
}

// The quoted string from at: "" is a quote, \n, \t and \\ as in C; false when it does not end.
bool Quoted(const std::string& s, size_t at, std::string& text)
{
    if (at >= s.size() || s[at] != '"') return false;
    text.clear();
    for (++at; at < s.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(s[at]);
        if (c == '"') {
            if (at + 1 < s.size() && s[at + 1] == '"') {
                text += '"';
                ++at;
                continue;
            }
            return true;
        }
        if (c == '\\' && at + 1 < s.size()) {
            const char e = s[++at];
            text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            continue;
        }
        AppendUtf8(text, c);
    }
    return false;
}

} // namespace

std::map<uint32_t, std::string> ReadStringTables(const std::string& rc, const std::string& defines)
{
    const std::map<std::string, long> names = Defines(defines);
    std::map<uint32_t, std::string> texts;
    std::istringstream lines(rc);
    bool table = false, inside = false;
    for (std::string line; std::getline(lines, line);) {
        size_t at = 0;
        SkipSpace(line, at);
        const std::string word = line.substr(at, line.find_first_of(" \t\r", at) - at);
        if (word == "STRINGTABLE")
            table = true;
        else if (table && word == "BEGIN")
            inside = true;
        else if (word == "END")
            table = inside = false;
        if (!inside || word == "BEGIN" || word.empty() || word.compare(0, 2, "//") == 0) continue;
        long id = 0;
        std::string text;
        if (!Evaluate(line, at, names, id) || at >= line.size() || line[at] != ',') continue;
        ++at;
        SkipSpace(line, at);
        if (id >= 0 && id <= 0xFFFF && Quoted(line, at, text) && !text.empty()) texts[static_cast<uint32_t>(id)] = text;
    }
    return texts;
}

namespace {

const std::map<uint32_t, std::string>& English()
{
    static const std::map<uint32_t, std::string> texts =
        ReadStringTables(FileText(VOTAROO_SOURCE_DIR "/resources/lang/en.rc"),
                         FileText(VOTAROO_SOURCE_DIR "/foundation/TextIds.h") + "\n" +
                             FileText(VOTAROO_SOURCE_DIR "/foundation/ReportTextIds.h"));
    return texts;
}

char fallback[4][32];
int fallbackIndex = 0;

} // namespace

const char* FindProgramText(uint32_t id)
{
    auto found = English().find(id);
    return found == English().end() ? nullptr : found->second.c_str();
}

const char* ProgramText(uint32_t id)
{
    if (const char* text = FindProgramText(id)) return text;
    fallbackIndex = (fallbackIndex + 1) & 3;
    std::snprintf(fallback[fallbackIndex], sizeof fallback[0], "[ %8lu ]", static_cast<unsigned long>(id));
    return fallback[fallbackIndex];
}

const char* ProgramTextUtf8(uint32_t id) { return ProgramText(id); }
