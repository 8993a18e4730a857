// A static text that acts as a link: link colours, a pointing-hand cursor and an action on click.
// As a tab stop it shows a focus mark and its address while focused, and Enter or the space bar
// follow it as a click does.
#pragma once
#include "XHyperLinkAction.h"
#include "XStatic.h"

class XStaticHyperLink : public XStatic {
public:
    XStaticHyperLink();

    void SetAction(int type, LPCSTR file, LPCSTR parameters = "", LPCSTR directory = "",
                   int showCommand = SW_SHOWNORMAL, UINT message = 0, HWND messageTarget = nullptr);

    bool Initialise() override;
    void UpdateTipText() override;
    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;
    virtual void LoadLinkCursor();
    virtual void Follow();
    // The text's colour now: visited or not, or the system's link colour under high contrast.
    COLORREF LinkColor() const;

    COLORREF unvisitedColor = RGB(0, 0, 255);
    COLORREF visitedColor = RGB(128, 0, 128);
    int visited = 0;
    XHyperLinkAction action;
    HCURSOR linkCursor = nullptr;
    int useTextAsLink = 1;
    int reportErrors = 1;
    // Shows the address while the link has the focus; the hover tip is the mouse's.
    CToolTipCtrl focusTip;

    static const int LinkCursorId = 23460;

protected:
    bool UnderlinesFont() const override { return true; }
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnPaint();
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnDestroy();
    LRESULT OnGetDlgCode(WPARAM, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // The link has the focus and the system shows focus marks.
    bool ShowsFocus() const;
    void ShowFocusTip(bool show);
    DECLARE_MESSAGE_MAP()
};
