// A top-level frame: routes the exit command and deletes itself when its window is gone.
#pragma once
#include "CWnd.h"

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* parent = nullptr, LPCSTR menuName = nullptr, DWORD exStyle = 0, LPVOID param = nullptr);
    static const CRect rectDefault;

    // Keys that are commands of the frame wherever the focus is among its controls (F1 for
    // help); loaded from the resources, or made by the owner, who then also destroys it.
    BOOL LoadAccelTable(LPCSTR name);
    BOOL PreTranslateMessage(MSG* msg) override;
    HACCEL m_hAccelTable = nullptr;

protected:
    // A window that fails while it is being created leaves the object to its creator.
    void PostNcDestroy() override
    {
        if (!m_creating) delete this;
    }
    bool m_creating = false;
    void OnAppExit();
    // The dialog manager moves the focus among a frame's controls as in a dialog.
    LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
    // As a dialog does, the frame gives the focus back to the control that had it when the
    // frame was last active, if that one is still shown. A frame that handles WM_ACTIVATE itself
    // calls this one from its handler.
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnSetFocus(CWnd* old);
    HWND m_hWndFocus = nullptr;
    DECLARE_MESSAGE_MAP()
};
