#include "iToolTipCtrl.h"

BEGIN_MESSAGE_MAP(iToolTipCtrl, CToolTipCtrl)
    ON_NOTIFY_REFLECT_EX(TTN_NEEDTEXT, OnNeedText)
END_MESSAGE_MAP()

iToolTipCtrl::iToolTipCtrl(CWnd* parent, DWORD style)
{
    onNeedText.Clear();
    Create(parent, style);
}

BOOL iToolTipCtrl::OnNeedText(NMHDR* header, LRESULT* result)
{
    NeedText request{ header, result };
    onNeedText(&request);
    // Not consumed: the parent sees the request too.
    return FALSE;
}
