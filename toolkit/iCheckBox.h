// Thin control windows of generated dialogs, each created at once by its constructor.
#pragma once
#include "CComboBox.h"
#include "iButton.h"

// A check box that toggles itself when clicked.
class iCheckBox : public iButton {
public:
    iCheckBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id);
    bool IsChecked() const { return SendMessage(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool on) { SendMessage(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
};

// A frame with a caption that groups other controls.
class iGroupBox : public iButton {
public:
    iGroupBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id);
};

class iComboBox : public CComboBox {
public:
    iComboBox(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id);
    iWindowSetAccess registration;
};

// The button type sits in the low byte of a button's style.
DWORD AddButtonType(DWORD style, DWORD type);
