#include "iTypeDialogProfile.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int iTypeDialogProfile::s_saving = 0;

iTypeDialogProfile::iTypeDialogProfile(LPCSTR sectionName, int saveLayout)
    : iProfileEx(ProfilePrivate, nullptr, ".dlg"), saving(saveLayout)
{
    SetSection(sectionName);
}

void iTypeDialogProfile::GetLayoutRects(RECT& labels, RECT& controls, int& rowStep)
{
    RECT l = labels, c = controls;
    const bool haveLabels = Get("StaticRect", l) > 0;
    const bool haveControls = Get("DynamicRect", c) > 0;
    if (haveLabels && haveControls) {
        labels = l;
        controls = c;
    } else if (saving) {
        Put("StaticRect", labels);
        Put("DynamicRect", controls);
    }
    if (Get("DY", rowStep) <= 0 && saving) Put("DY", rowStep);
}

void iTypeDialogProfile::GetLayout(int& value)
{
    if (Get("Layout", value) <= 0 && saving) Put("Layout", value);
}

bool iTypeDialogProfile::PutRect(LPCSTR key, const RECT& rect) { return Put(key, rect); }

std::vector<iString> iTypeDialogProfile::KeyNames()
{
    std::vector<iString> names;
    if (Mode() != ProfilePrivate && Mode() != ProfileProtected && Mode() != ProfilePath) return names;
    // A null key lists the section's keys, each ended by a zero; grow until they all fit.
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD n = ::GetPrivateProfileStringA(Section(), nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                             FileName());
        if (n + 2 < buffer.size() || buffer.size() >= (64u << 20)) break;
        buffer.assign(buffer.size() * 4, '\0');
    }
    for (const char* p = buffer.data(); *p && p < buffer.data() + buffer.size(); p += lstrlenA(p) + 1)
        names.emplace_back(p);
    return names;
}

std::vector<int> iTypeDialogProfile::PresentIndexes(LPCSTR prefix, long count)
{
    std::vector<int> indexes;
    if (count <= 0) return indexes;
    const size_t prefixLength = std::strlen(prefix);
    for (const iString& name : KeyNames()) {
        LPCSTR key = name;
        if (std::strlen(key) <= prefixLength ||
            CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, key, static_cast<int>(prefixLength), prefix,
                           static_cast<int>(prefixLength)) != CSTR_EQUAL)
            continue;
        LPCSTR digits = key + prefixLength;
        if (*digits < '0' || *digits > '9') continue;
        char* end = nullptr;
        long i = std::strtol(digits, &end, 10);
        if (*end || i < 0 || i >= count) continue;
        // Only the exact spelling the counted loop would ask for names index i.
        char expected[32];
        std::snprintf(expected, sizeof expected, "%04ld", i);
        if (std::strcmp(expected, digits) != 0) continue;
        indexes.push_back(static_cast<int>(i));
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}
