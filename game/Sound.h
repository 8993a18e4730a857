// The sound call the game makes; tests may record the calls instead.
#pragma once
#include <windows.h>

typedef BOOL (WINAPI* GamePlaySoundFn)(LPCSTR sound, HMODULE module, DWORD flags);
extern GamePlaySoundFn GamePlaySound;
