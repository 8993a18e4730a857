#include "iProfileEx.h"

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
    LONG* const targets[] = { &value.x, &value.y };
    return GetNumbers(sectionName, key, targets, 2);
}

int iProfileEx::Get(LPCSTR key, SIZE& value, LPCSTR sectionName)
{
    LONG* const targets[] = { &value.cx, &value.cy };
    return GetNumbers(sectionName, key, targets, 2);
}

int iProfileEx::Get(LPCSTR key, RECT& value, LPCSTR sectionName)
{
    LONG* const targets[] = { &value.left, &value.top, &value.right, &value.bottom };
    return GetNumbers(sectionName, key, targets, 4);
}

bool iProfileEx::Put(LPCSTR key, const POINT& value, LPCSTR sectionName)
{
    const LONG values[] = { value.x, value.y };
    return PutNumbers(sectionName, key, values, 2);
}

bool iProfileEx::Put(LPCSTR key, const SIZE& value, LPCSTR sectionName)
{
    const LONG values[] = { value.cx, value.cy };
    return PutNumbers(sectionName, key, values, 2);
}

bool iProfileEx::Put(LPCSTR key, const RECT& value, LPCSTR sectionName)
{
    const LONG values[] = { value.left, value.top, value.right, value.bottom };
    return PutNumbers(sectionName, key, values, 4);
}
