// The one application object: InitInstance, the message loop, ExitInstance.
#pragma once
#include "Afx.h"
#include "CString.h"

class CWinApp {
public:
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    // Offered every message before it is dispatched; true when it needs no dispatching.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual int ExitInstance() { return m_exitCode; }
    // Closes the main window, the framework's way of quitting.
    void OnAppExit();
    BOOL Enable3dControlsStatic() { return TRUE; } // controls are always drawn 3-D now

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;

protected:
    int m_exitCode = 0;

private:
    CString m_appName;
};

// Runs the application object as the entry point does.
int AfxWinMain(HINSTANCE instance, int cmdShow);
