// Buttons created by their constructors, reporting clicks through a callback and the parent's commands.
#pragma once
#include "CButton.h"
#include "iCallback.h"
#include "iWindowSet.h"

class iButton : public CButton {
public:
    iButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id);
    iButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param);
    ~iButton() override = default;

    template <class Target, class Result, class Param> void SetOnClick(Target* target, Result (Target::*handler)(Param))
    {
        onClick.Set(target, handler);
    }

    iWindowSetAccess registration;
    iCallback<iButton*> onClick;

protected:
    BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};

class iPushButton : public iButton {
public:
    iPushButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id)
        : iButton(parent, rect, style, text, id)
    {}
    iPushButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param)
        : iButton(parent, rect, style, text, id, exStyle, param)
    {}
};
