// Dialogs from in-memory templates, with the framework's modal loop and data exchange.
#pragma once
#include "CWnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dlg, BOOL saveAndValidate) : m_pDlgWnd(dlg), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

class CDialog : public CWnd {
public:
    CDialog() = default;
    CDialog(LPCDLGTEMPLATE dialogTemplate, CWnd* parent);

    BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    // Creates a modeless dialog at once.
    BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Moves the focus to a control the way the dialog manager does, default button included.
    void GotoDlgCtrl(CWnd* control);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // The owner a modal dialog disables: the given parent's top-level window, else the main window.
    HWND PreModal();
    void PostModal() {}
    // Creates the window from the template; the loop flag is set so EndDialog during creation is seen.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE dialogTemplate, HWND parent);
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    DECLARE_MESSAGE_MAP()
};
