#include "CDialog.h"
#include "CWinApp.h"

void AfxHookWindowCreate(CWnd* wnd);
bool AfxUnhookWindowCreate();

namespace {
// Every message goes through the subclassed window procedure; the dialog procedure adds nothing.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) { InitModalIndirect(dialogTemplate, parent); }

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent)
{
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE dialogTemplate, HWND parent)
{
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND h = CreateDialogIndirectParamA(AfxGetInstanceHandle(), dialogTemplate, parent, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (!h) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        if (m_hWnd) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent)
{
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    BOOL ok = CreateDlgIndirect(dialogTemplate, parent ? parent->m_hWnd : nullptr);
    m_nFlags &= ~WF_CONTINUEMODAL; // modeless: no loop of ours
    return ok;
}

HWND CDialog::PreModal()
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!parent) {
        CWnd* main = AfxGetMainWnd();
        parent = main ? main->m_hWnd : nullptr;
    }
    // A child cannot own a dialog: take its top-level window.
    while (parent && (GetWindowLongPtrA(parent, GWL_STYLE) & WS_CHILD)) parent = ::GetParent(parent);
    return parent;
}

INT_PTR CDialog::DoModal()
{
    if (!m_lpDialogTemplate) return -1;
    HWND parent = PreModal();
    bool enableParent = false;
    if (parent && ::IsWindowEnabled(parent)) {
        ::EnableWindow(parent, FALSE);
        enableParent = true;
    }
    if (CreateDlgIndirect(m_lpDialogTemplate, parent)) {
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD flags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG) flags |= MLF_NOIDLEMSG;
            RunModalLoop(flags);
        }
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (enableParent) ::EnableWindow(parent, TRUE);
    if (parent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(parent);
    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    if (m_nFlags & WF_CONTINUEMODAL)
        EndModalLoop(result);
    else if (m_hWnd)
        ::EndDialog(m_hWnd, result);
    m_nModalResult = result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (m_hWnd && control && control->m_hWnd)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
