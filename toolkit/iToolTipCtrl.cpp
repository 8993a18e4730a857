#include "iToolTipCtrl.h"
#include "iContrast.h"
#include <algorithm>
#include <cstddef>
#include <iterator>

// The tool description of the oldest common controls a tracking tool needs.
static_assert(sizeof(void*) != 4 || offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM) == 44, "tracking tool size");

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

void iToolTipCtrl::AddTrackingTool(TTTOOLINFOA& tool, HWND owner, const char* text)
{
    tool = {
        TTTOOLINFOA_V2_SIZE, TTF_TRACK | TTF_TRANSPARENT, owner, 0, {}, nullptr, const_cast<char*>(text), 0, nullptr
    };
    if (!m_hWnd) return;
    AddTool(&tool);
    Activate(FALSE);
}

void iToolTipCtrl::FitTrackingTool(TTTOOLINFOA& tool, const RECT& client, int maxWidth)
{
    if (!m_hWnd) return;
    tool.rect = client;
    SetToolInfo(&tool);
    SetMaxTipWidth(maxWidth);
}

void iToolTipCtrl::Track(TTTOOLINFOA& tool, CPoint at, const char* text)
{
    tool.lpszText = const_cast<char*>(text);
    SetToolInfo(&tool);
    Activate(TRUE);
    SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    iTipFollowsContrast(m_hWnd);
    SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    ShowWindow(SW_SHOWNA);
}

void iToolTipCtrl::Untrack(TTTOOLINFOA& tool)
{
    SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    Activate(FALSE);
}

void iToolTipCtrl::RelayMouse(HWND owner, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT relayed[] = { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                    WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP };
    if (!m_hWnd || std::find(std::begin(relayed), std::end(relayed), message) == std::end(relayed)) return;
    MSG relay = { owner, message, wParam, lParam, 0, {} };
    RelayEvent(&relay);
}
