// Measures what a player feels: a deal step, a full repaint, start-up and one trace line.
// Real pictures, sounds and trace file; only the clock is moved, to reach the fastest pace.
#include "GameClock.h"
#include "CFrameWnd.h"
#include "MainFrameWnd.h"
#include "Outcomes.h"
#include "Setup.h"
#include "Trace.h"
#include "iCollectionDialog.h"
#include "iDC.h"
#include <windows.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const double TimerFloorMs = 10.0; // window timers fire no faster than this
const double FrameMs = 16.7;
const double StartupBudgetMs = 300.0;
const char tracePath[] = "C:\\TMP\\TRACE.QRV";

double Clock()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Stats {
    size_t runs = 0;
    double median = 0;
    double p99 = 0;
};

Stats Summarise(std::vector<double> samples)
{
    Stats s;
    s.runs = samples.size();
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    s.p99 = samples[static_cast<size_t>(std::ceil(0.99 * static_cast<double>(n))) - 1];
    return s;
}

int failures = 0;

// A row with a budget counts as a failure when it misses; a comparison row only shows its ratio.
void Row(const char* what, const Stats& s, double budget, const char* budgetText, bool counted = true)
{
    char ratio[64] = "—";
    if (budget > 0) {
        std::snprintf(ratio, sizeof ratio, "%.2f / %.2f", s.median / budget, s.p99 / budget);
        if (counted && s.p99 > budget) ++failures;
    }
    std::printf("| %s | %zu | %.3f | %.3f | %s | %s |\n", what, s.runs, s.median, s.p99, budgetText, ratio);
}

time_t fakeNow = 1000000;
time_t FakeClock(time_t* out)
{
    if (out) *out = fakeNow;
    return fakeNow;
}

// What the message loop does between steps, less the deal timer's ticks: the bench deals itself.
void Pump(HWND game)
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_TIMER && msg.hwnd == game && msg.wParam == MainFrameWnd::DealTimer) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    CWnd::DeleteTempMap();
    AfxDeleteTempGdiObjects();
}

// Handles messages until the timer floor has passed since the step began, as a 0 ms deal
// timer would let the loop do between two ticks.
void WaitForNextTick(HWND game, double stepStart)
{
    for (;;) {
        Pump(game);
        const double left = stepStart + TimerFloorMs - Clock();
        if (left <= 0) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    }
}

MainFrameWnd* NewGame(int copies, int highestCard, int operations, unsigned seed)
{
    auto* wnd = new MainFrameWnd;
    wnd->ShowWindow(SW_SHOW);
    ::UpdateWindow(wnd->m_hWnd);
    wnd->GameSettings().copies = copies;
    wnd->GameSettings().highestCard = highestCard;
    wnd->GameSettings().operations = operations;
    std::srand(seed);
    wnd->DoGameStart(nullptr);
    Pump(wnd->m_hWnd);
    return wnd;
}

void Tick(MainFrameWnd* wnd) { ::SendMessageA(wnd->m_hWnd, WM_TIMER, MainFrameWnd::DealTimer, 0); }
void Space(MainFrameWnd* wnd) { ::SendMessageA(wnd->m_hWnd, WM_KEYDOWN, VK_SPACE, 1); }

// Lets the minutes pass until the interval is 0 ms, answering every winner on the way.
void ReachFastestPace(MainFrameWnd* wnd)
{
    Tick(wnd);
    for (int n = 0; n < 200 && wnd->Now().interval > 0; ++n) {
        fakeNow += wnd->Now().stepPeriod + 1;
        wnd->Now().winner ? Space(wnd) : Tick(wnd);
        Pump(wnd->m_hWnd);
    }
}

// Keeps the flag on its staff: winners are answered while the flag is low, and let go
// (missed) while it is high; now and then a wrong answer. Returns true for an answer.
bool WantsAnswer(const MainFrameWnd* wnd, int step)
{
    if (wnd->Now().winner) return wnd->Now().flag <= 4;
    return wnd->Now().flag >= 7 && step % 5 == 0;
}

// One step of the played game as the bench saw it.
struct Step {
    bool answer;
    bool refill;
    bool outcome;
    bool remarkBefore;
    bool remarkAfter;
    double took;
};

// 2,500 steps after a warm-up of 200, one every timer floor; each timed step is recorded.
const int DealWarmup = 200;
const int DealSteps = 2500;

template <class Record> void PlaySteps(MainFrameWnd* wnd, Record record)
{
    for (int step = 0; step < DealWarmup + DealSteps && wnd->Now().running; ++step) {
        Step s = {};
        s.answer = WantsAnswer(wnd, step);
        s.refill = wnd->Now().deck.Remaining() == 0;
        s.outcome = wnd->Now().winner;
        s.remarkBefore = wnd->Now().remarkShowing;
        const double start = Clock();
        s.answer ? Space(wnd) : Tick(wnd);
        s.took = Clock() - start;
        s.remarkAfter = wnd->Now().remarkShowing;
        if (step >= DealWarmup) record(s);
        WaitForNextTick(wnd->m_hWnd, start);
    }
}

// The same play once more with the trace log off: what a step costs besides its trace lines.
void BenchDealStepUntraced()
{
    traceEnabled = 0;
    MainFrameWnd* wnd = NewGame(10, 17, OpAdd | OpSubtract | OpMultiply | OpDivide, 7);
    ReachFastestPace(wnd);
    std::vector<double> ticks, answers, refilled;
    PlaySteps(wnd, [&](const Step& s) {
        (s.answer ? answers : ticks).push_back(s.took);
        if (!s.answer && s.refill) refilled.push_back(s.took);
    });
    wnd->DestroyWindow();
    Pump(nullptr);
    traceEnabled = 1;
    const double budget = 0.25 * TimerFloorMs;
    Row("comparison, trace log off: a tick", Summarise(ticks), budget, "2.5 ms", false);
    Row("comparison, trace log off: an answer", Summarise(answers), budget, "2.5 ms", false);
    Row("comparison, trace log off: a refill tick", Summarise(refilled), budget, "2.5 ms", false);
}

void BenchDealStep()
{
    MainFrameWnd* wnd = NewGame(10, 17, OpAdd | OpSubtract | OpMultiply | OpDivide, 7);
    ReachFastestPace(wnd);
    if (wnd->Now().interval != 0 || !wnd->Now().running) std::fprintf(stderr, "the pace did not reach 0 ms\n");

    std::vector<double> ticks, answers, closes, setups, paces;
    // The ticks again by what they had to do, to show where the time goes.
    std::vector<double> quiet, sounded, remarked, refilled;
    PlaySteps(wnd, [&](const Step& s) {
        (s.answer ? answers : ticks).push_back(s.took);
        if (s.answer) return;
        if (s.refill)
            refilled.push_back(s.took);
        else if (!s.remarkBefore && s.remarkAfter)
            remarked.push_back(s.took);
        else if (s.outcome)
            sounded.push_back(s.took);
        else
            quiet.push_back(s.took);
    });

    // The three parts of a tick, timed one by one in the order the tick runs them.
    for (int step = 0; step < DealWarmup + DealSteps / 2 && wnd->Now().running; ++step) {
        if (WantsAnswer(wnd, 0) && wnd->Now().winner) {
            const double start = Clock();
            Space(wnd);
            WaitForNextTick(wnd->m_hWnd, start);
            continue;
        }
        double t0 = Clock();
        if (wnd->Now().regularDeals != 0) wnd->DoGameClose();
        double t1 = Clock();
        wnd->DoGameSetup();
        double t2 = Clock();
        wnd->DoGamePace();
        double t3 = Clock();
        if (step >= DealWarmup) {
            closes.push_back(t1 - t0);
            setups.push_back(t2 - t1);
            paces.push_back(t3 - t2);
        }
        WaitForNextTick(wnd->m_hWnd, t0);
    }
    if (!wnd->Now().running) std::fprintf(stderr, "the game ended during the deal bench\n");
    wnd->DestroyWindow();
    Pump(nullptr);

    const double budget = 0.25 * TimerFloorMs;
    Row("deal step, a tick of the deal timer (interval 0 ms)", Summarise(ticks), budget, "2.5 ms (25% of 10 ms)");
    Row("deal step, an answer (space bar)", Summarise(answers), budget, "2.5 ms (25% of 10 ms)");
    Row("&nbsp;&nbsp;ticks with no outcome", Summarise(quiet), budget, "2.5 ms");
    Row("&nbsp;&nbsp;ticks with a missed card's sound, remark already showing", Summarise(sounded), budget, "2.5 ms");
    Row("&nbsp;&nbsp;ticks that show the remark balloon", Summarise(remarked), budget, "2.5 ms");
    // A refill lists both stacks and repaints the scene: it must not hold the deal past one frame.
    Row("&nbsp;&nbsp;ticks that refill the deck (trace of both stacks)", Summarise(refilled), FrameMs,
        "16.7 ms (one frame)");
    Row("&nbsp;&nbsp;part: DoGameClose", Summarise(closes), budget, "2.5 ms");
    Row("&nbsp;&nbsp;part: DoGameSetup (trace lines, card painted)", Summarise(setups), budget, "2.5 ms");
    Row("&nbsp;&nbsp;part: DoGamePace", Summarise(paces), budget, "2.5 ms");
}

// A tick at 144 DPI beside one at 96: past 96 DPI a dealt card is copied from its prepared face
// as at 96, so the two cost about the same.
void BenchDealAtScale()
{
    const int dpis[2] = { 96, 144 };
    std::vector<double> ticks[2];
    for (int k = 0; k < 2; ++k) {
        MainFrameWnd* wnd = NewGame(10, 17, OpAdd | OpSubtract | OpMultiply | OpDivide, 7);
        if (dpis[k] != 96) {
            CRect place;
            wnd->GetWindowRect(&place);
            ::SendMessageA(wnd->m_hWnd, WM_DPICHANGED, MAKEWPARAM(dpis[k], dpis[k]), reinterpret_cast<LPARAM>(&place));
            Pump(wnd->m_hWnd);
            if (wnd->Scene().Scale().Dpi() != dpis[k])
                std::fprintf(stderr, "the game is at %d DPI, not %d: the screen is too small\n",
                             wnd->Scene().Scale().Dpi(), dpis[k]);
        }
        ReachFastestPace(wnd);
        PlaySteps(wnd, [&](const Step& s) {
            if (!s.answer && !s.refill) ticks[k].push_back(s.took);
        });
        wnd->DestroyWindow();
        Pump(nullptr);
    }
    const Stats at96 = Summarise(ticks[0]);
    const Stats at144 = Summarise(ticks[1]);
    Row("deal step at 96 DPI, a tick without a refill", at96, 0, "—");
    char budgetText[64];
    std::snprintf(budgetText, sizeof budgetText, "1.2 × 96 DPI: %.3f ms", 1.2 * at96.median);
    std::printf("| deal step at 144 DPI, a tick without a refill | %zu | %.3f | %.3f | %s | %.2f / %.2f |\n",
                at144.runs, at144.median, at144.p99, budgetText, at144.median / (1.2 * at96.median),
                at144.p99 / (1.2 * at96.p99));
    if (at144.median > 1.2 * at96.median) ++failures;
}

void BenchScene()
{
    MainFrameWnd* wnd = NewGame(10, 17, OpAdd | OpSubtract, 11);
    // 2 opening cards and 178 regular deals empty the 180-card deck; every winner is answered.
    Tick(wnd);
    while (wnd->Now().running && wnd->Now().deck.Remaining() > 0) {
        wnd->Now().winner ? Space(wnd) : Tick(wnd);
        Pump(wnd->m_hWnd);
    }
    if (wnd->Now().stacks[0].size() != 90 || wnd->Now().stacks[1].size() != 90)
        std::fprintf(stderr, "stacks of %zu and %zu cards, not 90 and 90\n", wnd->Now().stacks[0].size(),
                     wnd->Now().stacks[1].size());

    std::vector<double> scenes, paints;
    const int warmup = 100;
    const int runs = 1200;
    {
        iClientDC dc(wnd);
        for (int n = 0; n < warmup + runs; ++n) {
            const double start = Clock();
            wnd->DrawScene(&dc);
            const double took = Clock() - start;
            if (n >= warmup) scenes.push_back(took);
        }
    }
    for (int n = 0; n < warmup + runs; ++n) {
        ::InvalidateRect(wnd->m_hWnd, nullptr, FALSE);
        const double start = Clock();
        ::UpdateWindow(wnd->m_hWnd);
        const double took = Clock() - start;
        if (n >= warmup) paints.push_back(took);
        Pump(wnd->m_hWnd);
    }
    wnd->DestroyWindow();
    Pump(nullptr);

    const double budget = 0.25 * FrameMs;
    Row("DrawScene, full scene, 90 + 90 cards", Summarise(scenes), budget, "4.2 ms (25% of 16.7 ms)");
    Row("repaint (WM_PAINT), same scene", Summarise(paints), budget, "4.2 ms (25% of 16.7 ms)");
}

// The bare file work of one line: open, seek to the end, write, close.
void BareAppend(const char* bytes, DWORD length)
{
    HANDLE file = ::CreateFileA(tracePath, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    ::SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD written = 0;
    ::WriteFile(file, bytes, length, &written, nullptr);
    ::CloseHandle(file);
}

void BenchTrace()
{
    // A typical game line, and the very bytes it writes.
    const char* file = "D:\\votaroo\\game\\MainFrameWnd.cpp";
    const int line = 123;
    char bytes[256];
    const int length = std::snprintf(bytes, sizeof bytes, "%s [%d] => %s : %s %s %s (%d, %d, %d)\r\n", file, line,
                                     "MainFrameWnd::IsMatch", "03", "05", "08", 4, 6, 9);
    std::vector<double> traced, bare;
    const int warmup = 200;
    const int runs = 3000;
    // Alternated, so both see the same file size and the same state of the machine.
    for (int n = 0; n < warmup + runs; ++n) {
        double t0 = Clock();
        Trace(0, file, line, "%s : %s %s %s (%d, %d, %d)", "MainFrameWnd::IsMatch", "03", "05", "08", 4, 6, 9);
        double t1 = Clock();
        BareAppend(bytes, static_cast<DWORD>(length));
        double t2 = Clock();
        if (n >= warmup) {
            traced.push_back(t1 - t0);
            bare.push_back(t2 - t1);
        }
    }
    const Stats b = Summarise(bare);
    Row("open, seek, write, close of the same bytes", b, 0, "—");
    const Stats t = Summarise(traced);
    char budgetText[64];
    std::snprintf(budgetText, sizeof budgetText, "1.5 × bare: %.3f / %.3f ms", 1.5 * b.median, 1.5 * b.p99);
    std::printf("| one trace line | %zu | %.3f | %.3f | %s | %.2f / %.2f |\n", t.runs, t.median, t.p99, budgetText,
                t.median / (1.5 * b.median), t.p99 / (1.5 * b.p99));
    if (t.median > 1.5 * b.median || t.p99 > 1.5 * b.p99) ++failures;
}

// Presses OK in each box a layout file's bad line raises, as a player would.
LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && ::GetDlgItem(window, 0xFFFF)) ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The Setup dialog built from hostile layout files beside the program: counts of two billion
// with a few lines, and a file of 10,000 lines. Each must cost what the file holds.
void BenchSetupLayouts()
{
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string layout = std::string(self, std::strlen(self) - 4) + ".dlg";
    std::string garbage = "[Setup]\nStatic=2000000000\nGroupBox=-5\n";
    unsigned seed = 12345;
    for (int line = 0; line < 100; ++line) {
        garbage += "Static_" + std::to_string(1000 + line) + "=";
        for (int i = 0; i < 30; ++i) {
            seed = seed * 1103515245u + 12345u;
            const char c = static_cast<char>(32 + (seed >> 16) % 95);
            garbage += c == '[' ? '(' : c;
        }
        garbage += "\n";
    }
    std::string many = "[Setup]\nStatic=2000000000\nGroupBox=2000000000\n";
    for (int i = 0; i < 10000; ++i) many += "Key" + std::to_string(i) + "=" + std::to_string(i) + " 1 2 3, 0, x\n";
    many += "Static_1999999999=10 10 100 12, 50000000, Last\n";

    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "Votaroo!", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(100, 50, 740, 530));
    Settings settings{};
    ::Setup setup{ settings };
    const HHOOK hook = ::SetWindowsHookExA(WH_CBT, &AnswerBoxes, nullptr, ::GetCurrentThreadId());
    const struct {
        const char* what;
        const std::string* text;
        double budget;
        const char* budgetText;
    } files[] = {
        { "Setup built, 100 bad lines each answered in its box, counts of 2,000,000,000", &garbage, 5000, "5 s" },
        { "Setup built, a layout file of 10,000 lines, counts of 2,000,000,000", &many, 2000, "2 s" },
    };
    for (const auto& f : files) {
        if (FILE* out = std::fopen(layout.c_str(), "wb")) {
            std::fwrite(f.text->data(), 1, f.text->size(), out);
            std::fclose(out);
        }
        std::vector<double> samples;
        for (int n = 0; n < 6; ++n) {
            ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, layout.c_str()); // read it anew
            const double t0 = Clock();
            auto* d = new iCollectionDialog(frame, CRect(0, 0, 400, 200), 0x80C80084, "Setup", -1, &setup);
            const double t1 = Clock();
            delete d;
            if (n > 0) samples.push_back(t1 - t0);
        }
        Row(f.what, Summarise(samples), f.budget, f.budgetText);
    }
    ::UnhookWindowsHookEx(hook);
    ::DeleteFileA(layout.c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, layout.c_str());
    frame->DestroyWindow();
}

// The start of a game with practice on (Start pressed, the last games' misses read from the
// log's end) beside a log of 4 GiB, beside the same games alone and beside none: the game reads
// only the last megabyte, so the size costs nothing. One run, alternated, and the ratios.
void BenchPracticeStart()
{
    // The log the bench found is put back after. The big log ends in real games with misses;
    // the rest is a sparse gap.
    const std::string found = std::string(tracePath) + ".found";
    ::MoveFileExA(tracePath, found.c_str(), MOVEFILE_REPLACE_EXISTING);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        MainFrameWnd* wnd = NewGame(5, 16, OpAdd, seed);
        // Winners let go while the flag can take it: no game over, whose box would wait for a click.
        for (int n = 0; n < 400 && wnd->Now().running; ++n) {
            const MainFrameWnd::State now = wnd->Now();
            if (now.winner && GameOver(FlagAfter(now.flag, Missed)))
                Space(wnd);
            else
                Tick(wnd);
        }
        wnd->DestroyWindow();
    }
    std::string games, tail;
    if (FILE* in = std::fopen(tracePath, "rb")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) games.append(buffer, n);
        std::fclose(in);
    }
    // More than the megabyte the game reads, all of it lines.
    while (!games.empty() && tail.size() < (3u << 19)) tail += games;
    const std::string kept = std::string(tracePath) + ".4GiB";
    HANDLE file = ::CreateFileA(kept.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = (4LL << 30) - static_cast<LONGLONG>(tail.size());
    DWORD written = 0;
    const bool made = file != INVALID_HANDLE_VALUE && ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        ::SetEndOfFile(file) && ::WriteFile(file, tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr) &&
        written == tail.size();
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    if (!made || tail.empty()) {
        std::fprintf(stderr, "could not write a log of 4 GiB\n");
        ::DeleteFileA(kept.c_str());
        ::DeleteFileA(tracePath);
        ::MoveFileA(found.c_str(), tracePath);
        ++failures;
        return;
    }
    const std::string small = std::string(tracePath) + ".small";
    if (FILE* out = std::fopen(small.c_str(), "wb")) {
        std::fwrite(tail.data(), 1, tail.size(), out);
        std::fclose(out);
    }
    // No log, the same games alone, and the same games at the end of 4 GiB.
    std::vector<double> samples[3];
    const std::string* logs[3] = { nullptr, &small, &kept };
    for (int n = 0; n < 2 + 20; ++n)
        for (int k = 0; k < 3; ++k) {
            ::DeleteFileA(tracePath);
            if (logs[k]) ::MoveFileA(logs[k]->c_str(), tracePath);
            auto* wnd = new MainFrameWnd;
            wnd->ShowWindow(SW_SHOW);
            ::UpdateWindow(wnd->m_hWnd);
            wnd->GameSettings().practice = 1;
            std::srand(7);
            const double t0 = Clock();
            wnd->DoGameStart(nullptr);
            const double t1 = Clock();
            wnd->DestroyWindow();
            Pump(nullptr);
            if (logs[k]) ::MoveFileA(tracePath, logs[k]->c_str());
            if (n >= 2) samples[k].push_back(t1 - t0);
        }
    ::DeleteFileA(kept.c_str());
    ::DeleteFileA(small.c_str());
    ::DeleteFileA(tracePath);
    ::MoveFileA(found.c_str(), tracePath);
    const Stats a = Summarise(samples[0]), m = Summarise(samples[1]), b = Summarise(samples[2]);
    Row("game start with practice, no log", a, 0, "—");
    char text[96];
    std::snprintf(text, sizeof text, "game start with practice, a log of %.1f MB", static_cast<double>(tail.size()) / 1e6);
    Row(text, m, 0, "—");
    // A start a player cannot tell from one without a log: within a frame of it.
    const double budget = a.median + FrameMs;
    char budgetText[64];
    std::snprintf(budgetText, sizeof budgetText, "no log + 16.7 ms: %.3f ms", budget);
    std::printf("| game start with practice, a log of 4 GiB | %zu | %.3f | %.3f | %s | %.2f × no log, %.2f × %.1f MB |\n",
                b.runs, b.median, b.p99, budgetText, b.median / a.median, b.median / m.median,
                static_cast<double>(tail.size()) / 1e6);
    if (b.median > budget) ++failures;
}

// Lines of "in-program-ms process-ms" written by tools/bench.sh from the start-up probe.
void StartupRows(const char* path)
{
    std::vector<double> inside, process;
    if (FILE* in = std::fopen(path, "r")) {
        double a = 0, b = 0;
        while (std::fscanf(in, "%lf %lf", &a, &b) == 2) {
            inside.push_back(a);
            process.push_back(b);
        }
        std::fclose(in);
    }
    if (inside.empty()) {
        std::fprintf(stderr, "no start-up figures in %s\n", path);
        ++failures;
        return;
    }
    Row("start-up: Main built to end of first WM_PAINT", Summarise(inside), StartupBudgetMs, "300 ms");
    Row("start-up: whole process under Wine, launch to first paint", Summarise(process), 0, "— (Wine's own start)");
}

} // namespace

int main(int argc, char** argv)
{
    const char* startup = nullptr;
    bool practiceOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--noop") == 0) return 0; // the bare cost of a Wine process
        if (std::strcmp(argv[i], "--startup") == 0 && i + 1 < argc) startup = argv[++i];
        if (std::strcmp(argv[i], "--practice-only") == 0) practiceOnly = true;
    }
    // What the entry point sets up before the game window exists.
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    ::OleInitialize(nullptr);
    ::CreateDirectoryA("C:\\TMP", nullptr);
    GameClock = &FakeClock;
    std::printf("| measurement | runs | median ms | p99 ms | budget | median / p99 of budget |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    std::fflush(stdout);
    if (!practiceOnly) {
    BenchDealStep();
    std::fflush(stdout);
    BenchDealStepUntraced();
    std::fflush(stdout);
    BenchDealAtScale();
    std::fflush(stdout);
    BenchScene();
    std::fflush(stdout);
    BenchTrace();
    std::fflush(stdout);
    BenchSetupLayouts();
    std::fflush(stdout);
    }
    BenchPracticeStart();
    if (startup) StartupRows(startup);
    GameClock = &::time;
    ::OleUninitialize();
    std::printf("\n%s\n", failures ? "Some figures miss their budget." : "Every figure is within its budget.");
    return failures ? 1 : 0;
}
