// Formatted message boxes; the text is cut to 2047 characters.
#pragma once
#include "CWnd.h"

enum { MessageTextSize = 2048 };

// Both return the button pressed; a null format shows an empty text.
int Message(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, ...);
int Warning(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, ...);
int MessageV(CWnd* owner, LPCSTR title, UINT type, LPCSTR format, va_list args);
