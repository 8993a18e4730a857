// The toolkit's frame window: created by its constructor, owner of the controls made on it.
#pragma once
#include "CFrameWnd.h"
#include "iWindowSet.h"

class iFrameWnd : public CFrameWnd, public iWindowSetOwner {
public:
    iFrameWnd(CWnd* parent, const RECT& rect, DWORD style, LPCSTR title);
    ~iFrameWnd() override;

    iWindowSet* GetWindowSet() override { return &windows; }
    // The window rectangle whose client area is exactly width x height at (x, y).
    static CRect WindowRectForClient(int x, int y, int width, int height, DWORD style, BOOL hasMenu);

    iWindowSet windows;

    // An accelerator table of one key, a virtual key without shift, for one command.
    static HACCEL KeyCommand(UINT key, WORD command)
    {
        ACCEL accel = { FVIRTKEY, static_cast<WORD>(key), command };
        return ::CreateAcceleratorTableA(&accel, 1);
    }

protected:
    // The system's colours or its contrast setting changed: everything is painted anew at once.
    LRESULT OnThemeChange(WPARAM, LPARAM);
    // The keyboard cues (focus marks, underlined access keys), hidden until the keyboard is
    // used. Kept here: Wine shows them from the start and never hides them.
    LRESULT OnChangeUiState(WPARAM, LPARAM);
    LRESULT OnQueryUiState(WPARAM, LPARAM) { return m_uiState; }
    DECLARE_MESSAGE_MAP()

private:
    WORD m_uiState = UISF_HIDEFOCUS | UISF_HIDEACCEL;
};
