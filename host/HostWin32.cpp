#include "Afx.h"
#include <cctype>
#include <cstring>

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    if (!a || !b) return a == b ? 0 : a ? 1 : -1;
    for (;; ++a, ++b) {
        const int x = std::tolower(static_cast<unsigned char>(*a));
        const int y = std::tolower(static_cast<unsigned char>(*b));
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

LPSTR lstrcpyA(LPSTR to, LPCSTR from) { return std::strcpy(to, from); }

int LoadStringA(HINSTANCE, UINT, LPSTR buffer, int size)
{
    if (buffer && size > 0) buffer[0] = '\0';
    return 0;
}

HINSTANCE AfxGetResourceHandle() { return nullptr; }
