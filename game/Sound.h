// The sound call the game makes; tests may record the calls instead.
#pragma once
#include <windows.h>

typedef BOOL(WINAPI* GamePlaySoundFn)(LPCSTR sound, HMODULE module, DWORD flags);
extern GamePlaySoundFn GamePlaySound;

// PlaySoundA as the game uses it, with an asynchronous request made on a thread of its own:
// the platform's call takes milliseconds before it returns, too long for a deal step. A
// request made while a window thread handles a message is passed on once that message is
// done, so the platform's work does not compete with the rest of the deal step.
BOOL WINAPI PlaySoundAside(LPCSTR sound, HMODULE module, DWORD flags);

// The platform call behind PlaySoundAside; tests may watch it.
extern GamePlaySoundFn PlatformPlaySound;
