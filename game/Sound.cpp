#include "Sound.h"
#include <mmsystem.h>
#include <cstring>

GamePlaySoundFn GamePlaySound = &PlaySoundAside;
GamePlaySoundFn PlatformPlaySound = &::PlaySoundA;

namespace {

// The one request waiting for the sound thread. A newer one replaces it: a sound replaced
// before it began would have been cut short at once anyway.
struct Request {
    char name[MAX_PATH];
    LPCSTR sound;
    HMODULE module;
    DWORD flags;
    bool waiting;
};

CRITICAL_SECTION lock;
HANDLE wake = nullptr;
Request next = {};

// The window thread that first asked for a sound hands its requests on from its own queue:
// the posted message comes only after the message being handled, so after the deal step.
const UINT HandOn = WM_APP + 1;
DWORD handOnThread = 0;
HWND handOnWindow = nullptr;
bool handOnPosted = false;
bool handOnChosen = false;

DWORD WINAPI SoundThread(void*)
{
    for (;;) {
        ::WaitForSingleObject(wake, INFINITE);
        ::EnterCriticalSection(&lock);
        Request request = next;
        next.waiting = false;
        ::LeaveCriticalSection(&lock);
        if (!request.waiting) continue;
        const bool named = request.sound && !IS_INTRESOURCE(request.sound);
        PlatformPlaySound(named ? request.name : request.sound, request.module, request.flags);
    }
}

LRESULT CALLBACK HandOnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != HandOn) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    ::EnterCriticalSection(&lock);
    handOnPosted = false;
    ::LeaveCriticalSection(&lock);
    ::SetEvent(wake);
    return 0;
}

// A message-only window of the calling thread; none when the thread has no queue to pump.
HWND MakeHandOnWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &HandOnProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VotarooSoundHandOn";
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

bool StartThread()
{
    ::InitializeCriticalSection(&lock);
    wake = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!wake) return false;
    HANDLE thread = ::CreateThread(nullptr, 0, &SoundThread, nullptr, 0, nullptr);
    if (!thread) return false;
    ::CloseHandle(thread);
    return true;
}

} // namespace

BOOL WINAPI PlaySoundAside(LPCSTR sound, HMODULE module, DWORD flags)
{
    // Only a named or numbered asynchronous sound can wait; memory images and waits cannot.
    const bool named = sound && !IS_INTRESOURCE(sound);
    // SND_RESOURCE carries the bit of SND_MEMORY; only the bare bit means an image in memory.
    const bool memory = (flags & SND_RESOURCE) != SND_RESOURCE && (flags & SND_MEMORY);
    if (!(flags & SND_ASYNC) || memory || (flags & SND_PURGE) || (named && std::strlen(sound) >= MAX_PATH))
        return PlatformPlaySound(sound, module, flags);
    static const bool started = StartThread();
    if (!started) return PlatformPlaySound(sound, module, flags);
    ::EnterCriticalSection(&lock);
    // The first thread with windows to ask is the game's window thread, which pumps messages.
    if (!handOnChosen && ::IsGUIThread(FALSE)) {
        handOnChosen = true;
        handOnThread = ::GetCurrentThreadId();
        handOnWindow = MakeHandOnWindow();
    }
    if (named) std::strcpy(next.name, sound);
    next.sound = sound;
    next.module = module;
    next.flags = flags;
    next.waiting = true;
    const bool later = handOnWindow && ::GetCurrentThreadId() == handOnThread;
    const bool post = later && !handOnPosted;
    if (post) handOnPosted = true;
    ::LeaveCriticalSection(&lock);
    if (!later) {
        ::SetEvent(wake);
    } else if (post && !::PostMessageA(handOnWindow, HandOn, 0, 0)) {
        // A full queue must not lose the sound: hand it on now.
        ::EnterCriticalSection(&lock);
        handOnPosted = false;
        ::LeaveCriticalSection(&lock);
        ::SetEvent(wake);
    }
    return TRUE;
}
