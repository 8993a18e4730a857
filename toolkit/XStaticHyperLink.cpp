#include "XStaticHyperLink.h"

BEGIN_MESSAGE_MAP(XStaticHyperLink, XStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(STN_CLICKED, Follow)
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

XStaticHyperLink::XStaticHyperLink()
{
    tipEnabled = 1;
    fitToText = 1;
}

void XStaticHyperLink::SetAction(int type, LPCSTR file, LPCSTR parameters, LPCSTR directory, int showCommand,
                                 UINT message, HWND messageTarget)
{
    action.type = type;
    action.file = file;
    action.parameters = parameters;
    action.directory = directory;
    action.showCommand = showCommand;
    action.message = message;
    action.messageTarget = messageTarget;
    UpdateTipText();
}

void XStaticHyperLink::LoadLinkCursor()
{
    linkCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LinkCursorId));
}

bool XStaticHyperLink::Initialise()
{
    LoadLinkCursor();
    return XStatic::Initialise();
}

void XStaticHyperLink::UpdateTipText()
{
    if (!tipEnabled) return;
    if (!tipTextFixed) {
        tipText = action.file;
        if (tipText.IsEmpty() && useTextAsLink) {
            if (IsTextStatic()) GetWindowText(tipText);
        }
    }
    SendTipText();
}

HBRUSH XStaticHyperLink::CtlColor(CDC* dc, UINT ctlColor)
{
    HBRUSH brush = XStatic::CtlColor(dc, ctlColor);
    dc->SetTextColor(visited ? visitedColor : unvisitedColor);
    return brush;
}

BOOL XStaticHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!linkCursor) return FALSE;
    ::SetCursor(linkCursor);
    return TRUE;
}

void XStaticHyperLink::Follow()
{
    bool filled = false;
    if (action.file.IsEmpty() && useTextAsLink) {
        GetWindowText(action.file);
        filled = true;
    }
    if (action.Execute(reportErrors != 0)) {
        visited = 1;
        Invalidate(TRUE);
    }
    if (filled) action.file.Empty();
}
