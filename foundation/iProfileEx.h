// A profile that also keeps points, sizes and rectangles as lists of decimal integers.
#pragma once
#include "iProfile.h"
#include "ProfileText.h"
#include "Types.h"

class iProfileEx : public iProfile {
public:
    explicit iProfileEx(int storageMode = 0, LPCSTR name = nullptr, LPCSTR extension = nullptr)
        : iProfile(storageMode, name, extension)
    {}
    ~iProfileEx() override;
    iProfileEx(const iProfileEx&) = default;
    iProfileEx& operator=(const iProfileEx&) = default;

    using iProfile::Get;
    using iProfile::Put;

    // The count of GetString, or 0 when the text does not hold the numbers.
    int Get(LPCSTR key, POINT& value, LPCSTR sectionName = nullptr);
    int Get(LPCSTR key, SIZE& value, LPCSTR sectionName = nullptr);
    int Get(LPCSTR key, RECT& value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, const POINT& value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, const SIZE& value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, const RECT& value, LPCSTR sectionName = nullptr);

private:
    int GetNumbers(LPCSTR sectionName, LPCSTR key, LONG* const targets[], int count);
    bool PutNumbers(LPCSTR sectionName, LPCSTR key, const LONG* values, int count);
};
