#include "Message.h"
#include <cstdio>

int MessageV(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, va_list args)
{
    char text[MessageTextSize];
    text[0] = '\0';
    if (format) {
        std::vsnprintf(text, sizeof text, format, args);
        text[sizeof text - 1] = '\0';
    }
    return ::MessageBoxA(owner ? owner->m_hWnd : nullptr, text, title, type);
}

int Message(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    int result = MessageV(owner, title, type, format, args);
    va_end(args);
    return result;
}

int Warning(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    int result = MessageV(owner, title, type | MB_ICONEXCLAMATION, format, args);
    va_end(args);
    return result;
}
