// Message maps: static tables of type-checked adapters, chained to the base class's table.
#pragma once
#include "Afx.h"

class CWnd;
class CDC;
class CPoint;

// An adapter cracks the parameters, calls the handler and tells whether the message was consumed.
typedef bool (*AFX_MSG_ADAPTER)(CWnd* wnd, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // message, or WM_REFLECT_BASE + message for reflected entries
    UINT nCode; // notification code for commands and notifications
    UINT nID; // first control or command id
    UINT nLastID; // last id of the range
    AFX_MSG_ADAPTER pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Helpers used inside the adapters; defined with CWnd.
CWnd* AfxWndFromHandle(HWND h);
CDC* AfxTempDC(HDC h);
void AfxFreeTempDC(CDC* dc);

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;                                                                  \
                                                                                                                       \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr                                                                                            \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] };                    \
    return &messageMap;                                                                                                \
    }

// Calls a member through a pointer of the exact signature, so a wrong handler does not compile.
#define AFX_CALL(sig, fn) (static_cast<ThisClass*>(w)->*static_cast<sig>(&ThisClass::fn))

#define ON_WM_PAINT()                                                                                                  \
    { WM_PAINT, 0, 0, 0, [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {                                             \
         AFX_CALL(void (ThisClass::*)(), OnPaint)();                                                                   \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_TIMER()                                                                                                  \
    { WM_TIMER, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM, LRESULT* r) -> bool {                                          \
         AFX_CALL(void (ThisClass::*)(UINT_PTR), OnTimer)(static_cast<UINT_PTR>(wp));                                  \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_KEYDOWN()                                                                                                \
    { WM_KEYDOWN, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                     \
         AFX_CALL(void (ThisClass::*)(UINT, UINT, UINT), OnKeyDown)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));    \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define AFX_MOUSE_ENTRY(msg, fn)                                                                                       \
    { msg, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                            \
         AFX_CALL(void (ThisClass::*)(UINT, CPoint), fn)(static_cast<UINT>(wp), CPoint(lp));                           \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_ERASEBKGND()                                                                                             \
    { WM_ERASEBKGND, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM, LRESULT* r) -> bool {                                     \
         CDC* dc = AfxTempDC(reinterpret_cast<HDC>(wp));                                                               \
         *r = AFX_CALL(BOOL(ThisClass::*)(CDC*), OnEraseBkgnd)(dc);                                                    \
         AfxFreeTempDC(dc);                                                                                            \
         return true;                                                                                                  \
     } },
#define ON_WM_NCHITTEST()                                                                                              \
    { WM_NCHITTEST, 0, 0, 0, [](CWnd* w, WPARAM, LPARAM lp, LRESULT* r) -> bool {                                      \
         *r = AFX_CALL(LRESULT(ThisClass::*)(CPoint), OnNcHitTest)(CPoint(lp));                                        \
         return true;                                                                                                  \
     } },
#define ON_WM_ENABLE()                                                                                                 \
    { WM_ENABLE, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM, LRESULT* r) -> bool {                                         \
         AFX_CALL(void (ThisClass::*)(BOOL), OnEnable)(static_cast<BOOL>(wp));                                         \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_SETCURSOR()                                                                                              \
    { WM_SETCURSOR, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                   \
         *r = AFX_CALL(BOOL(ThisClass::*)(CWnd*, UINT, UINT),                                                          \
                       OnSetCursor)(AfxWndFromHandle(reinterpret_cast<HWND>(wp)), LOWORD(lp), HIWORD(lp));             \
         return true;                                                                                                  \
     } },
#define ON_WM_CREATE()                                                                                                 \
    { WM_CREATE, 0, 0, 0, [](CWnd* w, WPARAM, LPARAM lp, LRESULT* r) -> bool {                                         \
         *r = AFX_CALL(int(ThisClass::*)(LPCREATESTRUCT), OnCreate)(reinterpret_cast<LPCREATESTRUCT>(lp));             \
         return true;                                                                                                  \
     } },
#define ON_WM_DESTROY()                                                                                                \
    { WM_DESTROY, 0, 0, 0, [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {                                           \
         AFX_CALL(void (ThisClass::*)(), OnDestroy)();                                                                 \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_CLOSE()                                                                                                  \
    { WM_CLOSE, 0, 0, 0, [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {                                             \
         AFX_CALL(void (ThisClass::*)(), OnClose)();                                                                   \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_ACTIVATE()                                                                                               \
    { WM_ACTIVATE, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                    \
         AFX_CALL(void (ThisClass::*)(UINT, CWnd*, BOOL), OnActivate)                                                  \
         (LOWORD(wp), AfxWndFromHandle(reinterpret_cast<HWND>(lp)), HIWORD(wp) != 0);                                  \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    { WM_MOUSEACTIVATE, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                               \
         *r = AFX_CALL(int(ThisClass::*)(CWnd*, UINT, UINT),                                                           \
                       OnMouseActivate)(AfxWndFromHandle(reinterpret_cast<HWND>(wp)), LOWORD(lp), HIWORD(lp));         \
         return true;                                                                                                  \
     } },
#define ON_WM_SETFOCUS()                                                                                               \
    { WM_SETFOCUS, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM, LRESULT* r) -> bool {                                       \
         AFX_CALL(void (ThisClass::*)(CWnd*), OnSetFocus)(AfxWndFromHandle(reinterpret_cast<HWND>(wp)));               \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
// The window's DPI changed: the new DPI and the window rectangle the system suggests for it.
#define ON_WM_DPICHANGED()                                                                                             \
    { WM_DPICHANGED, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                  \
         AFX_CALL(void (ThisClass::*)(int, const RECT*), OnDpiChanged)(HIWORD(wp), reinterpret_cast<const RECT*>(lp)); \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_MESSAGE(msg, fn)                                                                                            \
    { msg, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM lp, LRESULT* r) -> bool {                                            \
         *r = AFX_CALL(LRESULT(ThisClass::*)(WPARAM, LPARAM), fn)(wp, lp);                                             \
         return true;                                                                                                  \
     } },

// Commands and notifications sent to this window by its children or menus.
#define ON_COMMAND(id, fn)                                                                                             \
    { WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {   \
         AFX_CALL(void (ThisClass::*)(), fn)();                                                                        \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
#define ON_CONTROL(code, id, fn)                                                                                       \
    { WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id),                               \
      [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {                                                                \
          AFX_CALL(void (ThisClass::*)(), fn)();                                                                       \
          *r = 0;                                                                                                      \
          return true;                                                                                                 \
      } },
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                                        \
    { WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id),                                \
      [](CWnd* w, WPARAM, LPARAM lp, LRESULT* r) -> bool {                                                             \
          AFX_CALL(void (ThisClass::*)(NMHDR*, LRESULT*), fn)(reinterpret_cast<NMHDR*>(lp), r);                        \
          return true;                                                                                                 \
      } },

// Reflected: the child handles its own notification first.
#define ON_CONTROL_REFLECT(code, fn)                                                                                   \
    { WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {   \
         AFX_CALL(void (ThisClass::*)(), fn)();                                                                        \
         *r = 0;                                                                                                       \
         return true;                                                                                                  \
     } },
// The _EX forms return TRUE when the parent must not see the notification.
#define ON_CONTROL_REFLECT_EX(code, fn)                                                                                \
    { WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, [](CWnd* w, WPARAM, LPARAM, LRESULT* r) -> bool {   \
         *r = 0;                                                                                                       \
         return AFX_CALL(BOOL(ThisClass::*)(), fn)() != FALSE;                                                         \
     } },
#define ON_NOTIFY_REFLECT(code, fn)                                                                                    \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, [](CWnd* w, WPARAM, LPARAM lp, LRESULT* r) -> bool { \
         AFX_CALL(void (ThisClass::*)(NMHDR*, LRESULT*), fn)(reinterpret_cast<NMHDR*>(lp), r);                         \
         return true;                                                                                                  \
     } },
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                                                 \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, [](CWnd* w, WPARAM, LPARAM lp, LRESULT* r) -> bool { \
         return AFX_CALL(BOOL(ThisClass::*)(NMHDR*, LRESULT*), fn)(reinterpret_cast<NMHDR*>(lp), r) != FALSE;          \
     } },
// A reflected colour request: a non-null brush consumes it.
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    { WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, [](CWnd* w, WPARAM wp, LPARAM, LRESULT* r) -> bool {                     \
         CDC* dc = AfxTempDC(reinterpret_cast<HDC>(wp));                                                               \
         HBRUSH b = AFX_CALL(HBRUSH(ThisClass::*)(CDC*, UINT), CtlColor)(dc, static_cast<UINT>(*r));                   \
         AfxFreeTempDC(dc);                                                                                            \
         *r = reinterpret_cast<LRESULT>(b);                                                                            \
         return b != nullptr;                                                                                          \
     } },
