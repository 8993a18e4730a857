#include "iProfileEx.h"
#include <cstdint>

namespace {
bool EndsNumber(char ch)
{
    return ch == '\0' || ch == ' ' || ch == ',' || ch == ';' || ch == '\r' || ch == '\n' || ch == '\t' ||
           ch == '\f';
}
} // namespace

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

iProfileEx::~iProfileEx() = default;

int iProfileEx::GetNumbers(LPCSTR sectionName, LPCSTR key, LONG* const targets[], int count)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n <= 0) return n;
    return ReadProfileNumbers(text, targets, count) ? n : 0;
}

bool iProfileEx::PutNumbers(LPCSTR sectionName, LPCSTR key, const LONG* values, int count)
{
    iString text;
    for (int i = 0; i < count; ++i) {
        if (i) text += ' ';
        text.AppendInt(static_cast<int>(values[i]));
    }
    return PutString(sectionName, key, text);
}

int iProfileEx::Get(LPCSTR key, POINT& value, LPCSTR sectionName)
{
    LONG* const targets[] = {&value.x, &value.y};
    return GetNumbers(sectionName, key, targets, 2);
}

int iProfileEx::Get(LPCSTR key, SIZE& value, LPCSTR sectionName)
{
    LONG* const targets[] = {&value.cx, &value.cy};
    return GetNumbers(sectionName, key, targets, 2);
}

int iProfileEx::Get(LPCSTR key, RECT& value, LPCSTR sectionName)
{
    LONG* const targets[] = {&value.left, &value.top, &value.right, &value.bottom};
    return GetNumbers(sectionName, key, targets, 4);
}

bool iProfileEx::Put(LPCSTR key, const POINT& value, LPCSTR sectionName)
{
    const LONG values[] = {value.x, value.y};
    return PutNumbers(sectionName, key, values, 2);
}

bool iProfileEx::Put(LPCSTR key, const SIZE& value, LPCSTR sectionName)
{
    const LONG values[] = {value.cx, value.cy};
    return PutNumbers(sectionName, key, values, 2);
}

bool iProfileEx::Put(LPCSTR key, const RECT& value, LPCSTR sectionName)
{
    const LONG values[] = {value.left, value.top, value.right, value.bottom};
    return PutNumbers(sectionName, key, values, 4);
}
