// An ordered map from numbers to texts that answers a missing key with an empty text.
#pragma once
#include "iString.h"
#include <map>

class iStringMap : public std::map<long, iString> {
public:
    iStringMap() = default;
    virtual ~iStringMap() = default;

    int Count() const { return static_cast<int>(size()); }
    // The text of the key, or an empty text when the key is missing.
    iString& Text(long key);
    // The smallest key whose text equals the text exactly; -1 when none does.
    long Key(LPCSTR text) const;
    // The key at a position in key order; -1 past the last entry.
    long KeyAt(int position) const;
    // Position of the first text from start on that begins with the text, case ignored; -1 when none.
    int FindPrefix(const iString& text, int start, bool wrap) const;

private:
    iString m_empty;
};
