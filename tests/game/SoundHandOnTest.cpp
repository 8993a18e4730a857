// The sound request goes to the platform on a thread of its own, and only once the window
// thread is done with the message it made the request in.
#include "Sound.h"
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Call {
    std::string name;
    HMODULE module;
    DWORD flags;
    DWORD thread;
};
CRITICAL_SECTION callsLock;
std::vector<Call> calls;
HANDLE called = nullptr;

BOOL WINAPI WatchPlatform(LPCSTR sound, HMODULE module, DWORD flags)
{
    ::EnterCriticalSection(&callsLock);
    calls.push_back(Call{ sound && !IS_INTRESOURCE(sound) ? sound : "#", module, flags, ::GetCurrentThreadId() });
    ::LeaveCriticalSection(&callsLock);
    ::SetEvent(called);
    return TRUE;
}

size_t Calls()
{
    ::EnterCriticalSection(&callsLock);
    const size_t n = calls.size();
    ::LeaveCriticalSection(&callsLock);
    return n;
}

// Pumps this thread's messages until the platform has been called n times or a second passed.
bool PumpUntil(size_t n, DWORD ms = 1000)
{
    const DWORD until = ::GetTickCount() + ms;
    while (Calls() < n && ::GetTickCount() < until) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(1, &called, FALSE, 10, QS_ALLINPUT);
    }
    return Calls() >= n;
}

// What a deal step does: asks for sounds while its own message is being handled.
const UINT Step = WM_APP + 7;
size_t callsDuringStep = 0;
std::vector<const char*> stepSounds;

LRESULT CALLBACK StepProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != Step) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    for (const char* name : stepSounds) PlaySoundAside(name, ::GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
    ::Sleep(50); // time enough for a sound thread that did not wait
    callsDuringStep = Calls();
    return 0;
}

DWORD WINAPI AskFromAnotherThread(void*)
{
    PlaySoundAside("Mistaken", nullptr, SND_RESOURCE | SND_ASYNC);
    return 0;
}

class SoundHandOn : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ::InitializeCriticalSection(&callsLock);
        called = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }
    void SetUp() override
    {
        calls.clear();
        PlatformPlaySound = &WatchPlatform;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &StepProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "SoundHandOnStep";
        ::RegisterClassA(&wc);
        window =
            ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        PumpUntil(calls.size() + 1, 100); // nothing may stay waiting for the next test
        ::DestroyWindow(window);
        PlatformPlaySound = &::PlaySoundA;
    }
    HWND window = nullptr;
};

TEST_F(SoundHandOn, StepRequestWaitsForTheStepThenPlaysOnAnotherThread)
{
    stepSounds = { "Scoring" };
    ::SendMessageA(window, Step, 0, 0);
    EXPECT_EQ(callsDuringStep, 0u);
    ASSERT_TRUE(PumpUntil(1));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "Scoring");
    EXPECT_EQ(calls[0].module, ::GetModuleHandleA(nullptr));
    EXPECT_EQ(calls[0].flags, static_cast<DWORD>(SND_RESOURCE | SND_ASYNC));
    EXPECT_NE(calls[0].thread, ::GetCurrentThreadId());
}

TEST_F(SoundHandOn, LaterRequestOfOneStepReplacesTheEarlier)
{
    // A miss that ends the game asks for "Missing" and then "End", which cuts it short.
    stepSounds = { "Missing", "End" };
    ::SendMessageA(window, Step, 0, 0);
    EXPECT_EQ(callsDuringStep, 0u);
    ASSERT_TRUE(PumpUntil(1));
    PumpUntil(2, 200); // a second call would be a fault; give it the chance
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "End");
}

TEST_F(SoundHandOn, NameIsCopiedBeforeTheCallerReusesItsBuffer)
{
    char name[16] = "Begin";
    PlaySoundAside(name, nullptr, SND_RESOURCE | SND_ASYNC);
    std::strcpy(name, "Garbage");
    ASSERT_TRUE(PumpUntil(1));
    EXPECT_EQ(calls[0].name, "Begin");
}

TEST_F(SoundHandOn, WaitsAndMemoryImagesGoStraightToThePlatform)
{
    PlaySoundAside("End", nullptr, SND_RESOURCE | SND_SYNC);
    static const char image[4] = {};
    PlaySoundAside(image, nullptr, SND_MEMORY | SND_ASYNC);
    PlaySoundAside(nullptr, nullptr, SND_PURGE | SND_ASYNC);
    ASSERT_EQ(calls.size(), 3u);
    for (const Call& c : calls) EXPECT_EQ(c.thread, ::GetCurrentThreadId());
    EXPECT_EQ(calls[0].name, "End");
}

TEST_F(SoundHandOn, RequestFromAnotherThreadIsNotHeldForThisOne)
{
    HANDLE other = ::CreateThread(nullptr, 0, &AskFromAnotherThread, nullptr, 0, nullptr);
    ASSERT_NE(other, nullptr);
    ::WaitForSingleObject(other, INFINITE);
    ::CloseHandle(other);
    // No message of this thread is pumped: the sound thread must have it on its own.
    EXPECT_EQ(::WaitForSingleObject(called, 1000), WAIT_OBJECT_0);
    ASSERT_EQ(Calls(), 1u);
    EXPECT_EQ(calls[0].name, "Mistaken");
}

} // namespace
