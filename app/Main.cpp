// The program: one frame window until the game window takes its place.
#include "CFrameWnd.h"
#include "CWinApp.h"

namespace {

class PlainApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        auto* frame = new CFrameWnd;
        RECT r = { CW_USEDEFAULT, CW_USEDEFAULT, 0, 0 };
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        RECT outer = { 0, 0, 640, 480 };
        AdjustWindowRect(&outer, style, FALSE);
        r = outer;
        frame->Create(nullptr, "Votaroo!", style, r);
        frame->CenterWindow();
        m_pMainWnd = frame;
        frame->ShowWindow(m_nCmdShow);
        frame->UpdateWindow();
        return TRUE;
    }
};

PlainApp theApp;

} // namespace
