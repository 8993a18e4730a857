// A static text with its own colours, font and tool tip, which can size itself to its text.
#pragma once
#include "CDC.h"
#include "CStatic.h"
#include "CToolTipCtrl.h"

class XStatic : public CStatic {
public:
    XStatic();
    ~XStatic() override;

    // Creates the window and sets up the tool tip and font.
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF, DWORD exStyle = 0,
                LPVOID param = nullptr);

    virtual bool MakeFont();
    virtual bool Initialise();
    virtual void UpdateTipText();
    virtual HBRUSH CtlColor(CDC* dc, UINT ctlColor);

    void FitToText();
    // Left, centred or right text, simple, or left without word wrap.
    bool IsTextStatic() const;
    void SetTipText(LPCSTR text);

    COLORREF backColor;
    COLORREF textColor;
    CFont font;
    int tipEnabled = 0;
    CString tipText;
    CToolTipCtrl tip;
    int fitToText = 0;
    CRect fixedRect;
    int tipTextFixed = 0;
    int createdByCreate = 0;
    int initialised = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual bool UnderlinesFont() const { return false; }
    LRESULT OnSetText(WPARAM, LPARAM);
    LRESULT OnSetFont(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* dc);
    void SetToolRect(const RECT& r);
    // Hands tipText to the tool.
    void SendTipText();
    CRect RectInParent() const;

private:
    bool m_fitting = false;
    DECLARE_MESSAGE_MAP()
};
