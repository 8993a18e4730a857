// The entry point; kept alone so test programs with their own main do not pull it in.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) { return AfxWinMain(instance, cmdShow); }
