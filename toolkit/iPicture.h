// A BMP or JPEG picture stored as a raw resource, decoded once and drawn at its size or stretched;
// an opaque bitmap is rendered once per size and copied after that.
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

    // A bitmap without transparent parts: it paints every pixel of where it is drawn.
    bool IsOpaque() const;
    // Its size in pixels on the context when drawn at its natural size.
    CSize NaturalSize(HDC dc) const;

    // Renders the copy for that size now, so the first paint at a new scale does not stretch.
    void Prepare(HDC dc, SIZE size) const;

    bool Draw(HDC dc) const;
    bool Draw(HDC dc, const POINT& at) const;
    bool Draw(HDC dc, const RECT& rect) const;

    IPicture* picture = nullptr;

private:
    bool Render(HDC dc, int x, int y, int width, int height) const;
    bool DrawNatural(HDC dc, int x, int y) const;
    // The platform's render call, which stretches slowly: it runs once per size into the copy.
    bool RenderOnce(HDC dc, int width, int height) const;
    void DropCopy() const;

    // The picture as last rendered, at that size, in the format of the context it went to.
    mutable HDC copyDC = nullptr;
    mutable HBITMAP copyBitmap = nullptr;
    mutable HGDIOBJ copyPrevious = nullptr;
    mutable SIZE copySize = {};
    mutable int copyMode = 0;
};
