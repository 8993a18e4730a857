// The main game window: the playing surface, the deal and the judgement of every card.
#pragma once
#include "CoolPushButton.h"
#include "CDC.h"
#include "Deck.h"
#include "GameClock.h"
#include "GameScene.h"
#include "PlayerChoice.h"
#include "RemarkSet.h"
#include "HelpDialog.h"
#include "ProgramText.h"
#include "Sound.h"
#include "iDC.h"
#include <mmsystem.h>
#include "iContrast.h"
#include "iFrameWnd.h"
#include "iButtonKeys.h"
#include "iModalCount.h"
#include "iPicture.h"
#include "iStaticEx.h"
#include "iToolTipCtrl.h"
#include <commctrl.h>
#include "Outcomes.h"
#include "Practice.h"
#include "Settings.h"
#include "Setup.h"
#include <ctime>
#include <vector>

class MainFrameWnd : public iFrameWnd {
public:
    enum { DealTimer = 1, RemarkTimer = 2 };
    // How long a remark shows, in milliseconds.
    enum { RemarkMillis = 2000 };
    enum { ButtonCount = 6 };
    // The command of the F1 key.
    enum { HelpCommand = 0x7F01 };

    MainFrameWnd();
    ~MainFrameWnd() override;

    // Is the card a winner against the two showing cards under the chosen operations?
    bool IsMatch(int left, int right, int card);
    // Puts the current card on the next stack and paints it at once.
    void DealCard(CDC* dc);

    void DoGameStart(CWnd* button);
    void OnSetup(CWnd* button);
    void OnAbout(CWnd* button);
    // Uploading shows the same About dialog.
    void OnUpload(CWnd* button) { OnAbout(button); }
    void OnHelp(CWnd*) { ShowModal<HelpDialog>(ProgramText(IDS_TITLE)); }
    void DoGameMatch();
    void DoGameSetup();
    void DoGameClose();
    void DoGamePace();
    // Stops the deal where it is, and lets it go on; paused time counts for nothing.
    void PauseGame();
    void ResumeGame();

    // Composes the whole scene off screen and copies it in one piece.
    void DrawScene(CDC* target);
    void DrawCard(CDC* dc, int side, int code, int dx, int dy) { m_scene.PaintCard(dc, side, code, dx, dy); }

    // Plays a sound of this module asynchronously; a new one cuts the last short.
    void PlayWave(const char* name)
    {
        if (m_settings.sounds) GamePlaySound(name, AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC);
    }
    // A random remark of the list in the balloon for two seconds, unless one shows and the
    // outcomes are heard; a text given shows in its place, in the list's area.
    void ShowRemark(const RemarkSet& list, const char* text = nullptr);
    void HideRemark();
    // The default beep of an answer or a refill, unless sounds are off.
    void Beep()
    {
        if (m_settings.sounds) ::MessageBeep(0);
    }
    // Whether an outcome replaces a remark still showing rather than going unseen.
    bool EveryOutcomeSeen() const { return !m_settings.sounds || iShowSounds(); }

    // The record the game reads; changed between games.
    Settings& GameSettings() { return m_settings; }
    iCDC* Canvas() const { return m_canvas; }
    iToolTipCtrl* Balloon() const { return m_balloon; }
    iStaticEx* VotesDisplay() const { return m_votes; }
    // The scene at the scale it is drawn at: the window's DPI, or less where that would not fit.
    const GameScene& Scene() const { return m_scene; }

    // The game at this moment, for those who watch it from outside: the tests and the bench.
    struct State {
        Setup* setup;
        const Deck& deck;
        const std::vector<DealtCard> (&stacks)[2];
        bool running, paused;
        int flag, votes;
        UINT interval;
        int stepPeriod, regularDeals, dealCount;
        bool winner; // the card last dealt
        bool remarkShowing;
        const char* remarkText;
        // Tab or an arrow key has moved the focus among the buttons since the last game ended,
        // and no click came since.
        bool keyChosen;
        // Who plays: the class preset's children, asked for at Start when there are any.
        PlayerChoice* players;
    };
    State Now() const;

    // Mouse messages reach the balloon before the message map.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // The balloon sees the mouse too.
        if (m_balloon) m_balloon->RelayMouse(m_hWnd, message, wParam, lParam);
        return iFrameWnd::WindowProc(message, wParam, lParam);
    }
    // Between games Enter is Start's unless the keyboard chose a button, and the space bar
    // presses only a button the keyboard chose.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnPaint()
    {
        iPaintDC dc(this);
        DrawScene(&dc);
    }
    // The scene covers the whole client area.
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnTimer(UINT_PTR id);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnDpiChanged(int dpi, const RECT* suggested);
    // Away from the window is paused; the click that brings it back is not an answer.
    void OnActivate(UINT state, CWnd* other, BOOL minimized)
    {
        // The window's own boxes (game over) take the activation too: they pause nothing.
        if (state == WA_INACTIVE && !m_modals.Any()) PauseGame();
        iFrameWnd::OnActivate(state, other, minimized);
    }
    int OnMouseActivate(CWnd*, UINT hitTest, UINT)
    {
        // The click that brings a game back only brings it back.
        if (m_startTime != 0 && hitTest == HTCLIENT) return MA_ACTIVATEANDEAT;
        return static_cast<int>(Default());
    }
    void OnHelpKey()
    {
        // Help is a button between games; during one F1 does nothing.
        if (m_startTime == 0 && !m_modals.Any()) OnHelp(this);
    }
    // The scene beneath a button, for its corners.
    LRESULT OnPrintClient(WPARAM dc, LPARAM);
    // While a box or dialog of the window is up the close waits for it.
    void OnClose()
    {
        if (m_modals.MayClose(m_hWnd)) iFrameWnd::OnClose();
    }
    DECLARE_MESSAGE_MAP()

private:
    // A dialog of the window, modal: a close asked for meanwhile waits for it.
    template <class Dialog, class... Args> void ShowModal(Args... args)
    {
        iModalCount::Scope modal(m_modals, m_hWnd);
        Dialog dialog(this, args...);
        dialog.DoModal();
    }
    void ShowButtons(bool show);
    // With a list of players, asks who plays and names the player in the log; false when the
    // child went back. Then marks a practice game in the log.
    bool OpenGame();
    // The whole scene at once, on the window.
    void RedrawScene()
    {
        iClientDC dc(this);
        DrawScene(&dc);
    }
    // Canvas, art, children and balloon at the scene's scale.
    void ApplyScale();
    void Refill();

    Settings m_settings;
    Setup* m_setup = nullptr;
    iCDC* m_canvas = nullptr;
    iPicture* m_background = nullptr;
    iPicture* m_cards[CardKinds] = {};
    iPicture* m_flag = nullptr;
    iToolTipCtrl* m_balloon = nullptr;
    TTTOOLINFOA m_balloonTool = {};
    UINT_PTR m_remarkTimer = 0;
    iStaticEx* m_votes = nullptr;
    CoolPushButton* m_buttons[ButtonCount] = {};

    Deck m_deck;
    int32_t m_currentCard = -1;
    std::vector<DealtCard> m_stacks[2];
    time_t m_startTime = 0;
    time_t m_lastStep = 0;
    int32_t m_stepPeriod = 60;
    UINT_PTR m_dealTimer = 0;
    UINT m_interval = 2000;
    int32_t m_busy = 0;
    int32_t m_regularDeals = 0;
    bool m_isWinner = false;
    int32_t m_dealCount = 0;
    int32_t m_totalVotes = 0;
    int32_t m_flagPos = StartFlag;
    int32_t m_answered = 0;
    bool m_paused = false;
    GamePause m_pause;
    iModalCount m_modals;
    iButtonKeys m_buttonKeys;
    Practice m_practice;

    // Art, places and painting at the scale; it draws the pictures above.
    GameScene m_scene;
    PlayerChoice* m_players = nullptr;
};
