#include "HelpDialog.h"
#include "ProgramText.h"
#include "iButton.h"
#include "iStatic.h"

namespace {
const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
}

HelpDialog::HelpDialog(CWnd* parent, LPCSTR title)
    : iDialog(parent, CRect(0, 0, 400, 300), kDialogStyle, CaptionOf(IDS_HELP_CAPTION, title))
{
    text = new iStatic(this, CRect(10, 10, 390, 290), WS_VISIBLE, ProgramText(IDS_HELP_RULES), 0xFFFF);
    ok = new iPushButton(this, CRect(345, 4, 395, 18), WS_VISIBLE | WS_GROUP | WS_TABSTOP, ProgramText(IDS_OK), IDOK);
    // The dialog opens with OK focused, so Enter or Esc closes it at once.
    GotoDlgCtrl(ok);
}

HelpDialog::~HelpDialog()
{
    delete ok;
    delete text;
}
