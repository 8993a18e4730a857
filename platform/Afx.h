// Common include of the application framework layer.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "AfxRes.h"

class CWnd;
class CWinApp;

#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141
#endif

// Reflected notifications are looked up in the child's map under this offset.
#define WM_REFLECT_BASE 0xBC00
#define WM_CTLCOLOR 0x0019

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Resources come from this module instead of the program's own; null goes back to the program.
void AfxSetResourceHandle(HINSTANCE resources);
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);
