#include "iStringMap.h"

iString& iStringMap::Text(long key)
{
    auto it = find(key);
    if (it != end()) return it->second;
    // A caller may have written into the shared empty text; hand it out empty again.
    m_empty.Empty();
    return m_empty;
}

long iStringMap::Key(LPCSTR text) const
{
    for (const auto& entry : *this)
        if (entry.second.Compare(text) == 0) return entry.first;
    return -1;
}

long iStringMap::KeyAt(int position) const
{
    if (position < 0 || position >= Count()) return -1;
    auto it = begin();
    std::advance(it, position);
    return it->first;
}

int iStringMap::FindPrefix(const iString& text, int start, bool wrap) const
{
    if (start < 0) start = 0;
    const int length = text.GetLength();
    auto matches = [&](const iString& entry) {
        return entry.GetLength() >= length && entry.Left(length).CompareNoCase(text) == 0;
    };
    int position = 0;
    for (const auto& entry : *this) {
        if (position >= start && matches(entry.second)) return position;
        ++position;
    }
    if (wrap && start != 0) {
        position = 0;
        for (const auto& entry : *this) {
            if (position >= start) break;
            if (matches(entry.second)) return position;
            ++position;
        }
    }
    return -1;
}
