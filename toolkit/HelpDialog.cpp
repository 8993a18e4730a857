#include "HelpDialog.h"
#include "ProgramText.h"
#include "iButton.h"
#include "iStatic.h"
#include "CDC.h"
#include <algorithm>

namespace {
const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
}

HelpDialog::HelpDialog(CWnd* parent, LPCSTR title)
    : iDialog(parent, CRect(0, 0, 400, 300), kDialogStyle, CaptionOf(IDS_HELP_CAPTION, title))
{
    text = new iStatic(this, CRect(10, 10, 390, 290), WS_VISIBLE, ProgramText(IDS_HELP_RULES), 0xFFFF);
    // The keys follow the rules a blank line below their last line, in whatever length the
    // language gives the rules.
    int top = 290;
    if (text->m_hWnd) {
        CRect place;
        text->GetClientRect(&place);
        CClientDC dc(text);
        CScopedSelect font(dc.m_hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        CRect need(0, 0, place.Width(), 0);
        dc.DrawText(ProgramText(IDS_HELP_RULES), -1, &need, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
        CRect line(0, 0, 4, 8);
        MapDialogRect(&line);
        const int rulesHeight = line.bottom > 0 ? (need.Height() * 8 + line.bottom - 1) / line.bottom : 280;
        top = std::min(290, 10 + rulesHeight + 8);
        CRect rules(10, 10, 390, 10 + rulesHeight);
        MapDialogRect(&rules);
        text->MoveWindow(rules, FALSE);
    }
    keys = new iStatic(this, CRect(10, top, 390, 290), WS_VISIBLE, ProgramText(IDS_HELP_KEYS), 0xFFFF);
    ok = new iPushButton(this, CRect(345, 4, 395, 18), WS_VISIBLE | WS_GROUP | WS_TABSTOP, ProgramText(IDS_OK), IDOK);
    // The dialog opens with OK focused, so Enter or Esc closes it at once.
    GotoDlgCtrl(ok);
}

HelpDialog::~HelpDialog()
{
    delete ok;
    delete keys;
    delete text;
}
