#include "CWnd.h"
#include "CDC.h"
#include "CGdiObject.h"
#include "CWinApp.h"
#include <map>
#include <memory>

namespace {

// Per user-interface thread: the bound windows, the temporary ones and the message being handled.
struct ThreadState {
    std::map<HWND, CWnd*> permanent;
    std::map<HWND, std::unique_ptr<CWnd>> temporary;
    MSG lastMsg{};
    CWnd* wndInit = nullptr;
    HHOOK cbtHook = nullptr;
};

ThreadState& State()
{
    static thread_local ThreadState state;
    return state;
}

} // namespace

CWnd* AfxWndFromHandle(HWND h) { return CWnd::FromHandle(h); }

CDC* AfxTempDC(HDC h)
{
    CDC* dc = new CDC;
    dc->Attach(h);
    return dc;
}

void AfxFreeTempDC(CDC* dc)
{
    dc->Detach();
    delete dc;
}

// Binds the first window created after CreateEx armed it, before it sees any message.
LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    ThreadState& st = State();
    if (code == HCBT_CREATEWND && st.wndInit) {
        auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        LPCSTR cls = cbt->lpcs->lpszClass;
        bool ime = cls && !IS_INTRESOURCE(cls) && lstrcmpiA(cls, "IME") == 0;
        if (!ime) {
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            CWnd* wnd = st.wndInit;
            st.wndInit = nullptr;
            wnd->Attach(hWnd);
            auto old = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
            if (old != &AfxWndProc) wnd->m_pfnSuper = old;
        }
    }
    return CallNextHookEx(st.cbtHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* wnd)
{
    ThreadState& st = State();
    if (!st.cbtHook) st.cbtHook = SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, GetCurrentThreadId());
    st.wndInit = wnd;
}

bool AfxUnhookWindowCreate()
{
    ThreadState& st = State();
    bool bound = st.wndInit == nullptr;
    st.wndInit = nullptr;
    return bound;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);
    ThreadState& st = State();
    MSG saved = st.lastMsg;
    st.lastMsg.hwnd = hWnd;
    st.lastMsg.message = message;
    st.lastMsg.wParam = wParam;
    st.lastMsg.lParam = lParam;
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    st.lastMsg = saved;
    if (message == WM_NCDESTROY) wnd->HandleNcDestroy();
    return result;
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static char name[64];
    wsprintfA(name, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor), static_cast<void*>(background),
              static_cast<void*>(icon));
    WNDCLASSA wc{};
    if (!GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) {
        wc.style = classStyle;
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        // A window that outlives its object must not call back into freed memory.
        if (FromHandlePermanent(m_hWnd) == this) {
            HWND h = m_hWnd;
            ::DestroyWindow(h);
            if (m_hWnd) Detach();
        } else {
            m_hWnd = nullptr;
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = State().permanent;
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd) return nullptr;
    if (CWnd* w = FromHandlePermanent(hWnd)) return w;
    auto& temp = State().temporary;
    auto& slot = temp[hWnd];
    if (!slot) {
        slot.reset(new CWnd);
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void CWnd::DeleteTempMap()
{
    for (auto& t : State().temporary) t.second->m_hWnd = nullptr;
    State().temporary.clear();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd) return FALSE;
    m_hWnd = hWnd;
    State().permanent[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h) {
        auto& map = State().permanent;
        auto it = map.find(h);
        if (it != map.end() && it->second == this) map.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, LPVOID param)
{
    if (!className)
        className =
            AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    AfxHookWindowCreate(this);
    HWND h = CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId,
                             AfxGetInstanceHandle(), param);
    AfxUnhookWindowCreate();
    if (!h) {
        if (m_hWnd) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  LPVOID param)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, param);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::HandleNcDestroy()
{
    HWND h = m_hWnd;
    if (h) {
        auto cur = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC));
        if (cur == &AfxWndProc && m_pfnSuper)
            SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    Detach();
    m_pfnSuper = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = State().lastMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage != message || e->nCode != code) continue;
            bool command = message == WM_COMMAND || message == WM_NOTIFY;
            if (command && (id < e->nID || id > e->nLastID)) continue;
            return e;
        }
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            *result = 0;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: return OnNotify(wParam, lParam, result);
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (dis && dis->CtlType != ODT_MENU && ReflectLastMsg(dis->hwndItem, message, wParam, lParam, result)) {
            *result = TRUE;
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectLastMsg(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result)) return TRUE;
        break;
    default: break;
    }
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), message, 0, 0))
        return e->pfn(this, wParam, lParam, result);
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    // Without a control the high word only tells a menu (0) from an accelerator (1): a command.
    int code = control ? HIWORD(wParam) : 0;
    LRESULT r = 0;
    if (control && ReflectLastMsg(control, WM_COMMAND, wParam, lParam, &r)) return TRUE;
    return OnCmdMsg(id, code, WM_COMMAND, lParam, &r);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (!hdr) return FALSE;
    if (hdr->hwndFrom && ReflectLastMsg(hdr->hwndFrom, WM_NOTIFY, wParam, lParam, result)) return TRUE;
    return OnCmdMsg(static_cast<UINT>(hdr->idFrom), static_cast<int>(hdr->code), WM_NOTIFY, lParam, result);
}

BOOL CWnd::OnCmdMsg(UINT id, int code, UINT message, LPARAM lParam, LRESULT* result)
{
    const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), message, static_cast<UINT>(code), id);
    if (!e) return FALSE;
    return e->pfn(this, 0, lParam, result);
}

BOOL CWnd::ReflectLastMsg(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = FromHandlePermanent(child);
    if (!wnd) return FALSE;
    return wnd->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const AFX_MSGMAP* map = GetMessageMap();
    switch (message) {
    case WM_COMMAND:
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0))
            return e->pfn(this, wParam, lParam, result);
        return FALSE;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_REFLECT_BASE + WM_NOTIFY, hdr->code, 0))
            return e->pfn(this, wParam, lParam, result);
        return FALSE;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0)) {
            *result = message - WM_CTLCOLORMSGBOX; // the adapter reads the kind from here
            return e->pfn(this, wParam, lParam, result);
        }
        return FALSE;
    default:
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_REFLECT_BASE + message, 0, 0))
            return e->pfn(this, wParam, lParam, result);
        return FALSE;
    }
}

int CWnd::RunModalLoop(DWORD flags)
{
    bool show = (flags & MLF_SHOWONIDLE) != 0;
    m_nFlags |= WF_CONTINUEMODAL | WF_MODALLOOP;
    MSG msg;
    while (ContinueModal()) {
        if (show && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            show = false;
            if (!(flags & MLF_NOIDLEMSG) && GetParent())
                GetParent()->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // Leave the quit message for the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nFlags &= ~WF_MODALLOOP;
            return -1;
        }
        if (!m_hWnd || !IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (show && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) continue;
    }
    m_nFlags &= ~WF_MODALLOOP;
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int result)
{
    m_nModalResult = result;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageA(nullptr, WM_NULL, 0, 0); // wake the loop
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    DWORD style = GetStyle();
    DWORD updated = (style & ~remove) | add;
    if (style == updated) return FALSE;
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(updated));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(LPCRECT r, BOOL repaint)
{
    MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, after ? after->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const
{
    int n = GetWindowTextLength();
    ::GetWindowTextA(m_hWnd, text.GetBufferSetLength(n + 1), n + 1);
    text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
void CWnd::ClientToScreen(LPRECT r) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
void CWnd::ScreenToClient(LPRECT r) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    RECT self, area;
    GetWindowRect(&self);
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if ((GetStyle() & WS_CHILD) && ::GetParent(m_hWnd)) {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        ::MapWindowPoints(parent, nullptr, reinterpret_cast<LPPOINT>(&area), 2);
    } else if (owner && ::IsWindowVisible(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    int w = self.right - self.left, h = self.bottom - self.top;
    int x = (area.left + area.right - w) / 2, y = (area.top + area.bottom - h) / 2;
    if (GetStyle() & WS_CHILD) {
        POINT p = { x, y };
        ::ScreenToClient(::GetParent(m_hWnd), &p);
        x = p.x;
        y = p.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
}

HFONT CWnd::GetFontHandle() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

CFont* CWnd::GetFont() const { return CFont::FromHandle(GetFontHandle()); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    if (!caption) {
        CWinApp* app = AfxGetApp();
        caption = app ? app->m_pszAppName : "Error";
    }
    return ::MessageBoxA(m_hWnd, text, caption, type);
}
