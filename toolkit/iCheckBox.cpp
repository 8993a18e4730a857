#include "iCheckBox.h"
#include "iWnd.h"

DWORD AddButtonType(DWORD style, DWORD type) { return (style & ~0xFFu) | ((style + type) & 0xFFu); }

iCheckBox::iCheckBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
    : iButton(parent, rect, AddButtonType(style, BS_AUTOCHECKBOX), text, id)
{}

iGroupBox::iGroupBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
    : iButton(parent, rect, AddButtonType(style, BS_GROUPBOX), text, id)
{}

iComboBox::iComboBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
{
    iCreateControl(this, registration, parent, "ComboBox", rect, style, text, id);
}
