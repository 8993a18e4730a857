#include "CWinApp.h"
#include "CGdiObject.h"
#include "CWnd.h"
#include <ole2.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}
namespace {
HINSTANCE g_resources = nullptr;
}
HINSTANCE AfxGetResourceHandle() { return g_resources ? g_resources : AfxGetInstanceHandle(); }
void AfxSetResourceHandle(HINSTANCE resources) { g_resources = resources; }

int AfxMessageBox(LPCSTR text, UINT type)
{
    // Owned by the window in use (a modal dialog over the main window, which that dialog has
    // disabled), so the box disables it in turn and stays in front of it.
    HWND owner = ::GetActiveWindow();
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main->m_hWnd) owner = ::GetLastActivePopup(main->m_hWnd);
    }
    LPCSTR title = g_app && g_app->m_pszAppName ? g_app->m_pszAppName : "";
    return ::MessageBoxA(owner, text, title, type);
}

CWinApp::CWinApp(LPCSTR appName)
{
    g_app = this;
    if (appName) {
        m_appName = appName;
    } else {
        // Without a name of its own the application is named after its program file.
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        CString p(path);
        int slash = p.ReverseFind('\\');
        p = p.Mid(slash + 1);
        int dot = p.ReverseFind('.');
        m_appName = dot > 0 ? p.Left(dot) : p;
    }
    m_pszAppName = m_appName;
}

CWinApp::~CWinApp()
{
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Idle: drop the temporary wrappers handed out while handling messages.
            CWnd::DeleteTempMap();
            AfxDeleteTempGdiObjects();
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (PreTranslateMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_exitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

namespace {

// A visible, enabled child that Tab stops at.
bool HasTabStop(HWND parent)
{
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        const LONG_PTR style = ::GetWindowLongPtrA(c, GWL_STYLE);
        if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) return true;
    }
    return false;
}

} // namespace

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    // Then the keys of a main window with controls go through the dialog manager, so Tab and the
    // arrows move among the controls and Enter and the space bar press the focused one. Without
    // a visible tab stop (the game hides its buttons while it runs) every key reaches the
    // window as it is.
    HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (!main) return FALSE;
    // The window's own messages first: its accelerators hold wherever the focus is.
    if (m_pMainWnd->PreTranslateMessage(msg)) return TRUE;
    if ((msg->hwnd != main && !::IsChild(main, msg->hwnd)) || !HasTabStop(main)) return FALSE;
    const UINT m = msg->message;
    if (m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN) {
        // A click hides the focus mark again, as for a player who never used the keyboard.
        ::SendMessageA(main, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        return FALSE;
    }
    if (m < WM_KEYFIRST || m > WM_KEYLAST) return FALSE;
    const WPARAM key = msg->wParam;
    if (m == WM_KEYDOWN && (key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN)))
        // Moving by keyboard shows the focus mark, where the system hid it for the mouse.
        ::SendMessageA(main, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    else if (m == WM_SYSKEYDOWN && key == VK_MENU)
        ::SendMessageA(main, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    return ::IsDialogMessageA(main, msg);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

int AfxWinMain(HINSTANCE instance, int cmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    app->m_nCmdShow = cmdShow;
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    int code;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        code = app->ExitInstance();
    } else {
        code = app->Run();
    }
    OleUninitialize();
    return code;
}
