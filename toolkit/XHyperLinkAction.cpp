#include "XHyperLinkAction.h"
#include "ProgramText.h"
#include <shellapi.h>

LinkShellExecuteFn LinkShellExecute = &::ShellExecuteA;

LPCSTR XHyperLinkAction::TypeName(int t) { return t >= 0 && t <= 5 ? ProgramText(IDS_ACTION_NAME_FIRST + t) : ""; }

bool XHyperLinkAction::Execute(bool reportErrors)
{
    XHyperLinkAction saved(*this);
    lastResult = 0;
    bool success = true;
    LPCSTR verb = nullptr;
    switch (type) {
    case None: lastError = -1; return true;
    case UserDefined: {
        LRESULT r;
        if (messageTarget == HWND_BROADCAST)
            r = ::PostMessageA(messageTarget, message, 0, reinterpret_cast<LPARAM>(this));
        else
            r = ::SendMessageA(messageTarget, message, 0, reinterpret_cast<LPARAM>(this));
        if (r != 0) {
            lastError = -1;
            return true;
        }
        lastError = -3;
        success = false;
        break;
    }
    case Open: verb = "open"; break;
    case Print: verb = "print"; break;
    case Explore: verb = "explore"; break;
    case EMail:
        verb = "open";
        file = "mailto:" + file;
        break;
    default:
        lastError = -2;
        success = false;
        break;
    }
    if (success) {
        auto result = reinterpret_cast<UINT_PTR>(
            LinkShellExecute(nullptr, verb, file, parameters.IsEmpty() ? nullptr : static_cast<LPCSTR>(parameters),
                             directory.IsEmpty() ? nullptr : static_cast<LPCSTR>(directory), showCommand));
        lastResult = result;
        if (result <= 32) {
            success = false;
            lastError = static_cast<int>(result);
            lastResult = 0;
        }
    }
    int error = lastError;
    UINT_PTR result = lastResult;
    *this = saved;
    lastError = error;
    lastResult = result;
    if (!success && reportErrors) ShowError();
    if (success) lastError = -1;
    return success;
}

CString XHyperLinkAction::ErrorText(int error, int actionType)
{
    CString text;
    switch (error) {
    case -2: text = ProgramText(IDS_LINK_UNKNOWN_ACTION); break;
    case -3: text.Format(ProgramText(IDS_LINK_ACTION_FAILED), TypeName(actionType)); break;
    case 0: text = ProgramText(IDS_LINK_OUT_OF_MEMORY); break;
    case ERROR_FILE_NOT_FOUND: text = ProgramText(IDS_LINK_FILE_NOT_FOUND); break;
    case ERROR_PATH_NOT_FOUND: text = ProgramText(IDS_LINK_PATH_NOT_FOUND); break;
    case SE_ERR_ACCESSDENIED: text = ProgramText(IDS_LINK_ACCESS_DENIED); break;
    case SE_ERR_OOM: text = ProgramText(IDS_LINK_NOT_ENOUGH_MEMORY); break;
    case ERROR_BAD_FORMAT: text = ProgramText(IDS_LINK_BAD_FORMAT); break;
    case SE_ERR_SHARE: text = ProgramText(IDS_LINK_SHARING); break;
    case SE_ERR_ASSOCINCOMPLETE: text = ProgramText(IDS_LINK_ASSOC_INCOMPLETE); break;
    case SE_ERR_DDETIMEOUT: text = ProgramText(IDS_LINK_DDE_TIMEOUT); break;
    case SE_ERR_DDEFAIL: text = ProgramText(IDS_LINK_DDE_FAIL); break;
    case SE_ERR_DDEBUSY: text = ProgramText(IDS_LINK_DDE_BUSY); break;
    case SE_ERR_NOASSOC: text = ProgramText(IDS_LINK_NO_ASSOC); break;
    case SE_ERR_DLLNOTFOUND: text = ProgramText(IDS_LINK_DLL_NOT_FOUND); break;
    default: text = ProgramText(IDS_LINK_UNKNOWN_ERROR); break;
    }
    return text;
}

void XHyperLinkAction::ShowError()
{
    if (lastError == -1) return;
    ::MessageBeep(0);
    AfxMessageBox(ErrorText(lastError, type), MB_OK | MB_ICONERROR);
}
