// Builds an in-memory dialog template, taking care of the WORD/DWORD alignment.
#pragma once
#include "Afx.h"
#include <vector>

class CDialogTemplate {
public:
    // menu 0 means none; any other value is written as an ordinal.
    CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, LPCSTR caption, WORD menu = 0,
                    WORD pointSize = 0, LPCSTR face = nullptr);
    // className is one of the predefined ordinals (0x0080 button ... 0x0085 combo box) or a name.
    void AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, WORD classOrdinal,
                 LPCSTR text);
    void AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, LPCSTR className,
                 LPCSTR text);
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }
    size_t SizeInBytes() const { return m_words.size() * sizeof(WORD); }
    WORD ItemCount() const { return m_words.size() > 4 ? m_words[4] : 0; }

private:
    void Dword(DWORD v)
    {
        m_words.push_back(LOWORD(v));
        m_words.push_back(HIWORD(v));
    }
    void Text(LPCSTR text); // UTF-16 from the 8-bit code page, terminated
    void AlignDword()
    {
        if (m_words.size() % 2) m_words.push_back(0);
    }
    void ItemHeader(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id);
    std::vector<WORD> m_words;
};
