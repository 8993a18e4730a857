#include "iPicture.h"
#include <cstring>

iPicture::iPicture(HMODULE module, LPCSTR name, LPCSTR type)
{
    picture = nullptr;
    LoadFromResource(module, name, type);
}

iPicture::~iPicture()
{
    if (picture) picture->Release();
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
    long hw = GetWidth();
    long hh = GetHeight();
    // HIMETRIC y grows upwards, so the source is given bottom-up.
    return picture->Render(dc, x, y, width, height, 0, hh, hw, -hh, nullptr) == S_OK;
}

bool iPicture::DrawNatural(HDC dc, int x, int y) const
{
    if (!picture) return false;
    int width = ::MulDiv(GetWidth(), ::GetDeviceCaps(dc, LOGPIXELSX), 2540);
    int height = ::MulDiv(GetHeight(), ::GetDeviceCaps(dc, LOGPIXELSY), 2540);
    return Render(dc, x, y, width, height);
}

bool iPicture::Draw(HDC dc) const { return DrawNatural(dc, 0, 0); }

bool iPicture::Draw(HDC dc, const POINT& at) const { return DrawNatural(dc, at.x, at.y); }

bool iPicture::Draw(HDC dc, const RECT& rect) const
{
    if (!picture) return false;
    return Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
