#include "ProfileText.h"

namespace {

const uint64_t kPattern = 0xFFFFFFFFu;

// White space as the C locale's isspace sees it, without depending on the locale.
bool IsSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

int DigitOf(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
    return 99;
}

int CheckedBase(int base) { return base < 2 || base > 36 ? 10 : base; }

// Sign and magnitude of the number at the start of text, as the C library's strtoul reads it
// ("0x" allowed in base 16). The magnitude stops growing once it is past 32 bits, which is all
// any caller needs to know.
uint64_t ReadMagnitude(LPCSTR text, int base, bool& negative)
{
    negative = false;
    if (!text) return 0;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitOf(p[2]) < 16) p += 2;
    uint64_t magnitude = 0;
    for (int d; (d = DigitOf(*p)) < base; ++p)
        if (magnitude <= kPattern) magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    return magnitude;
}

bool EndsNumber(char ch)
{
    return ch == '\0' || ch == ' ' || ch == ',' || ch == ';' || ch == '\r' || ch == '\n' || ch == '\t' || ch == '\f';
}

} // namespace

uint32_t ProfileTextToUnsigned(LPCSTR text, int base)
{
    bool negative;
    const uint64_t magnitude = ReadMagnitude(text, CheckedBase(base), negative);
    if (magnitude > kPattern) return static_cast<uint32_t>(kPattern);
    const uint32_t low = static_cast<uint32_t>(magnitude);
    return negative ? 0u - low : low;
}

int32_t ProfileTextToLong(LPCSTR text, int base)
{
    base = CheckedBase(base);
    if (base != 10) return static_cast<int32_t>(ProfileTextToUnsigned(text, base));
    bool negative;
    const uint64_t magnitude = ReadMagnitude(text, base, negative);
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool ReadProfileNumbers(LPCSTR text, LONG* const targets[], int count)
{
    if (!text) return false;
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        while (*p == ' ') ++p;
        if (*p == '\0') return false;
        int64_t sign = 1;
        if (*p == '+' || *p == '-') {
            if (*p == '-') sign = -1;
            ++p;
            if (*p == '\0') return false;
        }
        if (*p < '0' || *p > '9') return false;
        int64_t magnitude = 0;
        while (*p >= '0' && *p <= '9') {
            // Saturate rather than overflow on absurdly long digit runs.
            if (magnitude <= INT64_C(0x100000000)) magnitude = magnitude * 10 + (*p - '0');
            ++p;
        }
        if (!EndsNumber(*p)) return false;
        int64_t number = sign * magnitude;
        if (number > INT32_MAX) number = INT32_MAX;
        if (number < INT32_MIN) number = INT32_MIN;
        *targets[i] = static_cast<LONG>(number);
    }
    return true;
}
