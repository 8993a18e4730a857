#include "iString.h"

iString::iString(int32_t value, int base)
{
    if (base == 10 && value < 0)
        SetDigits(0 - static_cast<uint64_t>(static_cast<int64_t>(value)), base, true);
    else
        SetDigits(static_cast<uint32_t>(value), base, false);
}

iString::iString(int64_t value, int base)
{
    if (base == 10 && value < 0)
        SetDigits(0 - static_cast<uint64_t>(value), base, true);
    else
        SetDigits(static_cast<uint64_t>(value), base, false);
}

iString::iString(uint64_t value, int base) { SetDigits(value, base, false); }

iString::iString(int resourceId) : iString(static_cast<UINT>(resourceId)) {}

iString::iString(UINT resourceId)
{
    if (!LoadString(resourceId))
        Format("Resource string id '%d' [0x%X] not found!", static_cast<int>(resourceId), resourceId);
}

// Writes the digits of value; a base outside 2..36 falls back to 10 rather than dividing by nonsense.
void iString::SetDigits(uint64_t value, int base, bool negative)
{
    if (base < 2 || base > 36) base = 10;
    char digits[72];
    int n = 0;
    do {
        int d = static_cast<int>(value % static_cast<uint64_t>(base));
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'A' + d - 10);
        value /= static_cast<uint64_t>(base);
    } while (value != 0);
    if (negative) digits[n++] = '-';
    char text[72];
    for (int i = 0; i < n; ++i) text[i] = digits[n - 1 - i];
    text[n] = '\0';
    CString::operator=(text);
}

int iString::AppendInt(int value)
{
    *this += iString(static_cast<int32_t>(value), 10);
    return GetLength();
}

int iString::AppendChar(char ch)
{
    *this += ch;
    return GetLength();
}
