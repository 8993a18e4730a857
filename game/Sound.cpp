#include "Sound.h"
#include <mmsystem.h>
#include <cstring>

GamePlaySoundFn GamePlaySound = &PlaySoundAside;

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
        ::PlaySoundA(named ? request.name : request.sound, request.module, request.flags);
    }
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

}

BOOL WINAPI PlaySoundAside(LPCSTR sound, HMODULE module, DWORD flags)
{
    // Only a named or numbered asynchronous sound can wait; memory images and waits cannot.
    const bool named = sound && !IS_INTRESOURCE(sound);
    // SND_RESOURCE carries the bit of SND_MEMORY; only the bare bit means an image in memory.
    const bool memory = (flags & SND_RESOURCE) != SND_RESOURCE && (flags & SND_MEMORY);
    if (!(flags & SND_ASYNC) || memory || (flags & SND_PURGE) || (named && std::strlen(sound) >= MAX_PATH))
        return ::PlaySoundA(sound, module, flags);
    static const bool started = StartThread();
    if (!started) return ::PlaySoundA(sound, module, flags);
    ::EnterCriticalSection(&lock);
    if (named) std::strcpy(next.name, sound);
    next.sound = sound;
    next.module = module;
    next.flags = flags;
    next.waiting = true;
    ::LeaveCriticalSection(&lock);
    ::SetEvent(wake);
    return TRUE;
}
