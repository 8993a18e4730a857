// The sound call the game makes; tests may record the calls instead.
#pragma once
#include <windows.h>

typedef BOOL (WINAPI* GamePlaySoundFn)(LPCSTR sound, HMODULE module, DWORD flags);
extern GamePlaySoundFn GamePlaySound;

// PlaySoundA as the game uses it, with an asynchronous request made on a thread of its own:
// the platform's call takes milliseconds before it returns, too long for a deal step.
BOOL WINAPI PlaySoundAside(LPCSTR sound, HMODULE module, DWORD flags);
