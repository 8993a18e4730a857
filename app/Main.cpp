// The application object: fixes where settings live, then opens the game window.
#include "CWinApp.h"
#include "MainFrameWnd.h"
#include "iProfile.h"
#include "iRegistry.h"

class Main : public CWinApp {
public:
    Main();
    ~Main() override = default;
    BOOL InitInstance() override;
    int ExitInstance() override;
};

Main::Main() : CWinApp(nullptr)
{
    // Both are process-wide and must hold before any window or profile exists.
    iRegistry::SetKeyPath("Software", "Tarvel", "Main");
    iProfile::SetDefaultMode(ProfilePrivate);
}

BOOL Main::InitInstance()
{
    Enable3dControlsStatic();
    auto* window = new MainFrameWnd;
    if (!window->m_hWnd) {
        // No window could be made (no display): end quietly rather than run without one.
        delete window;
        return FALSE;
    }
    m_pMainWnd = window;
    window->ShowWindow(m_nCmdShow);
    return TRUE;
}

int Main::ExitInstance() { return CWinApp::ExitInstance(); }

Main theApp;
