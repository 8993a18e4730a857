// Outcome sounds and the remark balloon: which sound plays, when a remark shows, and what reaches the balloon.
#include "ProgramText.h"
#include "GameWindowFixture.h"
#include "Sound.h"
#include <mmsystem.h>
#include <cstring>

namespace game_testing {
namespace {

struct PlayedSound {
    std::string name;
    HMODULE module;
    DWORD flags;
};
std::vector<PlayedSound> played;

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags)
{
    played.push_back(PlayedSound{ sound ? sound : "", module, flags });
    return TRUE;
}

// Watches what the window sends its balloon on this thread.
struct BalloonMessages {
    HWND balloon = nullptr;
    int activations = 0;
    int deactivations = 0;
    std::vector<UINT> relayed;
    LPARAM lastPosition = 0;
};
BalloonMessages seen;

LRESULT CALLBACK WatchBalloon(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && seen.balloon && call->hwnd == seen.balloon) {
        if (call->message == TTM_TRACKACTIVATE) (call->wParam ? seen.activations : seen.deactivations)++;
        if (call->message == TTM_TRACKPOSITION) seen.lastPosition = call->lParam;
        if (call->message == TTM_RELAYEVENT && call->lParam)
            seen.relayed.push_back(reinterpret_cast<const MSG*>(call->lParam)->message);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool InList(const RemarkSet& list, const char* text)
{
    for (int i = 0; i < list.count; ++i)
        if (ProgramText(list.first + i) == text) return true;
    return false;
}

class RemarksAndSounds : public GameWindowTest {
protected:
    void SetUp() override
    {
        played.clear();
        seen = BalloonMessages();
        GamePlaySound = &RecordSound;
        GameWindowTest::SetUp();
        ASSERT_NE(wnd->Balloon(), nullptr);
        seen.balloon = wnd->Balloon()->m_hWnd;
        hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchBalloon, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
    }
    void TearDown() override
    {
        if (hook) ::UnhookWindowsHookEx(hook);
        GameWindowTest::TearDown();
        GamePlaySound = &PlaySoundAside;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const PlayedSound& s : played) names.push_back(s.name);
        return names;
    }
    // Lets cards that are no winners go by until a winner lies on the table.
    void TickToWinner()
    {
        for (int n = 0; n < 500 && !wnd->Now().winner; ++n) Tick();
        ASSERT_TRUE(wnd->Now().winner);
    }
    void TickToLoser()
    {
        for (int n = 0; n < 500 && wnd->Now().winner; ++n) PlayOne();
        ASSERT_FALSE(wnd->Now().winner);
    }
    void HideByTimer() { ::SendMessageA(wnd->m_hWnd, WM_TIMER, MainFrameWnd::RemarkTimer, 0); }

    HHOOK hook = nullptr;
};

TEST_F(RemarksAndSounds, OpeningSoundFromThisModule)
{
    ASSERT_EQ(Names(), std::vector<std::string>{ "Begin" });
    EXPECT_EQ(played[0].module, ::GetModuleHandleA(nullptr));
    EXPECT_EQ(played[0].flags, static_cast<DWORD>(SND_RESOURCE | SND_ASYNC));
    EXPECT_FALSE(wnd->Now().remarkShowing);
    EXPECT_FALSE(::IsWindowVisible(seen.balloon));
}

TEST_F(RemarksAndSounds, QuickSecondScoreSoundsButKeepsTheFirstRemark)
{
    Start(7);
    Tick();
    TickToWinner();
    played.clear();
    Space();
    ASSERT_EQ(Names(), std::vector<std::string>{ "Scoring" });
    ASSERT_TRUE(wnd->Now().remarkShowing);
    EXPECT_EQ(seen.activations, 1);
    EXPECT_TRUE(::IsWindowVisible(seen.balloon));
    const char* first = wnd->Now().remarkText;
    EXPECT_TRUE(InList(CorrectRemarks, first));
    // Anchored in the upper middle of the client area.
    POINT at = { static_cast<short>(LOWORD(seen.lastPosition)), static_cast<short>(HIWORD(seen.lastPosition)) };
    wnd->ScreenToClient(&at);
    EXPECT_GE(at.x, 214);
    EXPECT_LT(at.x, 214 + 240);
    EXPECT_GE(at.y, 0);
    EXPECT_LT(at.y, 240);

    // The timer has not run: the next correct answer comes well within two seconds.
    TickToWinner();
    Space();
    EXPECT_EQ(Names(), (std::vector<std::string>{ "Scoring", "Scoring" }));
    EXPECT_EQ(seen.activations, 1);
    EXPECT_EQ(wnd->Now().remarkText, first);

    // Once the remark timer has run, the balloon goes and the next remark may show.
    HideByTimer();
    EXPECT_FALSE(wnd->Now().remarkShowing);
    EXPECT_EQ(seen.deactivations, 1);
    HideByTimer(); // a second hide has nothing left to do
    EXPECT_EQ(seen.deactivations, 1);
}

TEST_F(RemarksAndSounds, GameEndingMissPlaysMissingThenEndAndStillTaunts)
{
    testing_support::ModalAnswerer answer;
    Start(11);
    Tick();
    // Bring the flag down to the foot of the staff without passing it.
    for (int n = 0; n < 500 && wnd->Now().flag > 0; ++n) {
        played.clear();
        const bool wrong = !wnd->Now().winner && wnd->Now().flag >= 2;
        if (wrong)
            Space();
        else
            Tick();
        if (wrong) {
            EXPECT_EQ(Names(), std::vector<std::string>{ "Mistaken" });
            EXPECT_TRUE(InList(WrongRemarks, wnd->Now().remarkText));
        }
        HideByTimer();
    }
    ASSERT_EQ(wnd->Now().flag, 0);
    ASSERT_TRUE(wnd->Now().running);
    seen.activations = 0;

    TickToWinner();
    played.clear();
    Tick(); // the winner goes by unanswered
    ASSERT_FALSE(wnd->Now().running);
    EXPECT_EQ(Names(), (std::vector<std::string>{ "Missing", "End" }));
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "Game over!");
    EXPECT_TRUE(wnd->Now().remarkShowing);
    EXPECT_EQ(seen.activations, 1);
    EXPECT_TRUE(InList(MissedRemarks, wnd->Now().remarkText));
}

// With sounds off nothing is heard, and so every outcome is seen: a quick second answer's
// remark takes the place of the first.
TEST_F(RemarksAndSounds, SoundsOffIsSilentAndShowsEveryOutcome)
{
    wnd->GameSettings().sounds = 0;
    played.clear();
    Start(7);
    Tick();
    TickToWinner();
    Space();
    ASSERT_TRUE(wnd->Now().remarkShowing);
    EXPECT_TRUE(InList(CorrectRemarks, wnd->Now().remarkText));
    TickToLoser();
    ASSERT_TRUE(wnd->Now().remarkShowing);
    const int before = seen.activations;
    Space(); // a wrong answer within the remark's two seconds
    EXPECT_TRUE(played.empty());
    EXPECT_TRUE(InList(WrongRemarks, wnd->Now().remarkText));
    EXPECT_EQ(seen.activations, before + 1);
    EXPECT_TRUE(wnd->Now().remarkShowing);
}

TEST_F(RemarksAndSounds, UnansweredLoserIsSilent)
{
    Start(5);
    Tick();
    TickToLoser();
    HideByTimer(); // an earlier answer's remark goes first
    seen.activations = 0;
    played.clear();
    Tick();
    EXPECT_TRUE(played.empty());
    EXPECT_EQ(seen.activations, 0);
    EXPECT_FALSE(wnd->Now().remarkShowing);
}

TEST_F(RemarksAndSounds, MouseButtonsAndMovesReachTheBalloon)
{
    for (UINT message :
         { WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONUP, WM_LBUTTONDBLCLK })
        ::SendMessageA(wnd->m_hWnd, message, 0, MAKELPARAM(10, 10));
    // Double clicks are not relayed.
    EXPECT_EQ(
        seen.relayed,
        (std::vector<UINT>{ WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONUP }));
}

} // namespace
} // namespace game_testing
