#include "XHyperLinkAction.h"
#include <shellapi.h>

LinkShellExecuteFn LinkShellExecute = &::ShellExecuteA;

LPCSTR XHyperLinkAction::TypeName(int t)
{
    static const LPCSTR names[] = { "None", "User defined", "Open", "Print", "Explore", "E-mail" };
    return t >= 0 && t <= 5 ? names[t] : "";
}

bool XHyperLinkAction::Execute(bool reportErrors)
{
    XHyperLinkAction saved(*this);
    lastResult = 0;
    bool success = true;
    LPCSTR verb = nullptr;
    switch (type) {
    case None:
        lastError = -1;
        return true;
    case UserDefined: {
        LRESULT r;
        if (messageTarget == HWND_BROADCAST) r = ::PostMessageA(messageTarget, message, 0, reinterpret_cast<LPARAM>(this));
        else r = ::SendMessageA(messageTarget, message, 0, reinterpret_cast<LPARAM>(this));
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
    case -2: text = "Failed to execute unknown action!"; break;
    case -3: text.Format("%s action failed!", TypeName(actionType)); break;
    case 0: text = "The operating system is out\nof memory or resources."; break;
    case ERROR_FILE_NOT_FOUND: text = "The specified file was not found."; break;
    case ERROR_PATH_NOT_FOUND: text = "The specified path was not found."; break;
    case SE_ERR_ACCESSDENIED: text = "The operating system denied\naccess to the specified file."; break;
    case SE_ERR_OOM: text = "There was not enough memory to complete the operation."; break;
    case ERROR_BAD_FORMAT: text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case SE_ERR_SHARE: text = "A sharing violation occurred."; break;
    case SE_ERR_ASSOCINCOMPLETE: text = "The filename association is\nincomplete or invalid."; break;
    case SE_ERR_DDETIMEOUT: text = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case SE_ERR_DDEFAIL: text = "The DDE transaction failed."; break;
    case SE_ERR_DDEBUSY:
        text = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        break;
    case SE_ERR_NOASSOC: text = "There is no application associated\nwith the given filename extension."; break;
    case SE_ERR_DLLNOTFOUND: text = "The specified dynamic-link library was not found."; break;
    default: text = "Unknown error!"; break;
    }
    return text;
}

void XHyperLinkAction::ShowError()
{
    if (lastError == -1) return;
    ::MessageBeep(0);
    AfxMessageBox(ErrorText(lastError, type), MB_OK | MB_ICONERROR);
}
