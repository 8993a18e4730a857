#include "AboutDialog.h"
#include "HelpTexts.h"
#include "ProgramText.h"
#include "iButton.h"
#include "iStatic.h"
#include "iStaticHyperLink.h"

namespace {
const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
}

AboutDialog::AboutDialog(CWnd* parent, LPCSTR title, int major, int minor, int build)
    : iDialog(parent, CRect(40, 40, 360, 240), kDialogStyle, CaptionOf(IDS_ABOUT_CAPTION, title))
{
    CString line;
    line.Format(ProgramText(IDS_ABOUT_VERSION), title, major, minor, build);
    version = new iStatic(this, CRect(40, 10, 160, 22), WS_VISIBLE, line, 0xFFFF);
    about = new iStatic(this, CRect(40, 22, 280, 142), WS_VISIBLE, ProgramText(IDS_ABOUT_TEXT), 0xFFFF);
    links[0] = new iStaticHyperLink(this, CRect(40, 152, 240, 164), WS_VISIBLE | WS_TABSTOP,
                                    ProgramText(IDS_ABOUT_CODE_NOTICE), 0xFFFF);
    links[0]->SetAction(XHyperLinkAction::Open, AboutCodeUrl, "", "", SW_SHOWNORMAL, 0, nullptr);
    links[1] = new iStaticHyperLink(this, CRect(40, 166, 240, 178), WS_VISIBLE | WS_TABSTOP,
                                    ProgramText(IDS_ABOUT_PROGRAMMER), 0xFFFF);
    links[1]->SetAction(XHyperLinkAction::EMail, AboutProgrammerMail, "", "", SW_SHOWNORMAL, 0, nullptr);
    links[2] = new iStaticHyperLink(this, CRect(40, 180, 240, 192), WS_VISIBLE | WS_TABSTOP,
                                    ProgramText(IDS_ABOUT_ARTIST), 0xFFFF);
    links[2]->SetAction(XHyperLinkAction::EMail, AboutPublisherMail, "", "", SW_SHOWNORMAL, 0, nullptr);
    ok = new iPushButton(this, CRect(265, 4, 315, 18), WS_VISIBLE | WS_GROUP | WS_TABSTOP, ProgramText(IDS_OK), IDOK);
    // The dialog opens with OK focused, so Enter or Esc closes it at once.
    GotoDlgCtrl(ok);
}

AboutDialog::~AboutDialog()
{
    // The third link and the About text go with the dialog's window set.
    delete ok;
    delete links[1];
    delete links[0];
    delete version;
}
