#include "DialogTemplate.h"

CDialogTemplate::CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, LPCSTR caption,
                                 WORD menu, WORD pointSize, LPCSTR face)
{
    Dword(style);
    Dword(exStyle);
    m_words.push_back(0); // item count, raised by AddItem
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    if (menu) {
        m_words.push_back(0xFFFF);
        m_words.push_back(menu);
    } else {
        m_words.push_back(0);
    }
    m_words.push_back(0); // default dialog class
    Text(caption);
    if (face) {
        m_words.push_back(pointSize);
        Text(face);
    }
}

void CDialogTemplate::Text(LPCSTR text)
{
    if (text && *text) {
        int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::vector<WCHAR> w(static_cast<size_t>(n));
        MultiByteToWideChar(CP_ACP, 0, text, -1, w.data(), n);
        for (int i = 0; i < n; ++i) m_words.push_back(static_cast<WORD>(w[static_cast<size_t>(i)]));
    } else {
        m_words.push_back(0);
    }
}

void CDialogTemplate::ItemHeader(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id)
{
    AlignDword();
    Dword(style);
    Dword(exStyle);
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(id);
    ++m_words[4];
}

void CDialogTemplate::AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id,
                              WORD classOrdinal, LPCSTR text)
{
    ItemHeader(style, exStyle, x, y, cx, cy, id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classOrdinal);
    Text(text);
    m_words.push_back(0); // no creation data
}

void CDialogTemplate::AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id,
                              LPCSTR className, LPCSTR text)
{
    ItemHeader(style, exStyle, x, y, cx, cy, id);
    Text(className);
    Text(text);
    m_words.push_back(0);
}
