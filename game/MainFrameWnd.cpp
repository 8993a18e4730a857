#include "MainFrameWnd.h"
#include "ProgramText.h"
#include "iCollectionDialog.h"
#include "iContrast.h"
#include "AboutDialog.h"
#include "ClassPreset.h"
#include "HelpDialog.h"
#include "GameClock.h"
#include "GameRules.h"
#include "MatchRule.h"
#include "Outcomes.h"
#include "Sound.h"
#include "Trace.h"
#include "TraceWords.h"
#include "VotarooVersion.h"
#include <mmsystem.h>
#include <algorithm>
#include <cstdlib>
#include <string>

#define GAME_TRACE(...) Trace(0, __FILE__, __LINE__, __VA_ARGS__)

namespace {
namespace words = trace_words;
const int ClientWidth = GameScene::ClientWidth, ClientHeight = GameScene::ClientHeight;
const DWORD FrameStyle = GameScene::FrameStyle;

// The buttons in their order: caption, command and handler; their places are the scene's. Exit
// needs no handler: its command closes the application.
const struct {
    UINT text;
    UINT id;
    void (MainFrameWnd::*handler)(CWnd*);
} buttonCommands[MainFrameWnd::ButtonCount] = {
    { IDS_START, 0xFFFF, &MainFrameWnd::DoGameStart }, { IDS_SETUP, 0xFFFF, &MainFrameWnd::OnSetup },
    { IDS_ABOUT, 0xFFFF, &MainFrameWnd::OnAbout },     { IDS_UPLOAD, 0xFFFF, &MainFrameWnd::OnUpload },
    { IDS_HELP, 0xFFFF, &MainFrameWnd::OnHelp },       { IDS_EXIT, ID_APP_EXIT, nullptr },
};

// Setup's dialog before the builder sizes it to its controls, in dialog units.
const RECT SetupPlace = { 0, 0, 400, 200 };
const DWORD SetupStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;

} // namespace

BEGIN_MESSAGE_MAP(MainFrameWnd, iFrameWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_DPICHANGED()
    ON_WM_ACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_COMMAND(HelpCommand, OnHelpKey)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

MainFrameWnd::MainFrameWnd()
    : iFrameWnd(nullptr, WindowRectForClient(0, 0, ClientWidth, ClientHeight, FrameStyle, FALSE), FrameStyle,
                ProgramText(IDS_TITLE)),
      m_deck(5, CardKinds), m_scene(this, GameScene::Pictures{ m_background, m_cards, m_flag })
{
    m_scene.FitNewWindow();
    CenterWindow();
    // The class preset gives the starting values, before the first sound, which it may silence.
    m_setup = new Setup(m_settings);
    m_players = new PlayerChoice(ClassPresetPlayers());
    ApplyClassPreset(m_settings);
    PlayWave("Begin");
    GameScene::LoadArt(m_background, m_cards, m_flag);
    m_balloon = new iToolTipCtrl(this, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON);
    // Children of the frame: its window set deletes them with it. The scale places them.
    m_votes = GameScene::NewVotesDisplay(this, ProgramText(IDS_VOTES));
    for (int i = 0; i < ButtonCount; ++i) {
        m_buttons[i] = new CoolPushButton(this, CRect(), WS_VISIBLE | WS_TABSTOP, ProgramText(buttonCommands[i].text),
                                          buttonCommands[i].id);
        if (buttonCommands[i].handler) m_buttons[i]->SetOnClick(this, buttonCommands[i].handler);
    }
    // The keyboard's focus starts on Start; the first activation hands it over.
    m_hWndFocus = m_buttons[0]->m_hWnd;
    // F1 opens Help wherever the focus is among the buttons.
    m_hAccelTable = KeyCommand(VK_F1, HelpCommand);
    std::srand(static_cast<unsigned>(GameClock(nullptr)));

    // The one tool of the balloon, tracked by hand; its text changes with every remark.
    m_balloon->AddTrackingTool(m_balloonTool, m_hWnd, ProgramText(IDS_BALLOON_PLACEHOLDER));
    ApplyScale();
}

MainFrameWnd::~MainFrameWnd()
{
    if (m_balloon && m_balloon->m_hWnd) m_balloon->DestroyWindow();
    delete m_balloon;
    m_balloon = nullptr;
    GameScene::DeleteArt(m_background, m_cards, m_flag);
    delete m_canvas;
    delete m_setup;
    delete m_players;
    if (m_hAccelTable) ::DestroyAcceleratorTable(m_hAccelTable);
}

bool MainFrameWnd::IsMatch(int left, int right, int card)
{
    GAME_TRACE(words::JudgeFormat, words::IsMatch, CardNames[left], CardNames[right], CardNames[card], left, right,
               card);
    if (card == WildCard || left == WildCard || right == WildCard) return true;
    const int ops = m_settings.operations;
    GAME_TRACE(words::ValuesFormat, words::IsMatch, CardValue(left), CardValue(right), CardValue(card),
               static_cast<unsigned long>(ops));
    // Traced as tried in the rule book's order; the one that wins ends the search and its trace.
    const Operation won = WinningOperation(ops, left, right, card);
    for (int op = Addition; op < ArithmeticOperations; ++op) {
        if (!(ops & OperationBit(static_cast<Operation>(op)))) continue;
        GAME_TRACE(words::TriedFormats[op], words::IsMatch, words::DivisionMark);
        if (op == won) return true;
    }
    GAME_TRACE(words::NoMatchFormat, words::IsMatch);
    return false;
}

MainFrameWnd::State MainFrameWnd::Now() const
{
    return State{ m_setup,     m_deck,       m_stacks,           m_startTime != 0,       m_paused,
                  m_flagPos,   m_totalVotes, m_interval,         m_stepPeriod,           m_regularDeals,
                  m_dealCount, m_isWinner,   m_remarkTimer != 0, m_balloonTool.lpszText, m_buttonKeys.Chosen(),
                  m_players };
}

void MainFrameWnd::DealCard(CDC* dc)
{
    const int side = m_dealCount % 2;
    const DealtCard card = PlaceOnStack(m_stacks[side], m_currentCard, m_regularDeals != 0, &std::rand);
    m_stacks[side].push_back(card);
    DrawCard(dc, side, card.code, card.dx, card.dy);
    ++m_dealCount;
}

// The dialog writes the record on OK; the handler leaves the outcome to it.
void MainFrameWnd::OnSetup(CWnd*)
{
    ShowModal<iCollectionDialog>(CRect(SetupPlace), SetupStyle, ProgramText(IDS_SETUP_CAPTION), -1, m_setup);
}

void MainFrameWnd::OnAbout(CWnd*)
{
    ShowModal<AboutDialog>(ProgramText(IDS_TITLE), VOTAROO_VERSION_MAJOR, VOTAROO_VERSION_MINOR, VOTAROO_VERSION_PATCH);
}

void MainFrameWnd::DoGameStart(CWnd*)
{
    if (m_startTime != 0 || !OpenGame()) return;
    m_deck.Reset(m_settings.copies, m_settings.highestCard + 1);
    for (std::vector<DealtCard>& stack : m_stacks) stack.clear();
    m_regularDeals = 0;
    m_isWinner = false;
    m_dealCount = 0;
    m_totalVotes = 0;
    m_flagPos = StartFlag;
    m_answered = 0;
    m_paused = false;

    iClientDC dc(this);
    DrawScene(&dc);
    for (int n = 0; n < 2; ++n) {
        m_currentCard = m_deck.Draw();
        if (m_currentCard >= 0) DealCard(&dc);
    }

    m_startTime = m_lastStep = GameClock(nullptr);
    m_stepPeriod = 60;
    m_interval = FirstInterval(m_settings.pace);
    // What the last games on this machine missed comes back in this one's first minute.
    m_practice.Start(m_settings, m_interval, TracePath());
    m_dealTimer = SetTimer(DealTimer, m_interval);
    m_busy = 0;
    m_buttonKeys.Forget();
    ShowButtons(false);
    // The keys answer now: they go to the window, not to a hidden button.
    SetFocus();
}

void MainFrameWnd::OnTimer(UINT_PTR id)
{
    if (id == RemarkTimer) {
        HideRemark();
        return;
    }
    if (id != DealTimer) {
        Default();
        return;
    }
    // A tick already queued when the game paused deals nothing.
    if (m_busy || m_paused) return;
    m_busy = 1;
    if (m_regularDeals != 0) DoGameClose();
    DoGameSetup();
    DoGamePace();
    m_busy = 0;
}

void MainFrameWnd::OnKeyDown(UINT key, UINT, UINT flags)
{
    // A key already down before this press (held, or held while the window came back) never
    // pauses or resumes.
    const bool fresh = !(flags & KF_REPEAT);
    if (m_startTime != 0 && (key == 'P' || key == VK_PAUSE)) {
        if (fresh) m_paused ? ResumeGame() : PauseGame();
    } else if (key == VK_SPACE && m_paused) {
        if (fresh) ResumeGame();
    } else if (key == VK_SPACE && m_startTime != 0 && m_regularDeals != 0) {
        // Auto-repeated presses count as well: each one is an answer.
        Beep();
        DoGameMatch();
    }
    Default();
}

void MainFrameWnd::OnLButtonDown(UINT, CPoint)
{
    if (m_paused) {
        ResumeGame();
    } else if (m_startTime != 0 && m_regularDeals != 0) {
        Beep();
        DoGameMatch();
    }
    Default();
}

void MainFrameWnd::PauseGame()
{
    if (m_startTime == 0 || m_paused) return;
    m_paused = true;
    m_pause.Begin(GameClock(nullptr));
    KillTimer(DealTimer);
    RedrawScene();
}

void MainFrameWnd::ResumeGame()
{
    if (!m_paused) return;
    m_paused = false;
    m_pause.End(GameClock(nullptr), m_startTime, m_lastStep);
    RedrawScene();
    // The card showing gets its whole interval again.
    if (m_startTime != 0) m_dealTimer = SetTimer(DealTimer, m_interval);
}

BOOL MainFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (iFrameWnd::PreTranslateMessage(msg)) return TRUE;
    // During a game every key is the game's; a box of the window has a loop of its own.
    if (m_startTime != 0 || m_modals.Any() || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
    // Start is the default button.
    const iButtonKeys::Verdict verdict = m_buttonKeys.Filter(*msg, m_buttons, ButtonCount);
    if (verdict == iButtonKeys::PressDefault) DoGameStart(m_buttons[0]);
    return verdict != iButtonKeys::Pass;
}

LRESULT MainFrameWnd::OnPrintClient(WPARAM dc, LPARAM)
{
    // The whole scene, the children's places included: the caller clips what it wants.
    if (!dc || !m_canvas) return 0;
    CDC* target = AfxTempDC(reinterpret_cast<HDC>(dc));
    m_scene.Paint(m_canvas, target, m_stacks, m_flagPos, m_paused ? ProgramText(IDS_PAUSED) : nullptr, nullptr, 0);
    AfxFreeTempDC(target);
    return 0;
}

void MainFrameWnd::DoGameMatch()
{
    GAME_TRACE(words::AnswerFormat, words::DoGameMatch);
    m_answered = 1;
    if (!m_busy) {
        m_busy = 1;
        DoGameClose();
        DoGameSetup();
        DoGamePace();
        m_busy = 0;
    }
    m_answered = 0;
}

void MainFrameWnd::DoGameSetup()
{
    const int left = m_stacks[0].empty() ? -1 : m_stacks[0].back().code;
    const int right = m_stacks[1].empty() ? -1 : m_stacks[1].back().code;
    // Practice may choose the card; the one after a game over is drawn.
    m_currentCard = m_startTime ? m_practice.Deal(m_deck, m_dealCount % 2, left, right) : m_deck.Draw();
    // Only the deal after a game-ending judgement can find the deck dry: it deals nothing.
    if (m_currentCard < 0) return;
    m_isWinner = left >= 0 && right >= 0 && IsMatch(left, right, m_currentCard);
    GAME_TRACE(words::VerdictFormat, words::DoGameSetup, m_isWinner ? words::Yes : words::No);
    iClientDC dc(this);
    DealCard(&dc);
    ++m_regularDeals;
}

void MainFrameWnd::DoGameClose()
{
    const int oldFlag = m_flagPos;
    const time_t now = GameClock(nullptr);
    const int votes = CorrectVotes(m_settings.highestCard, m_deck.Copies(), now - m_startTime, m_settings.operations);

    // Correct, missed or wrong: its line, its step of the flag, its sound and its remarks; a card
    // that is no winner and was let go is none of them.
    const int outcome = m_isWinner ? (m_answered ? Correct : Missed) : (m_answered ? Wrong : -1);
    if (outcome >= 0) {
        GAME_TRACE(words::OutcomeFormat, words::DoGameClose, words::Outcomes[outcome]);
        m_flagPos = FlagAfter(m_flagPos, static_cast<Outcome>(outcome));
        if (outcome == Correct) m_totalVotes += votes;
        PlayWave(OutcomeVoices[outcome].sound);
        // With practice, a miss shows the right fact instead of a taunt.
        ShowRemark(*OutcomeVoices[outcome].remarks, m_practice.Judged(static_cast<Outcome>(outcome)));
    }
    if (GameOver(m_flagPos)) {
        KillTimer(DealTimer);
        PlayWave("End");
        CString title;
        GetWindowText(title);
        {
            iModalCount::Scope modal(m_modals, m_hWnd);
            MessageBox(ProgramText(IDS_GAME_OVER), title, MB_OK);
        }
        m_startTime = 0;
        m_paused = false;
        ShowButtons(true);
        return;
    }
    m_votes->SetWindowText(std::to_string(m_totalVotes).c_str());
    if (m_deck.Remaining() == 0) {
        Refill();
    } else if (m_flagPos != oldFlag) {
        RedrawScene();
    }
    m_answered = 0;
}

void MainFrameWnd::Refill()
{
    // Up to 180 lines: written in one go, or the deal would stall for frames.
    TraceBatch batch;
    for (int side = 0; side < 2; ++side)
        for (size_t i = 0; i < m_stacks[side].size(); ++i)
            batch.Add(0, __FILE__, __LINE__, words::StackFormats[side], static_cast<int>(i + 1),
                      CardNames[m_stacks[side][i].code]);
    batch.Flush();
    m_deck.Reset(m_settings.copies, m_settings.highestCard + 1);
    // Each stack keeps its top card.
    for (std::vector<DealtCard>& stack : m_stacks)
        if (!stack.empty()) stack.erase(stack.begin(), stack.end() - 1);
    RedrawScene();
    Beep();
}

void MainFrameWnd::ShowRemark(const RemarkSet& list, const char* text)
{
    if (!m_balloon) return;
    if (m_remarkTimer != 0) {
        // The remark showing keeps its two seconds, unless every outcome must be seen: then the
        // new one takes its place.
        if (!EveryOutcomeSeen()) return;
        HideRemark();
    }
    RemarkPick pick;
    if (!PickRemark(list, &std::rand, pick)) return;
    CPoint at = m_scene.Scaled(CPoint(pick.x, pick.y));
    ClientToScreen(&at);
    m_balloon->Track(m_balloonTool, at, text ? text : ProgramText(pick.text));
    m_remarkTimer = SetTimer(RemarkTimer, RemarkMillis);
}

void MainFrameWnd::HideRemark()
{
    if (m_remarkTimer == 0) return;
    KillTimer(RemarkTimer);
    if (m_balloon) m_balloon->Untrack(m_balloonTool);
    m_remarkTimer = 0;
}

void MainFrameWnd::DoGamePace()
{
    if (m_startTime == 0) return;
    const time_t now = GameClock(nullptr);
    DealPace pace{ m_interval, m_stepPeriod };
    if (m_settings.pace == PaceFaster && StepPace(pace, now - m_lastStep)) {
        m_interval = pace.interval;
        m_stepPeriod = pace.period;
        m_lastStep = now;
    }
    // Replaces the running timer, so the full interval begins after every deal.
    m_dealTimer = SetTimer(DealTimer, m_interval);
}

void MainFrameWnd::ShowButtons(bool show)
{
    // Between games as at the start: no focus mark until the keyboard is used, no button chosen
    // by it, the focus on Start.
    if (show) {
        m_buttonKeys.Forget();
        SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    }
    for (CoolPushButton* button : m_buttons)
        if (button) button->ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show && m_buttons[0]) m_buttons[0]->SetFocus();
    // The caption names the player during a game and is the title between games.
    if (m_players->Any()) SetWindowText(show ? CString(ProgramText(IDS_TITLE)) : m_players->Caption());
}

void MainFrameWnd::DrawScene(CDC* target)
{
    CWnd* children[1 + ButtonCount] = { m_votes };
    std::copy(std::begin(m_buttons), std::end(m_buttons), children + 1);
    m_scene.Paint(m_canvas, target, m_stacks, m_flagPos, m_paused ? ProgramText(IDS_PAUSED) : nullptr, children,
                  1 + ButtonCount);
}

void MainFrameWnd::ApplyScale()
{
    m_scene.Rescale(m_canvas);
    m_scene.PlaceVotes(m_votes, ProgramText(IDS_VOTES));
    m_scene.PlaceButtons(m_buttons, ButtonCount);
    if (m_balloon)
        m_balloon->FitTrackingTool(m_balloonTool, m_scene.ClientRect(), m_scene.Scaled(iToolTipCtrl::MaxTipWidth()));
}

void MainFrameWnd::OnDpiChanged(int dpi, const RECT* suggested)
{
    if (dpi <= 0) return;
    m_scene.FollowDpi(dpi, suggested);
    ApplyScale();
    Invalidate(FALSE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Last in the file: trace lines name their source line, and a game without players or practice
// writes the lines it always wrote.
bool MainFrameWnd::OpenGame()
{
    if (m_players->Any()) {
        iModalCount::Scope modal(m_modals, m_hWnd);
        if (!m_players->Ask(this)) return false;
        GAME_TRACE(words::PlayerFormat, words::DoGameStart, m_players->Current().c_str());
    }
    // The report tells practice games from shuffled ones by this line.
    if (m_settings.practice) GAME_TRACE(words::PracticeFormat, words::DoGameStart);
    return true;
}
