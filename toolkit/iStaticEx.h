// A static text with its own colours, font and text format, painted off screen without flicker;
// under a high-contrast theme it paints in the system's window colours.
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
    // A screen reader reads the window text: with a label it names what is shown ("Votes 120")
    // while the window still paints the text alone. An empty label reads the text as it is.
    void SetLabel(LPCSTR words);
    // What a screen reader reads for a text: the label and the text, or one of them alone.
    CString SpokenText(LPCSTR shown) const;

    CString text;
    iFont font;
    COLORREF textColor;
    COLORREF backColor;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    CString label;

    // The colours painted while enabled: its own, or the system's under high contrast.
    COLORREF TextColor() const;
    COLORREF BackColor() const;

protected:
    void OnEnable(BOOL enable);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    LRESULT OnSetText(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
