#include "iButton.h"
#include "iWnd.h"

BEGIN_MESSAGE_MAP(iButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

iButton::iButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
{
    iCreateControl(this, registration, parent, "BUTTON", rect, style, text, id);
}

iButton::iButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param)
{
    iCreateControl(this, registration, parent, "Button", rect, style, text, id, true, exStyle, param);
}

BOOL iButton::OnClicked()
{
    onClick(this);
    // Not consumed: the parent still gets the command by the button's id.
    return FALSE;
}
