// A BMP or JPEG picture stored as a raw resource, decoded once and drawn at its size or stretched.
#pragma once
#include "Afx.h"
#include "Types.h"
#include <ole2.h>
#include <olectl.h>

class iPicture {
public:
    // A null module means this program; type 0 means raw data (RT_RCDATA).
    iPicture(HMODULE module, LPCSTR name, LPCSTR type = nullptr);
    virtual ~iPicture();
    iPicture(const iPicture&) = delete;
    iPicture& operator=(const iPicture&) = delete;

    void LoadFromResource(HMODULE module, LPCSTR name, LPCSTR type = nullptr);
    // Takes the movable block in every case; 1 when the picture was decoded.
    int LoadFromMemory(HGLOBAL block, DWORD size);

    bool IsLoaded() const { return picture != nullptr; }
    // HIMETRIC extent; the picture must be loaded.
    long GetWidth() const;
    long GetHeight() const;

    bool Draw(HDC dc) const;
    bool Draw(HDC dc, const POINT& at) const;
    bool Draw(HDC dc, const RECT& rect) const;

    IPicture* picture = nullptr;

private:
    bool Render(HDC dc, int x, int y, int width, int height) const;
    bool DrawNatural(HDC dc, int x, int y) const;
};
