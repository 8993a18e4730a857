// The tool-tip window, telling its owner when a tip needs its text.
#pragma once
#include "CToolTipCtrl.h"
#include "iCallback.h"

class iToolTipCtrl : public CToolTipCtrl {
public:
    // What a text request carries: the notification and where its result goes.
    struct NeedText {
        NMHDR* header;
        LRESULT* result;
    };

    iToolTipCtrl(CWnd* parent, DWORD style);

    // The widest tip, in pixels, whatever the screen.
    static int MaxTipWidth() { return 640; }

    template <class Target, class Result, class Param>
    void SetOnNeedText(Target* target, Result (Target::*handler)(Param))
    {
        onNeedText.Set(target, handler);
    }

    iCallback<NeedText*> onNeedText;

    // One tool tracked by hand over its owner, off until Track shows it: under Wine relayed
    // mouse moves would pop an active tracking tool up.
    void AddTrackingTool(TTTOOLINFOA& tool, HWND owner, const char* text);
    // The tool over the owner's whole client area, its tips at most maxWidth pixels wide.
    void FitTrackingTool(TTTOOLINFOA& tool, const RECT& client, int maxWidth);
    // Shows the tool with the text at a point of the screen, in the theme's colours; and hides it.
    void Track(TTTOOLINFOA& tool, CPoint at, const char* text);
    void Untrack(TTTOOLINFOA& tool);
    // Passes the owner's mouse messages on, as a tip must see them; others, and double clicks, not.
    void RelayMouse(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    BOOL OnNeedText(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
