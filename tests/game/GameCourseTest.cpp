// The course of a game on the real window: opening, answers, votes, flag, game over.
#include "GameWindowFixture.h"
#include "PlayerChoice.h"
#include "Trace.h"
#include <algorithm>
#include <cstdio>

using testing_support::ModalAnswerer;

namespace game_testing {
namespace {

int CountOf(const std::vector<std::string>& lines, const std::string& text)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

int CountContaining(const std::vector<std::string>& lines, const std::string& part)
{
    int n = 0;
    for (const std::string& l : lines) n += l.find(part) != std::string::npos;
    return n;
}

// Closes the box and remembers what the window looked like while it was up.
struct GameOverBox {
    MainFrameWnd* wnd;
    int dealsWhileUp = -1;
    int dealsAfterTick = -1;
    ModalAnswerer answerer{ [this](HWND box) {
        dealsWhileUp = wnd->Now().dealCount;
        ::SendMessageA(wnd->m_hWnd, WM_TIMER, MainFrameWnd::DealTimer, 0); // dropped: busy
        dealsAfterTick = wnd->Now().dealCount;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    } };
    explicit GameOverBox(MainFrameWnd* w) : wnd(w) {}
};

class GameCourse : public GameWindowTest {
protected:
    void ExpectButtonsVisible(bool visible)
    {
        for (const char* text : { "Start", "Setup", "About", "Upload", "Help", "Exit" }) {
            HWND b = Button(text);
            ASSERT_NE(b, nullptr) << text;
            EXPECT_EQ(::IsWindowVisible(b) != FALSE, visible) << text;
        }
    }
    // Ends the game from where it stands, and checks the end.
    void CheckGameOver(GameOverBox& box, int dealsBefore, const std::string& votesBefore)
    {
        ASSERT_EQ(box.answerer.seen().size(), 1u);
        EXPECT_EQ(box.answerer.seen()[0].text, "Game over!");
        EXPECT_EQ(box.answerer.seen()[0].caption, "Votaroo!");
        EXPECT_EQ(box.dealsWhileUp, dealsBefore);
        EXPECT_EQ(box.dealsAfterTick, dealsBefore);
        EXPECT_FALSE(wnd->Now().running);
        EXPECT_LT(wnd->Now().flag, 0);
        EXPECT_EQ(wnd->Now().dealCount, dealsBefore + 1); // one last card, never judged
        EXPECT_EQ(VotesText(), votesBefore);
        ExpectButtonsVisible(true);
        // Answers are no longer taken; the deal timer is gone, so no tick comes either.
        const int deals = wnd->Now().dealCount;
        Space();
        Click();
        EXPECT_EQ(wnd->Now().dealCount, deals);
    }
};

TEST_F(GameCourse, IdleWindowBeforeTheFirstGame)
{
    CRect client;
    wnd->GetClientRect(&client);
    EXPECT_EQ(client.Width(), 640);
    EXPECT_EQ(client.Height(), 480);
    char caption[64] = "";
    ::GetWindowTextA(wnd->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Votaroo!");
    EXPECT_EQ(VotesText(), "Votes");
    ExpectButtonsVisible(true);
    EXPECT_FALSE(wnd->Now().running);
    EXPECT_EQ(wnd->Now().flag, 2);

    // No card on the stacks: the pictureless scene leaves the card places as they were.
    wnd->Canvas()->FillSolidRect(0, 0, 640, 480, RGB(1, 2, 3));
    ::InvalidateRect(wnd->m_hWnd, nullptr, FALSE);
    ::UpdateWindow(wnd->m_hWnd);
    EXPECT_EQ(wnd->Canvas()->GetPixel(160, 300), RGB(1, 2, 3));
    EXPECT_EQ(wnd->Canvas()->GetPixel(336, 300), RGB(1, 2, 3));
}

TEST_F(GameCourse, OpeningCardsAndAnswersBeforeTheFirstRegularDeal)
{
    Start(3);
    ExpectButtonsVisible(false);
    EXPECT_EQ(wnd->Now().dealCount, 2);
    ASSERT_EQ(wnd->Now().stacks[0].size(), 1u);
    ASSERT_EQ(wnd->Now().stacks[1].size(), 1u);
    EXPECT_EQ(wnd->Now().stacks[0][0].dx, 0);
    EXPECT_EQ(wnd->Now().stacks[1][0].dy, 0);
    EXPECT_EQ(wnd->Now().interval, 2000u);
    EXPECT_EQ(wnd->Now().stepPeriod, 60);

    TraceReader trace;
    Space();
    Click();
    Space(true);
    EXPECT_EQ(wnd->Now().dealCount, 2);
    EXPECT_EQ(wnd->Now().flag, 2);
    EXPECT_TRUE(trace.NewLines().empty());

    // The Start button is ignored while a game runs.
    ::SendMessageA(wnd->m_hWnd, WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), reinterpret_cast<LPARAM>(Button("Start")));
    EXPECT_EQ(wnd->Now().dealCount, 2);

    // The first tick deals without judging; the card goes left again.
    Tick();
    EXPECT_EQ(wnd->Now().regularDeals, 1);
    ASSERT_EQ(wnd->Now().stacks[0].size(), 2u);
    std::vector<std::string> lines = trace.NewMessages();
    EXPECT_EQ(CountContaining(lines, "DoGameClose"), 0);
    EXPECT_EQ(CountContaining(lines, "MainFrameWnd::DoGameSetup ismatch? "), 1);
    const DealtCard& third = wnd->Now().stacks[0][1];
    if (third.code != wnd->Now().stacks[0][0].code) {
        EXPECT_EQ(third.dx, 0);
        EXPECT_EQ(third.dy, 0);
    }
    // The votes display shows the total from the first judgement on.
    EXPECT_EQ(VotesText(), "Votes");
    if (wnd->Now().winner)
        Space();
    else
        Tick();
    EXPECT_EQ(VotesText(), std::to_string(wnd->Now().votes));
}

TEST_F(GameCourse, LaterCardsLieWithinFivePixels)
{
    Start(11);
    Tick();
    for (int n = 0; n < 60 && wnd->Now().running; ++n) {
        const int side = wnd->Now().dealCount % 2;
        PlayOne();
        const std::vector<DealtCard>& stack = wnd->Now().stacks[side];
        const DealtCard& card = stack.back();
        if (stack.size() >= 2 && stack[stack.size() - 2].code == card.code) continue;
        EXPECT_GE(card.dx, -5);
        EXPECT_LE(card.dx, 5);
        EXPECT_GE(card.dy, -5);
        EXPECT_LE(card.dy, 5);
    }
}

TEST_F(GameCourse, IdenticalCardsLeanAwayFromTheCardBeneath)
{
    bool sawZero = false;
    bool sawNegative = false;
    wnd->GameSettings().highestCard = 9; // fewer kinds, more twins
    for (unsigned seed = 1; seed < 400 && !(sawZero && sawNegative); ++seed) {
        if (wnd->Now().running) {
            GameOverBox box(wnd);
            while (wnd->Now().running) wnd->Now().winner ? Tick() : Space();
        }
        Start(seed);
        for (int n = 0; n < 40 && wnd->Now().running; ++n) {
            const int side = wnd->Now().dealCount % 2;
            const DealtCard beneath = wnd->Now().stacks[side].back();
            n == 0 ? Tick() : PlayOne();
            const DealtCard& card = wnd->Now().stacks[side].back();
            if (card.code != beneath.code) continue;
            EXPECT_EQ(card.dx, beneath.dx < 0 ? 10 : -10);
            EXPECT_EQ(card.dy, beneath.dy < 0 ? 10 : -10);
            if (beneath.dx == 0 && beneath.dy == 0) {
                EXPECT_EQ(card.dx, -10);
                EXPECT_EQ(card.dy, -10);
                sawZero = true;
            }
            if (beneath.dx < 0 && beneath.dy < 0 && beneath.dx > -10) {
                EXPECT_EQ(card.dx, 10);
                EXPECT_EQ(card.dy, 10);
                sawNegative = true;
            }
        }
    }
    EXPECT_TRUE(sawZero);
    EXPECT_TRUE(sawNegative);
}

TEST_F(GameCourse, VotesGrowWithTheMinutesPlayed)
{
    const time_t start = fakeNow;
    Start(5);
    Tick();
    fakeNow = start + 59;
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
    int before = wnd->Now().votes;
    Space();
    EXPECT_EQ(wnd->Now().votes - before, 13); // 8 + 2 + 0 + 3
    EXPECT_EQ(VotesText(), std::to_string(wnd->Now().votes));

    fakeNow = start + 120;
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
    before = wnd->Now().votes;
    Space();
    EXPECT_EQ(wnd->Now().votes - before, 17);
    EXPECT_EQ(VotesText(), std::to_string(wnd->Now().votes));
}

TEST_F(GameCourse, VotesCountTheSettings)
{
    wnd->GameSettings() = Settings{ 15, 10, 9 };
    Start(6);
    Tick();
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
    const int before = wnd->Now().votes;
    Space();
    EXPECT_EQ(wnd->Now().votes - before, 24); // 4 + 5 + 0 + 15
    EXPECT_EQ(wnd->Now().deck.Copies(), 10);
    EXPECT_EQ(wnd->Now().deck.Kinds(), 10);
}

TEST_F(GameCourse, FlagStaysAtTheTopOnACorrectAnswer)
{
    Start(7);
    Tick();
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().flag == 8 && wnd->Now().winner; }));
    TraceReader trace;
    const int before = wnd->Now().votes;
    Space();
    EXPECT_EQ(wnd->Now().flag, 8);
    EXPECT_EQ(wnd->Now().votes - before, 13);
    EXPECT_EQ(CountOf(trace.NewMessages(), "MainFrameWnd::DoGameClose CORRECT"), 1);
}

TEST_F(GameCourse, MissedWinnerAtTheFootEndsTheGame)
{
    Start(8);
    Tick();
    // Down to the foot without ending: wrong answers from 2 or more, misses otherwise.
    for (int n = 0; n < 3000 && wnd->Now().flag > 0; ++n) {
        if (wnd->Now().winner || wnd->Now().flag < 2)
            Tick();
        else
            Space();
    }
    ASSERT_EQ(wnd->Now().flag, 0);
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().winner; }));
    const int deals = wnd->Now().dealCount;
    const std::string votes = VotesText();
    TraceReader trace;
    {
        GameOverBox box(wnd);
        Tick();
        CheckGameOver(box, deals, votes);
    }
    EXPECT_EQ(CountOf(trace.NewMessages(), "MainFrameWnd::DoGameClose MISSED"), 1);
    EXPECT_EQ(wnd->Now().flag, -1);
}

TEST_F(GameCourse, WrongAnswerAtOneEndsTheGame)
{
    Start(9);
    Tick();
    ASSERT_TRUE(PlayUntil([&] {
        if (wnd->Now().flag == 2 && wnd->Now().winner) Tick(); // a miss brings it to 1
        return wnd->Now().flag == 1 && !wnd->Now().winner;
    }));
    const int deals = wnd->Now().dealCount;
    const std::string votes = VotesText();
    TraceReader trace;
    {
        GameOverBox box(wnd);
        Click(580, 35); // where Start was: the buttons are hidden during a game
        CheckGameOver(box, deals, votes);
    }
    EXPECT_EQ(CountOf(trace.NewMessages(), "MainFrameWnd::DoGameClose WRONG"), 1);
    EXPECT_EQ(wnd->Now().flag, -1);
}

TEST_F(GameCourse, EveryAutoRepeatedPressIsJudged)
{
    Start(10);
    Tick();
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().flag == 8; }));
    for (int press = 0; press < 3; ++press) {
        TraceReader trace;
        const int deals = wnd->Now().dealCount;
        Space(true);
        std::vector<std::string> lines = trace.NewMessages();
        EXPECT_EQ(CountOf(lines, "MainFrameWnd::DoGameMatch"), 1);
        EXPECT_EQ(
            CountOf(lines, "MainFrameWnd::DoGameClose CORRECT") + CountOf(lines, "MainFrameWnd::DoGameClose WRONG"), 1);
        EXPECT_EQ(wnd->Now().dealCount, deals + 1);
    }
    EXPECT_TRUE(wnd->Now().running);
}

TEST_F(GameCourse, RefillListsBothStacksAndKeepsTheTopCards)
{
    wnd->GameSettings().highestCard = 9; // a deck of 50 cards
    Start(12);
    Tick();
    ASSERT_TRUE(PlayUntil([&] { return wnd->Now().deck.Remaining() == 0; }));
    const std::vector<DealtCard> left = wnd->Now().stacks[0];
    const std::vector<DealtCard> right = wnd->Now().stacks[1];
    ASSERT_GE(left.size(), 10u);
    const int due = wnd->Now().dealCount % 2;
    TraceReader trace;
    PlayOne();

    std::vector<std::string> expected;
    auto listing = [&](const char* label, const std::vector<DealtCard>& stack) {
        for (size_t i = 0; i < stack.size(); ++i) {
            std::string position = std::to_string(i + 1);
            if (position.size() < 2) position = " " + position;
            expected.push_back(std::string(label) + " [ " + position + " ] = " + CardNames[stack[i].code]);
        }
    };
    listing("Left ", left);
    listing("Right", right);
    std::vector<std::string> listed;
    for (const std::string& m : trace.NewMessages())
        if (m.rfind("Left  [", 0) == 0 || m.rfind("Right [", 0) == 0) listed.push_back(m);
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(listed[0].substr(0, 12), "Left  [  1 ]");
    EXPECT_EQ(listed[9].substr(0, 12), "Left  [ 10 ]");

    // Each stack keeps only the card that showed; the next card went where it was due.
    EXPECT_EQ(wnd->Now().stacks[due].size(), 2u);
    EXPECT_EQ(wnd->Now().stacks[1 - due].size(), 1u);
    const DealtCard& keptLeft = wnd->Now().stacks[0][0];
    const DealtCard& keptRight = wnd->Now().stacks[1][0];
    EXPECT_EQ(keptLeft.code, left.back().code);
    EXPECT_EQ(keptLeft.dx, left.back().dx);
    EXPECT_EQ(keptLeft.dy, left.back().dy);
    EXPECT_EQ(keptRight.code, right.back().code);
    EXPECT_EQ(keptRight.dx, right.back().dx);
    EXPECT_EQ(keptRight.dy, right.back().dy);
    EXPECT_EQ(wnd->Now().deck.Remaining(), 49);
}

TEST_F(GameCourse, DealAfterTheEndFindsTheDeckEmptyAndDealsNothing)
{
    wnd->GameSettings().highestCard = 9;
    Start(13);
    Tick();
    bool ended = false;
    for (int n = 0; n < 5000 && !ended; ++n) {
        ASSERT_TRUE(wnd->Now().running);
        const int flag = wnd->Now().flag;
        const bool winner = wnd->Now().winner;
        if (wnd->Now().deck.Remaining() == 0 && (!winner || flag == 0)) {
            const int deals = wnd->Now().dealCount;
            const int regular = wnd->Now().regularDeals;
            TraceReader trace;
            GameOverBox box(wnd);
            winner ? Tick() : Space();
            ASSERT_EQ(box.answerer.seen().size(), 1u);
            EXPECT_FALSE(wnd->Now().running);
            EXPECT_EQ(wnd->Now().dealCount, deals);
            EXPECT_EQ(wnd->Now().regularDeals, regular);
            const std::vector<std::string> lines = trace.NewMessages();
            EXPECT_EQ(CountContaining(lines, "IsMatch"), 0);
            EXPECT_EQ(CountContaining(lines, "ismatch?"), 0);
            ended = true;
            break;
        }
        // Keep the flag low without ever ending the game.
        if (winner)
            flag == 0 ? Space() : Tick();
        else
            flag >= 2 ? Space() : Tick();
    }
    EXPECT_TRUE(ended);
    ExpectButtonsVisible(true);
}

} // namespace
namespace {

void CALLBACK ChooseInSetup(HWND d, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(d, id);
    HWND copies = ::FindWindowExA(d, nullptr, "ComboBox", nullptr);
    HWND high = ::FindWindowExA(d, copies, "ComboBox", nullptr);
    ::SendMessageA(copies, CB_SETCURSEL, 5, 0); // "10"
    ::SendMessageA(high, CB_SETCURSEL, 0, 0); // " 8"
    ::SendMessageA(::GetDlgItem(d, 1002), BM_SETCHECK, BST_CHECKED, 0);
    ::PostMessageA(d, WM_COMMAND, IDOK, 0);
}

// The Setup button opens the generated dialog on the window's own record.
TEST_F(GameCourse, SetupButtonChangesTheNextDeck)
{
    EXPECT_EQ(wnd->GameSettings().operations, 3);
    EXPECT_EQ(wnd->GameSettings().copies, 5);
    EXPECT_EQ(wnd->GameSettings().highestCard, 17);
    // The dialog is activated while it is still being built: choose once its loop runs.
    testing_support::ModalAnswerer answer([](HWND dialog) { ::SetTimer(dialog, 77, 10, ChooseInSetup); });
    ::SendMessageA(Button("Setup"), BM_CLICK, 0, 0);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "Setup");
    EXPECT_EQ(wnd->GameSettings().operations, 7);
    EXPECT_EQ(wnd->GameSettings().copies, 10);
    EXPECT_EQ(wnd->GameSettings().highestCard, 9);
    Start(3);
    // The wild card and the values 0 to 8, ten copies each.
    EXPECT_EQ(wnd->Now().deck.Kinds(), 10);
    EXPECT_EQ(wnd->Now().deck.Copies(), 10);
}

// Chooses players.choose in "Who is playing?" (none: goes back), noting the names shown.
struct {
    const char* choose = nullptr;
    std::vector<std::string> shown;
} players;
void CALLBACK ChooseAPlayer(HWND h, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(h, timer);
    players.shown.clear();
    char text[64] = "";
    for (HWND b = ::GetWindow(h, GW_CHILD); b; b = ::GetWindow(b, GW_HWNDNEXT))
        players.shown.push_back(std::string(text, ::GetWindowTextA(b, text, sizeof text)));
    HWND b = players.choose ? ::FindWindowExA(h, nullptr, "Button", players.choose) : nullptr;
    ::PostMessageA(h, WM_COMMAND, b ? MAKEWPARAM(::GetDlgCtrlID(b), BN_CLICKED) : IDCANCEL,
                   reinterpret_cast<LPARAM>(b));
}

// With a list of players Start asks who plays (the last player first; a name is a button read by
// its own text), the log names the player in one line before the game's and the caption during
// it; nothing else of the game or its log changes. Going back starts nothing.
TEST_F(GameCourse, PlayersAreAskedForAndNamedAndChangeNothingElse)
{
    std::string boxCaption, caption;
    // The dialog is activated while it is still being built: choose once its loop runs.
    ModalAnswerer answer([&](HWND h) {
        char text[64] = "";
        if (std::string(text, ::GetWindowTextA(h, text, sizeof text)) == "Who is playing?")
            ::SetTimer(h, 77, 10, ChooseAPlayer);
        else
            boxCaption = text, ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    });
    auto title = [&] {
        char text[64] = "";
        return std::string(text, ::GetWindowTextA(wnd->m_hWnd, text, sizeof text));
    };
    auto lose = [&](unsigned seed) {
        wnd->HideRemark(); // a remark still showing would draw no random numbers
        TraceReader trace;
        Start(seed);
        caption = title();
        Tick();
        for (int n = 0; n < 500 && wnd->Now().running; ++n) Space();
        return trace.NewLines();
    };
    const std::vector<std::string> plain = lose(5);
    EXPECT_EQ(caption, "Votaroo!");
    wnd->Now().players->SetNames({ "Ann", "Ben", "Cem" });
    players.choose = "Ben";
    const std::vector<std::string> named = lose(5);
    EXPECT_EQ(players.shown, (std::vector<std::string>{ "Ann", "Ben", "Cem" }));
    EXPECT_EQ(caption + "|" + boxCaption + "|" + title(), "Votaroo! \x97 Ben|Votaroo! \x97 Ben|Votaroo!");
    ASSERT_EQ(named.size(), plain.size() + 1);
    EXPECT_NE(named[0].find("] => MainFrameWnd::DoGameStart player Ben"), std::string::npos) << named[0];
    EXPECT_EQ(std::vector<std::string>(named.begin() + 1, named.end()), plain);

    players.choose = "Cem";
    lose(6);
    EXPECT_EQ(players.shown, (std::vector<std::string>{ "Ben", "Ann", "Cem" }));
    players.choose = nullptr;
    TraceReader trace;
    ::SendMessageA(Button("Start"), BM_CLICK, 0, 0);
    EXPECT_FALSE(wnd->Now().running);
    EXPECT_EQ(players.shown, (std::vector<std::string>{ "Cem", "Ann", "Ben" }));
    EXPECT_TRUE(trace.NewLines().empty());
}

// The names by the keyboard: the arrows move across and down the grid and stop at its edges,
// an Enter held since Start chooses nobody, a fresh one chooses the name with the focus.
TEST_F(GameCourse, WhoIsPlayingByTheKeyboard)
{
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) names.push_back("Kid " + std::to_string(i));
    PlayerChoiceDialog d(wnd, names);
    d.ShowWindow(SW_SHOW);
    const int across = d.Columns();
    ASSERT_GT(across, 1);
    auto key = [&](UINT vk, bool held = false) {
        MSG m = { ::GetFocus(), WM_KEYDOWN, vk, 1 | (held ? (1L << 30) : 0), 0, {} };
        if (!::IsDialogMessageA(d.m_hWnd, &m)) ::DispatchMessageA(&m);
        const auto& b = d.Buttons();
        return std::find_if(b.begin(), b.end(), [](PlayerButton* p) { return p->m_hWnd == ::GetFocus(); }) - b.begin();
    };
    const int moves[][2] = { { VK_UP, 0 },        { VK_LEFT, 0 }, { VK_RIGHT, 1 },    { VK_DOWN, 1 + across },
                             { VK_LEFT, across }, { VK_UP, 0 },   { VK_DOWN, across } };
    for (const auto& m : moves) EXPECT_EQ(key(m[0]), m[1]) << m[0];
    key(VK_RETURN, true);
    EXPECT_EQ(d.Chosen(), -1);
    key(VK_RETURN);
    EXPECT_EQ(d.Chosen(), across);
}

// A game by addition: lets the first `misses` winners go by, one at a time, and answers every
// other winner. Keeps each fact let go, the remark after it, each fact back within six cards and
// judged correct ("7 + 8 = 15"), and the winners of the first minute, either way round.
struct PracticeRun {
    std::vector<std::string> missed, remarks, cameBack, firstMinuteSums;
    static std::string Fact(int a, int b, int card)
    {
        return std::to_string(a - 1) + " + " + std::to_string(b - 1) + " = " + std::to_string(card - 1);
    }
    void Play(MainFrameWnd* wnd, size_t misses, int limit)
    {
        auto send = [&](UINT message, WPARAM w) { ::SendMessageA(wnd->m_hWnd, message, w, message == WM_KEYDOWN); };
        int shown[2] = { wnd->Now().stacks[0].back().code, wnd->Now().stacks[1].back().code }, missedAt = -1;
        send(WM_TIMER, MainFrameWnd::DealTimer);
        const int firstMinute = static_cast<int>(60000 / wnd->Now().interval);
        for (int n = 0; n < limit && wnd->Now().running && (misses == 0 || missed.size() < misses || missedAt >= 0); ++n) {
            const MainFrameWnd::State now = wnd->Now();
            const int card = now.stacks[(now.dealCount - 1) % 2].back().code;
            const int showing[2] = { now.stacks[0].back().code, now.stacks[1].back().code };
            const bool sum = now.winner && std::min({ card, shown[0], shown[1] }) != WildCard;
            const std::string fact = Fact(shown[0], shown[1], card);
            if (sum && now.regularDeals <= firstMinute) firstMinuteSums.insert(firstMinuteSums.end(), { fact, Fact(shown[1], shown[0], card) });
            send(WM_TIMER, MainFrameWnd::RemarkTimer); // two seconds passed: the last remark is gone
            TraceReader trace;
            if (missedAt >= 0 && sum && (fact == missed.back() || Fact(shown[1], shown[0], card) == missed.back())) {
                send(WM_KEYDOWN, VK_SPACE);
                if (now.regularDeals - missedAt <= Practice::ComesBackWithin &&
                    CountOf(trace.NewMessages(), "MainFrameWnd::DoGameClose CORRECT") == 1)
                    cameBack.push_back(missed.back());
                missedAt = -1;
            } else if (missedAt < 0 && sum && missed.size() < misses) {
                missed.push_back(fact);
                send(WM_TIMER, MainFrameWnd::DealTimer);
                remarks.push_back(wnd->Now().remarkText ? wnd->Now().remarkText : "");
                missedAt = now.regularDeals;
            } else {
                send(now.winner ? WM_KEYDOWN : WM_TIMER, now.winner ? VK_SPACE : MainFrameWnd::DealTimer);
            }
            if (missedAt >= 0 && wnd->Now().regularDeals - missedAt > Practice::ComesBackWithin) missedAt = -1;
            std::copy(std::begin(showing), std::end(showing), shown);
        }
    }
};

// Practice on, at the slow pace: each of three winners let go comes back within six cards, is
// answered right, and the remark after its miss was the fact; the next game, of a new program,
// brings them back in its first minute from the log.
TEST_F(GameCourse, PracticeBringsMissedFactsBackSoonAndInTheNextGame)
{
    // The games begin from an empty log, whatever ran before; the log is put back after.
    struct LogAside {
        const char *log = TracePath(), *kept = "C:\\TMP\\TRACE.QRV.kept";
        LogAside() { ::MoveFileExA(log, kept, MOVEFILE_REPLACE_EXISTING); }
        ~LogAside() { ::DeleteFileA(log), ::MoveFileA(kept, log); }
    } aside;
    wnd->GameSettings() = { OpAdd, 5, 17, PaceSlow, 1, 1 };
    Start(21);
    PracticeRun run, next;
    run.Play(wnd, 3, 600);
    ASSERT_EQ(run.missed.size(), 3u);
    EXPECT_EQ(run.cameBack, run.missed) << "each came back within six cards and was answered right";
    EXPECT_EQ(run.remarks, run.missed) << "the remark after each miss is the fact";
    // The child leaves in the middle of the game.
    wnd->DestroyWindow();
    wnd = new MainFrameWnd;
    wnd->GameSettings() = { OpAdd, 5, 17, PaceSlow, 1, 1 };
    Start(22);
    next.Play(wnd, 0, 60);
    for (const std::string& fact : run.missed)
        EXPECT_GE(std::count(next.firstMinuteSums.begin(), next.firstMinuteSums.end(), fact), 1) << fact;
    // The same game with practice off, for README's figures.
    wnd->DestroyWindow();
    wnd = new MainFrameWnd;
    wnd->GameSettings() = { OpAdd, 5, 17, PaceSlow, 1, 0 };
    Start(21);
    PracticeRun shuffled;
    shuffled.Play(wnd, 3, 600);
    std::printf("Missed on purpose, then back within six cards and answered: practice on %zu of %zu, "
                "practice off %zu of %zu\n",
                run.cameBack.size(), run.missed.size(), shuffled.cameBack.size(), shuffled.missed.size());
}

} // namespace
} // namespace game_testing
