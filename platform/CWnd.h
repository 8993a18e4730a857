// The framework window: bound to its HWND from the first message on, dispatching through message maps.
#pragma once
#include "Afx.h"
#include "CString.h"
#include "MessageMap.h"
#include "Types.h"

class CDC;
class CFont;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The object bound to a window, or null for windows of no object.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The bound object, or a temporary one that lives until the message loop is idle.
    static CWnd* FromHandle(HWND hWnd);
    static void DeleteTempMap();

    BOOL Attach(HWND hWnd);
    HWND Detach();

    virtual BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU menuOrId, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();
    // Offered the notifications a parent reflects; true when consumed.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Looks a command up in the map chain; true when handled.
    virtual BOOL OnCmdMsg(UINT id, int code, UINT message, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() {}
    // Offered the application loop's messages for this window and its children before they are
    // dispatched; true when the message needs no dispatching.
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }

    // Modal loops of dialogs.
    int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);

    // Everyday window operations.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ShowWindow(int cmd);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags);
    void SetWindowText(LPCSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MapDialogRect(LPRECT rect) const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    void CenterWindow(CWnd* alternateOwner = nullptr);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    HFONT GetFontHandle() const;
    CWnd* SetFocus();
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // The framework's message map of this class.
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();

    // Dispatch through the map chain; false when no entry consumed the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static BOOL ReflectLastMsg(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id);

    // Default handlers: they give the message its default processing.
    void OnPaint() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnEnable(BOOL) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    void OnSetFocus(CWnd*) { Default(); }

    WNDPROC m_pfnSuper = nullptr;
    int m_nModalResult = -1;
    DWORD m_nFlags = 0;
    enum { WF_CONTINUEMODAL = 0x0001, WF_MODALLOOP = 0x0002 };

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);

private:
    void HandleNcDestroy();
};

// Modal loop flags.
#define MLF_NOIDLEMSG 0x0001
#define MLF_SHOWONIDLE 0x0004

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Window classes of our own register with this default procedure; the creation hook subclasses them.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);
