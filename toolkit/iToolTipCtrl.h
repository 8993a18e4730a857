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

protected:
    BOOL OnNeedText(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
