#include "iPicture.h"
#include <cstring>

iPicture::iPicture(HMODULE module, LPCSTR name, LPCSTR type)
{
    picture = nullptr;
    LoadFromResource(module, name, type);
}

iPicture::~iPicture()
{
    DropCopy();
    if (picture) picture->Release();
}

void iPicture::DropCopy() const
{
    if (copyDC) {
        ::SelectObject(copyDC, copyPrevious);
        ::DeleteDC(copyDC);
    }
    if (copyBitmap) ::DeleteObject(copyBitmap);
    copyDC = nullptr;
    copyBitmap = nullptr;
    copyPrevious = nullptr;
    copySize = SIZE{ 0, 0 };
    copyMode = 0;
}

void iPicture::LoadFromResource(HMODULE module, LPCSTR name, LPCSTR type)
{
    if (!module) module = ::GetModuleHandleA(nullptr);
    if (!type) type = RT_RCDATA;
    HGLOBAL block = nullptr;
    DWORD size = 0;
    if (HRSRC found = ::FindResourceA(module, name, type)) {
        size = ::SizeofResource(module, found);
        HGLOBAL loaded = ::LoadResource(module, found);
        const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
        if (bytes && size) {
            block = ::GlobalAlloc(GMEM_MOVEABLE, size);
            if (void* target = block ? ::GlobalLock(block) : nullptr) {
                std::memcpy(target, bytes, size);
                ::GlobalUnlock(block);
            } else if (block) {
                ::GlobalFree(block);
                block = nullptr;
            }
        }
    }
    LoadFromMemory(block, size);
}

int iPicture::LoadFromMemory(HGLOBAL block, DWORD size)
{
    if (!block) return 0;
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
        ::GlobalFree(block);
        return 0;
    }
    if (picture) {
        picture->Release();
        picture = nullptr;
    }
    DropCopy();
    void* loaded = nullptr;
    HRESULT hr = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &loaded);
    stream->Release();
    if (hr != S_OK) {
        if (loaded) static_cast<IPicture*>(loaded)->Release();
        return 0;
    }
    picture = static_cast<IPicture*>(loaded);
    return picture ? 1 : 0;
}

long iPicture::GetWidth() const
{
    OLE_XSIZE_HIMETRIC w = 0;
    if (picture) picture->get_Width(&w);
    return w;
}

long iPicture::GetHeight() const
{
    OLE_YSIZE_HIMETRIC h = 0;
    if (picture) picture->get_Height(&h);
    return h;
}

bool iPicture::Render(HDC dc, int x, int y, int width, int height) const
{
    // Opaque bitmaps are rendered once per size and then copied; anything else every time.
    if (width > 0 && height > 0 && ::GetMapMode(dc) == MM_TEXT && IsOpaque()) {
        Prepare(dc, SIZE{ width, height });
        if (copyDC) return ::BitBlt(dc, x, y, width, height, copyDC, 0, 0, SRCCOPY) != FALSE;
    }
    long hw = GetWidth();
    long hh = GetHeight();
    // HIMETRIC y grows upwards, so the source is given bottom-up.
    return picture->Render(dc, x, y, width, height, 0, hh, hw, -hh, nullptr) == S_OK;
}

void iPicture::Prepare(HDC dc, SIZE size) const
{
    if (size.cx <= 0 || size.cy <= 0 || ::GetMapMode(dc) != MM_TEXT || !IsOpaque()) return;
    if (!copyDC || copySize.cx != size.cx || copySize.cy != size.cy || copyMode != ::GetStretchBltMode(dc))
        RenderOnce(dc, size.cx, size.cy);
}

bool iPicture::RenderOnce(HDC dc, int width, int height) const
{
    DropCopy();
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (!bitmap) {
        if (memory) ::DeleteDC(memory);
        return false;
    }
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    // The same stretch mode as the target, so the copy holds the very pixels a render would leave.
    ::SetStretchBltMode(memory, ::GetStretchBltMode(dc));
    const long hw = GetWidth();
    const long hh = GetHeight();
    if (picture->Render(memory, 0, 0, width, height, 0, hh, hw, -hh, nullptr) != S_OK) {
        ::SelectObject(memory, previous);
        ::DeleteDC(memory);
        ::DeleteObject(bitmap);
        return false;
    }
    copyDC = memory;
    copyBitmap = bitmap;
    copyPrevious = previous;
    copySize = SIZE{ width, height };
    copyMode = ::GetStretchBltMode(dc);
    return true;
}

bool iPicture::IsOpaque() const
{
    SHORT type = PICTYPE_UNINITIALIZED;
    DWORD attributes = 0;
    return picture && picture->get_Type(&type) == S_OK && type == PICTYPE_BITMAP &&
        picture->get_Attributes(&attributes) == S_OK && !(attributes & PICTURE_TRANSPARENT);
}

CSize iPicture::NaturalSize(HDC dc) const
{
    return CSize(::MulDiv(GetWidth(), ::GetDeviceCaps(dc, LOGPIXELSX), 2540),
                 ::MulDiv(GetHeight(), ::GetDeviceCaps(dc, LOGPIXELSY), 2540));
}

bool iPicture::DrawNatural(HDC dc, int x, int y) const
{
    if (!picture) return false;
    const CSize size = NaturalSize(dc);
    return Render(dc, x, y, size.cx, size.cy);
}

bool iPicture::Draw(HDC dc) const { return DrawNatural(dc, 0, 0); }

bool iPicture::Draw(HDC dc, const POINT& at) const { return DrawNatural(dc, at.x, at.y); }

bool iPicture::Draw(HDC dc, const RECT& rect) const
{
    if (!picture) return false;
    return Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
