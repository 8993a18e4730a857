// A static text with its own colours, font and text format, painted off screen without flicker.
#pragma once
#include "CString.h"
#include "iFont.h"
#include "iStatic.h"

class iStaticEx : public iStatic {
public:
    iStaticEx(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id = 0xFFFF);
    ~iStaticEx() override = default;

    void SetTextColor(COLORREF color) { textColor = color; }
    // Height in logical units, negative for the character height.
    void SetFont(int height, LPCSTR face);
    void SetFormat(UINT flags) { format = flags; }

    CString text;
    iFont font;
    COLORREF textColor;
    COLORREF backColor;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

protected:
    void OnEnable(BOOL enable);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    LRESULT OnSetText(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
