#include "LayoutLine.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool EndsStyle(char c) { return c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

void SkipSpaces(const char* s, int& i)
{
    while (s[i] == ' ') ++i;
}

// Spaces, an optional minus, then at least one digit. Magnitudes saturate at
// kLimit so that left + width always fits in 32 bits.
const long long kLimit = 0x3FFFFFFF;

bool ReadInt(const char* s, int& i, long& out)
{
    SkipSpaces(s, i);
    bool negative = false;
    if (s[i] == '-') {
        negative = true;
        ++i;
    }
    if (!IsDigit(s[i])) return false;
    long long v = 0;
    while (IsDigit(s[i])) {
        if (v <= kLimit) v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (v > kLimit) v = kLimit;
    out = static_cast<long>(negative ? -v : v);
    return true;
}

bool ReadComma(const char* s, int& i)
{
    SkipSpaces(s, i);
    if (s[i] != ',') return false;
    ++i;
    SkipSpaces(s, i);
    return true;
}

} // namespace

int ParseLayoutLine(const char* value, LayoutLine& line)
{
    if (!value) return 0;
    const char* s = value;
    int i = 0;
    long n[4] = { 0, 0, 0, 0 };
    for (long& v : n)
        if (!ReadInt(s, i, v)) return i;
    if (!ReadComma(s, i)) return i;

    if (s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && HexDigit(s[i + 2]) >= 0) i += 2;
    if (HexDigit(s[i]) < 0) return i;
    unsigned long long style = 0;
    while (!EndsStyle(s[i])) {
        const int d = HexDigit(s[i]);
        if (d < 0) // also the end of the value inside the style
            return i;
        style = style * 16 + static_cast<unsigned>(d);
        if (style > 0xFFFFFFFFull) style = 0xFFFFFFFFull;
        ++i;
    }
    if (!ReadComma(s, i)) return i;
    if (s[i] == '\0') return i;

    line.left = n[0];
    line.top = n[1];
    line.right = n[0] + n[2];
    line.bottom = n[1] + n[3];
    line.style = static_cast<unsigned long>(style);
    line.text = s + i;
    return -1;
}
