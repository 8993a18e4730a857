// The library's text type: the framework string plus number and resource texts.
#pragma once
#include "CString.h"
#include <cstdint>

class iString : public CString {
public:
    using CString::CString;
    iString() = default;
    iString(const iString&) = default;
    iString(iString&&) noexcept = default;
    iString(const CString& text) : CString(text) {}

    // Number texts; outside base 10 a negative value shows its bit pattern.
    iString(int32_t value, int base);
    iString(int64_t value, int base);
    iString(uint64_t value, int base);

    // A string resource of the program, or a text saying that it is missing.
    explicit iString(int resourceId);
    explicit iString(UINT resourceId);

    iString& operator=(const iString&) = default;
    iString& operator=(iString&&) noexcept = default;
    iString& operator=(const CString& text)
    {
        CString::operator=(text);
        return *this;
    }
    iString& operator=(LPCSTR text)
    {
        CString::operator=(text);
        return *this;
    }
    iString& operator=(char ch)
    {
        CString::operator=(ch);
        return *this;
    }

    // Both return the new length.
    int AppendInt(int value);
    int AppendChar(char ch);

private:
    void SetDigits(uint64_t value, int base, bool negative);
};
