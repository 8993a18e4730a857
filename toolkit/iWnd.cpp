#include "iWnd.h"
#include "CDialog.h"
#include "iDialog.h"
#include "iDialogUnitsParent.h"

void MapToParentUnits(CWnd* parent, RECT& rect)
{
    if (!parent || !parent->m_hWnd) return;
    bool convert = false;
    // The first kind that matches decides.
    if (auto* dialog = dynamic_cast<iDialog*>(parent))
        convert = dialog->UsesDialogUnits();
    else if (auto* page = dynamic_cast<iDialogUnitsParent*>(parent))
        convert = page->UsesDialogUnits();
    else if (dynamic_cast<CDialog*>(parent))
        convert = true;
    if (convert) parent->MapDialogRect(&rect);
}

BOOL iCreateControl(CWnd* control, iWindowSetAccess& registration, CWnd* parent, LPCSTR className, const RECT& rect,
                    DWORD style, LPCSTR text, UINT id, bool extended, DWORD exStyle, LPVOID param)
{
    RECT r = rect;
    MapToParentUnits(parent, r);
    BOOL created = extended ? control->CreateEx(exStyle, className, text, style | WS_CHILD, r, parent, id, param)
                            : control->Create(className, text, style | WS_CHILD, r, parent, id, param);
    if (!created || !control->m_hWnd) return FALSE;
    if (parent && parent->m_hWnd) {
        LRESULT font = parent->SendMessage(WM_GETFONT);
        control->SendMessage(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    }
    registration.Attach(control);
    return TRUE;
}

iWnd::~iWnd() { DeleteOwnedWindows(windows); }
