// A static text window created by its constructor, entered in its parent's window set.
#pragma once
#include "CStatic.h"
#include "iWindowSet.h"

class iStatic : public CStatic {
public:
    iStatic(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id = 0xFFFF);
    iStatic(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param);
    ~iStatic() override = default;

    iWindowSetAccess registration;

protected:
    iStatic() = default;
};
