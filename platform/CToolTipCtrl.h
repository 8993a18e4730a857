// The framework's tool-tip control: a pop-up window of the common tool-tip class.
#pragma once
#include "CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0)
    {
        return CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr);
    }
    BOOL AddTool(TTTOOLINFOA* info)
    {
        return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(info)));
    }
    void SetToolInfo(TTTOOLINFOA* info) { SendMessage(TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(info)); }
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    void Activate(BOOL active) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(active)); }
    void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
