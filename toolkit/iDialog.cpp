#include "iDialog.h"
#include "ProgramText.h"
#include "iContrast.h"
#include "iScale.h"

BEGIN_MESSAGE_MAP(iDialog, CDialog)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnThemeChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnThemeChange)
END_MESSAGE_MAP()

iDialog::iDialog(CWnd* parent, const RECT& r, DWORD dialogStyle, LPCSTR caption, int menu, int modeless)
{
    WORD menuId = (menu == 0 || menu == -1) ? 0 : static_cast<WORD>(menu);
    DWORD templateStyle = dialogStyle & ~KeepPlacement;
    WORD pointSize = 8;
    LPCSTR face = "MS Sans Serif";
    // Without a font of its own a dialog has the System font, which under Wine is a bitmap that
    // keeps its 96-DPI size. Past 96 DPI such a dialog gets a TrueType face of that size made at
    // the DPI instead, and its dialog units, its controls and its links grow with it.
    if (!(templateStyle & DS_SETFONT) && iScale::DpiOf(parent ? parent->m_hWnd : nullptr) > 96) {
        templateStyle |= DS_SETFONT;
        pointSize = SystemSizedPoints;
        face = SystemSizedFace;
    }
    dialogTemplate.reset(new CDialogTemplate(templateStyle, 0, static_cast<short>(r.left), static_cast<short>(r.top),
                                             static_cast<short>(r.right - r.left), static_cast<short>(r.bottom - r.top),
                                             caption, menuId, pointSize, face));
    rect = r;
    style = dialogStyle;
    if (modeless == 0) {
        InitModalIndirect(dialogTemplate->Get(), parent);
        disabledParent = PreModal();
        if (disabledParent && ::IsWindowEnabled(disabledParent)) {
            ::EnableWindow(disabledParent, FALSE);
            parentWasEnabled = 1;
        }
        CreateDlgIndirect(dialogTemplate->Get(), disabledParent);
    } else {
        CreateIndirect(dialogTemplate->Get(), parent);
    }
    modalByHand = 1;
    dialogUnits = 1;
    inModalLoop = 0;
}

iDialog::~iDialog()
{
    DeleteOwnedWindows(windows);
    if (m_hWnd) DestroyWindow();
    // A dialog dropped without its loop must not leave the parent disabled.
    if (parentWasEnabled && disabledParent) ::EnableWindow(disabledParent, TRUE);
}

INT_PTR iDialog::DoModal()
{
    inModalLoop = 1;
    if (!modalByHand) {
        INT_PTR r = CDialog::DoModal();
        inModalLoop = 0;
        return r;
    }
    if (m_hWnd && (m_nFlags & WF_CONTINUEMODAL)) {
        DWORD flags = MLF_SHOWONIDLE;
        if (style & DS_NOIDLEMSG) flags |= MLF_NOIDLEMSG;
        RunModalLoop(flags);
    }
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (parentWasEnabled && disabledParent) {
        ::EnableWindow(disabledParent, TRUE);
        parentWasEnabled = 0;
    }
    if (disabledParent && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(disabledParent);
    DestroyWindow();
    PostModal();
    inModalLoop = 0;
    return m_nModalResult;
}

BOOL iDialog::OnInitDialog()
{
    if (!dialogUnits && !(style & KeepPlacement)) {
        UINT flags = SWP_NOACTIVATE | SWP_NOZORDER;
        if (rect.left == 0 && rect.top == 0) {
            SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), flags | SWP_NOMOVE);
            CenterWindow();
        } else {
            SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), flags);
        }
    }
    BOOL result = CDialog::OnInitDialog();
    if (result) {
        HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
        if (first) {
            ::SetFocus(first);
            char cls[16] = "";
            ::GetClassNameA(first, cls, sizeof cls);
            if (lstrcmpiA(cls, "Edit") == 0) {
                ::SendMessageA(first, EM_SETSEL, 0, -1);
                ::SendMessageA(first, EM_SCROLLCARET, 0, 0);
            }
        }
    }
    return result;
}

CString iDialog::CaptionOf(UINT textId, LPCSTR title)
{
    CString caption;
    caption.Format(ProgramText(textId), title ? title : "");
    return caption;
}

LRESULT iDialog::OnThemeChange(WPARAM, LPARAM)
{
    LRESULT r = Default();
    iRepaintForTheme(m_hWnd);
    return r;
}
