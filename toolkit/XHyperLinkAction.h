// What a link does when clicked: a shell verb on a file or address, or a window message.
#pragma once
#include "CString.h"
#include <shellapi.h>

// The shell call; tests may put their own in its place to see what reaches the shell.
typedef HINSTANCE(WINAPI* LinkShellExecuteFn)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
extern LinkShellExecuteFn LinkShellExecute;

class XHyperLinkAction {
public:
    enum Type { None = 0, UserDefined = 1, Open = 2, Print = 3, Explore = 4, EMail = 5 };

    explicit XHyperLinkAction(HWND ownerWindow = nullptr) : owner(ownerWindow) {}
    virtual ~XHyperLinkAction() = default;
    XHyperLinkAction(const XHyperLinkAction&) = default;
    XHyperLinkAction& operator=(const XHyperLinkAction&) = default;

    // Runs the action; every field but lastError and lastResult is as before afterwards.
    bool Execute(bool reportErrors = true);
    // Beeps and tells the player what went wrong, unless nothing did.
    virtual void ShowError();
    // The name of a type, as messages show it.
    static LPCSTR TypeName(int type);
    // The message text for an error code.
    static CString ErrorText(int error, int type);

    HWND owner = nullptr;
    int type = Open;
    CString file;
    CString parameters;
    CString directory;
    int showCommand = SW_SHOWNORMAL;
    UINT message = 0;
    HWND messageTarget = nullptr;
    int lastError = -1;
    UINT_PTR lastResult = 0;
};
