#include "HelpDialog.h"
#include "HelpTexts.h"
#include "iButton.h"
#include "iStatic.h"

namespace {
const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
}

HelpDialog::HelpDialog(CWnd* parent, LPCSTR title)
    : iDialog(parent, CRect(0, 0, 400, 300), kDialogStyle, CString("Help ") + title)
{
    text = new iStatic(this, CRect(10, 10, 390, 290), WS_VISIBLE, HelpRulesText, 0xFFFF);
    ok = new iPushButton(this, CRect(345, 4, 395, 18), WS_VISIBLE | WS_GROUP, "&OK", IDOK);
}

HelpDialog::~HelpDialog()
{
    delete ok;
    delete text;
}
