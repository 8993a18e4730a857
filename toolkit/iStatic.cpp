#include "iStatic.h"
#include "iWnd.h"

iStatic::iStatic(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
{
    iCreateControl(this, registration, parent, "STATIC", rect, style, text, id);
}

iStatic::iStatic(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param)
{
    iCreateControl(this, registration, parent, "Static", rect, style, text, id, true, exStyle, param);
}
