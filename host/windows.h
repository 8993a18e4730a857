// Host build only: the few Win32 names that the window-less sources use, so that they compile
// natively for the sanitizer and fuzzing builds. Widths follow Win32 (LONG and DWORD are 32 bits).
#pragma once
#include <cstdint>

typedef int BOOL;
#define TRUE 1
#define FALSE 0
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef WORD LANGID;
typedef int32_t LONG;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef intptr_t LPARAM;
typedef uintptr_t WPARAM;
typedef intptr_t LRESULT;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct HWND__* HWND;

struct POINT { LONG x, y; };
struct SIZE { LONG cx, cy; };
struct RECT { LONG left, top, right, bottom; };
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

#define MB_OK 0x00000000L

// Case-blind comparison with ASCII folding; a host program has no user locale to sort by.
int lstrcmpiA(LPCSTR a, LPCSTR b);
LPSTR lstrcpyA(LPSTR to, LPCSTR from);
// A host program carries no string resources, so every id is missing.
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
