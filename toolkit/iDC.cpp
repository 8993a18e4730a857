#include "iDC.h"

iBitmap::iBitmap(CDC* dc, int width, int height) : iBitmap(dc ? dc->m_hDC : nullptr, width, height) {}

iBitmap::iBitmap(HDC dc, int width, int height) { created = CreateCompatibleBitmap(dc, width, height); }

CSize iBitmap::GetSize() const
{
    BITMAP header{};
    if (!GetBitmap(&header)) return CSize(0, 0);
    return CSize(header.bmWidth, header.bmHeight);
}

iDC::iDC(CDC* compatible) { CreateCompatibleDC(compatible); }

iCDC::iCDC(CDC* ref, int width, int height) : iDC(ref), reference(ref), area(0, 0, width, height) { Build(); }

iCDC::iCDC(CDC* ref, const RECT& rect) : iDC(ref), reference(ref), area(rect) { Build(); }

void iCDC::Build()
{
    // Without a reference the screen decides the format: a bitmap compatible with a
    // fresh memory context would be monochrome.
    HDC screen = reference ? nullptr : ::GetDC(nullptr);
    bitmap = new iBitmap(reference ? reference->m_hDC : screen, area.Width(), area.Height());
    if (screen) ::ReleaseDC(nullptr, screen);
    ownsBitmap = 1;
    previous = SelectObject(bitmap);
}

iCDC::~iCDC()
{
    if (previous) SelectObject(previous);
    DeleteDC();
    if (ownsBitmap) delete bitmap;
}

BOOL iCDC::Copy(DWORD rop) { return reference ? CopyTo(reference, rop) : FALSE; }

BOOL iCDC::CopyTo(CDC* destination, DWORD rop)
{
    if (!destination) return FALSE;
    return destination->BitBlt(area.left, area.top, area.Width(), area.Height(), this, 0, 0, rop);
}
