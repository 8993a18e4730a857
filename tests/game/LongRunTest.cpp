// An hour's play in 20,000 deal steps at the fastest pace: nothing grows that should not, the
// trace holds every line, and no timer runs that a resting game does not need.
#include "GameWindowFixture.h"
#include "CGdiObject.h"
#include "CWnd.h"
#include <winternl.h>
#include <cstdint>
#include <fstream>
#include <set>
#include <utility>

using testing_support::ModalAnswerer;

namespace game_testing {
namespace {

// Committed private memory: what "private bytes" means, summed over the address space.
size_t PrivateBytes()
{
    size_t sum = 0;
    MEMORY_BASIC_INFORMATION info;
    const char* at = nullptr;
    while (::VirtualQuery(at, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) sum += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return sum;
}

// Wine answers 0 to GetProcessHandleCount; there every handle value that names an open
// object is counted instead.
int KernelHandles()
{
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count > 0) return static_cast<int>(count);
    int open = 0;
    for (uintptr_t value = 4; value < 0x8000; value += 4) {
        DWORD flags;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
    }
    return open;
}

// One entry of the process's GDI handle table, which the system maps for every process.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique; // bit 7 marks a stock object
    uint8_t type; // 0: free
    uint8_t flags;
    uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");

// GetGuiResources answers 0 under Wine; there the live entries of the GDI handle table are
// counted, stock objects left out: every object this process made and has not deleted.
int GdiObjects()
{
    if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
    typedef LONG(NTAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
#ifdef _WIN64
    const GdiHandleEntry* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + 0xF8);
#else
    const GdiHandleEntry* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + 0x94);
    if (!table) {
        // A 32-bit process on a 64-bit system: the table is named only in the 64-bit PEB,
        // reached from the 64-bit TEB that the 32-bit TEB points to (WowTebOffset).
        const char* teb;
        __asm__("movl %%fs:0x18, %0" : "=r"(teb)); // the TEB's own address, as NtCurrentTeb reads it
        const LONG wowTebOffset = *reinterpret_cast<const LONG*>(teb + 0xFDC);
        if (!wowTebOffset) return -1;
        const uint64_t peb64 = *reinterpret_cast<const uint64_t*>(teb + wowTebOffset + 0x60);
        if (!peb64 || peb64 >> 32) return -1;
        const uint64_t table64 = *reinterpret_cast<const uint64_t*>(static_cast<uintptr_t>(peb64) + 0xF8);
        if (table64 >> 32) return -1;
        table = reinterpret_cast<const GdiHandleEntry*>(static_cast<uintptr_t>(table64));
    }
#endif
    if (!table) return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type != 0 && !(table[i].unique & 0x80)) ++live;
    return live;
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(hwnd, &CountChild, count);
    return TRUE;
}

// GetGuiResources answers 0 under Wine; there the windows of this process are counted,
// the USER objects this program makes.
int UserObjects()
{
    if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(n);
    int count = 0;
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct Usage {
    size_t privateBytes;
    int handles;
    int gdi;
    int user;
};

Usage Measure() { return Usage{ PrivateBytes(), KernelHandles(), GdiObjects(), UserObjects() }; }

// Every timer message this thread takes from its queue, by window and id.
std::vector<std::pair<HWND, WPARAM>> timerMessages;
HHOOK timerHook = nullptr;

LRESULT CALLBACK WatchTimers(int code, WPARAM removal, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_TIMER)
        timerMessages.emplace_back(msg->hwnd, msg->wParam);
    return ::CallNextHookEx(timerHook, code, removal, lParam);
}

// The timers seen, less the balloon's own: the tool-tip control keeps a timer of its own
// while the pointer rests over the tool's window, and ends it when the pointer leaves.
std::vector<std::pair<HWND, WPARAM>> ProgramTimers()
{
    std::vector<std::pair<HWND, WPARAM>> timers;
    for (const auto& t : timerMessages) {
        char cls[64] = "";
        ::GetClassNameA(t.first, cls, sizeof cls);
        if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) timers.push_back(t);
    }
    return timers;
}

long FileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return 0;
    return static_cast<long>(data.nFileSizeLow);
}

const char tracePath[] = "C:\\TMP\\TRACE.QRV";

class LongRun : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        timerHook = ::SetWindowsHookExA(WH_GETMESSAGE, &WatchTimers, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(timerHook, nullptr);
    }
    void TearDown() override
    {
        if (timerHook) ::UnhookWindowsHookEx(timerHook);
        timerHook = nullptr;
        GameWindowTest::TearDown();
    }

    // The message loop between two ticks, with its idle clean-up of temporary wrappers.
    void Idle()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // The deal timer's own ticks are replaced by the test's, one per step.
            if (msg.message == WM_TIMER && msg.hwnd == wnd->m_hWnd && msg.wParam == MainFrameWnd::DealTimer) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        CWnd::DeleteTempMap();
        AfxDeleteTempGdiObjects();
    }

    // Trace lines of one match test, from the cards and the operations chosen.
    int MatchLines(int left, int right, int card) const
    {
        if (card == WildCard || left == WildCard || right == WildCard) return 1;
        const int x = left - 1, y = right - 1, z = card - 1;
        const int ops = wnd->GameSettings().operations;
        int lines = 2;
        const bool hits[4] = { x + y == z, x - y == z || y - x == z, x * y == z,
                               (y != 0 && x >= y && x / y == z && x % y == 0) ||
                                   (x != 0 && y >= x && y / x == z && y % x == 0) };
        for (int op = 0; op < 4; ++op) {
            if (!(ops & (1 << op))) continue;
            ++lines;
            if (hits[op]) return lines;
        }
        return lines + 1; // "NO!"
    }

    // One step as the player or the deal timer makes it; returns the trace lines it owes.
    long Step(bool answer)
    {
        const bool judged = answer || wnd->Now().regularDeals != 0;
        const bool outcome = judged && (answer || wnd->Now().winner);
        const bool refill = judged && wnd->Now().deck.Remaining() == 0;
        const size_t stacked = wnd->Now().stacks[0].size() + wnd->Now().stacks[1].size();
        const int left = wnd->Now().stacks[0].empty() ? -1 : wnd->Now().stacks[0].back().code;
        const int right = wnd->Now().stacks[1].empty() ? -1 : wnd->Now().stacks[1].back().code;
        const int deals = wnd->Now().dealCount;
        const bool wasRunning = wnd->Now().running;

        answer ? Space() : Tick();

        long lines = answer ? 1 : 0;
        if (outcome) ++lines;
        // A refill follows only an evaluation that kept the game going.
        if (refill && wnd->Now().running == wasRunning) lines += static_cast<long>(stacked);
        if (wnd->Now().dealCount == deals + 1) {
            const int side = deals % 2;
            const int card = wnd->Now().stacks[side].back().code;
            lines += 1 + (left >= 0 && right >= 0 ? MatchLines(left, right, card) : 0);
        }
        return lines;
    }

    // Keeps the flag up with a mix of right, missed and wrong answers.
    bool WantsAnswer(int step) const
    {
        if (wnd->Now().winner) return wnd->Now().flag <= 5;
        return wnd->Now().flag >= 5 && step % 7 == 0;
    }

    void ReachFastestPace()
    {
        for (int n = 0; n < 200 && wnd->Now().interval > 0; ++n) {
            fakeNow += wnd->Now().stepPeriod + 1;
            expectedLines += Step(n > 0 && wnd->Now().winner);
            Idle();
        }
        ASSERT_EQ(wnd->Now().interval, 0u);
    }

    void CheckStacks()
    {
        const int deck = wnd->Now().deck.Copies() * wnd->Now().deck.Kinds();
        // Each stack keeps its top card through a refill and takes every second card after it.
        for (int side = 0; side < 2; ++side)
            ASSERT_LE(static_cast<int>(wnd->Now().stacks[side].size()), 1 + (deck + 1) / 2) << side;
        ASSERT_LE(static_cast<int>(wnd->Now().stacks[0].size() + wnd->Now().stacks[1].size()), deck + 2);
    }

    long expectedLines = 0;
};

TEST_F(LongRun, TwentyThousandStepsGrowNothingAndTraceEveryLine)
{
    const long traceBefore = FileSize(tracePath);
    Start(2024);
    ReachFastestPace();

    const int total = 20000;
    // One game over inside the first thousand steps, so first-use caches are in the baseline.
    const int gameOvers[] = { 600, 12000 };
    Usage baseline = {};
    Usage worst = {};
    int steps = 0;
    int refills = 0;
    int answers = 0;
    int games = 1;
    for (; steps < total; ++steps) {
        if (steps == gameOvers[0] || steps == gameOvers[1]) {
            // Lose on purpose: wrong answers until the flag falls, the box closed by the player.
            ModalAnswerer closeBox;
            while (wnd->Now().running) {
                expectedLines += Step(!wnd->Now().winner);
                Idle();
            }
            ASSERT_EQ(closeBox.seen().size(), 1u);
            EXPECT_EQ(closeBox.seen()[0].text, "Game over!");

            // Between games: once the last remark is gone, no timer at all.
            ASSERT_TRUE(testing_support::PumpUntil([&] { return !wnd->Now().remarkShowing; }, 3000));
            testing_support::Pump(100);
            timerMessages.clear();
            testing_support::Pump(400);
            EXPECT_TRUE(ProgramTimers().empty()) << ProgramTimers().size() << " timer messages between games";

            // The mouse resting on a button: its hover timer, and nothing else.
            HWND start = Button("Start");
            RECT place;
            ::GetWindowRect(start, &place);
            ::SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
            timerMessages.clear();
            EXPECT_TRUE(testing_support::PumpUntil([&] { return ProgramTimers().size() >= 3; }, 3000));
            for (const auto& t : ProgramTimers()) {
                EXPECT_EQ(t.first, start);
                EXPECT_EQ(t.second, 1u);
            }
            ::SetCursorPos(0, 0);
            testing_support::Pump(300);
            timerMessages.clear();
            testing_support::Pump(300);
            EXPECT_TRUE(ProgramTimers().empty()) << "a timer still runs after the mouse left";

            Start(77);
            ++games;
            ReachFastestPace();
        }
        const bool answer = WantsAnswer(steps);
        if (wnd->Now().deck.Remaining() == 0) ++refills;
        answers += answer;
        expectedLines += Step(answer);
        Idle();
        timerMessages.clear();
        ASSERT_TRUE(wnd->Now().running) << "the flag fell at step " << steps;
        ASSERT_NO_FATAL_FAILURE(CheckStacks());
        if (steps % 1000 == 999) {
            // The sound thread's short-lived work settles first.
            const DWORD until = ::GetTickCount() + 100;
            while (::GetTickCount() < until) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                Idle();
            }
            const Usage now = Measure();
            if (steps == 999) worst = baseline = now;
            if (std::getenv("LONGRUN_SERIES"))
                std::printf("step %d private %zu handles %d gdi %d user %d\n", steps, now.privateBytes, now.handles,
                            now.gdi, now.user);
            worst.privateBytes = std::max(worst.privateBytes, now.privateBytes);
            worst.handles = std::max(worst.handles, now.handles);
            worst.gdi = std::max(worst.gdi, now.gdi);
            worst.user = std::max(worst.user, now.user);
        }
    }
    EXPECT_EQ(games, 3);
    EXPECT_GT(refills, 100);
    EXPECT_GT(answers, 2000);
    std::printf("[ usage    ] private %zu -> %zu bytes, handles %d -> %d, GDI %d -> %d, USER %d -> %d\n",
                baseline.privateBytes, worst.privateBytes, baseline.handles, worst.handles, baseline.gdi, worst.gdi,
                baseline.user, worst.user);

    // A small fixed slack: heap pages the allocator keeps, a handle or object in passing.
    EXPECT_LE(worst.privateBytes, baseline.privateBytes + 1024 * 1024);
    EXPECT_LE(worst.handles, baseline.handles + 8);
    EXPECT_LE(worst.gdi, baseline.gdi + 8);
    EXPECT_LE(worst.user, baseline.user + 2);
    EXPECT_GT(baseline.gdi, 0) << "the GDI objects could not be counted";
    EXPECT_GT(baseline.user, 0) << "the windows could not be counted";
    EXPECT_GT(baseline.handles, 0) << "the handles could not be counted";

    // Every line complete, and exactly as many as the steps owed.
    std::ifstream in(tracePath, std::ios::binary);
    in.seekg(traceBefore);
    std::string grown((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long lines = 0;
    for (size_t at = grown.find("\r\n"); at != std::string::npos; at = grown.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, expectedLines);
    ASSERT_GE(grown.size(), 2u);
    EXPECT_EQ(grown.substr(grown.size() - 2), "\r\n");
}

} // namespace
} // namespace game_testing
