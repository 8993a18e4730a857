#include "MainFrameWnd.h"
#include "ProgramText.h"
#include "iCollectionDialog.h"
#include "AboutDialog.h"
#include "HelpDialog.h"
#include "GameClock.h"
#include "Sound.h"
#include "Trace.h"
#include "VotarooVersion.h"
#include <mmsystem.h>
#include <cstddef>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

#define GAME_TRACE(...) Trace(0, __FILE__, __LINE__, __VA_ARGS__)

namespace {
const int ClientWidth = 640;
const int ClientHeight = 480;
const DWORD FrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
const int CardWidth = 136;
const int CardHeight = 200;
// The white margin between a card's outline and its face.
const int FaceMargin = 12;
// The flag as it rides the staff at 96 DPI.
const int FlagWidth = 30;
const int FlagHeight = 22;
const RECT votesPlace = { 50, 45, 110, 65 };

struct ButtonPlace {
    UINT text;
    RECT rect;
    UINT id;
};
const ButtonPlace buttonPlaces[MainFrameWnd::ButtonCount] = {
    { IDS_START, { 540, 20, 620, 50 }, 0xFFFF },
    { IDS_SETUP, { 540, 60, 620, 90 }, 0xFFFF },
    { IDS_ABOUT, { 540, 100, 620, 130 }, 0xFFFF },
    { IDS_UPLOAD, { 540, 140, 620, 170 }, 0xFFFF },
    { IDS_HELP, { 540, 180, 620, 210 }, 0xFFFF },
    { IDS_EXIT, { 540, 430, 620, 460 }, ID_APP_EXIT },
};

// The tool description of the oldest common controls the balloon needs.
static_assert(sizeof(void*) != 4 || offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM) == 44, "balloon tool size");

const char isMatchName[] = "MainFrameWnd::IsMatch";
const char closeName[] = "MainFrameWnd::DoGameClose";
}

BEGIN_MESSAGE_MAP(MainFrameWnd, iFrameWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

// Marks a modal box or dialog of the window; a close asked for meanwhile follows it.
class MainFrameWnd::ModalScope {
public:
    explicit ModalScope(MainFrameWnd* owner) : m_owner(owner) { ++m_owner->m_modal; }
    ~ModalScope()
    {
        if (--m_owner->m_modal == 0 && m_owner->m_closePending) {
            m_owner->m_closePending = false;
            m_owner->PostMessage(WM_CLOSE);
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    MainFrameWnd* m_owner;
};

void MainFrameWnd::OnClose()
{
    if (m_modal == 0) {
        iFrameWnd::OnClose();
        return;
    }
    // Close the box or dialog first; the window follows once it has returned.
    m_closePending = true;
    HWND popup = ::GetLastActivePopup(m_hWnd);
    if (popup && popup != m_hWnd) ::PostMessageA(popup, WM_CLOSE, 0, 0);
}

MainFrameWnd::MainFrameWnd()
    : iFrameWnd(nullptr, WindowRectForClient(0, 0, ClientWidth, ClientHeight, FrameStyle, FALSE), FrameStyle,
                ProgramText(IDS_TITLE)),
      m_deck(5, CardKinds)
{
    // Made at 96 DPI; then sized for the DPI of the monitor it is on, as far as that fits.
    if (m_hWnd) {
        CRect window;
        GetWindowRect(&window);
        m_windowDpi = iScale::DpiOf(m_hWnd);
        m_scale = iScale(FittingDpi(m_windowDpi, window));
        if (!m_scale.IsUnit()) {
            const CRect r = iScale::WindowRectForClient(0, 0, m_scale(ClientWidth), m_scale(ClientHeight), FrameStyle,
                                                        m_windowDpi);
            SetWindowPos(nullptr, 0, 0, r.Width(), r.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    CenterWindow();
    PlayWave("Begin");
    m_setup = new Setup(m_settings);
    ApplyScale();
    // A picture missing from the module stays empty and paints nothing.
    m_background = new iPicture(AfxGetResourceHandle(), "White House");
    for (int code = 0; code < CardKinds; ++code) m_cards[code] = new iPicture(AfxGetResourceHandle(), CardNames[code]);
    m_flag = new iPicture(AfxGetResourceHandle(), "Flag");
    PrepareArt();
    m_balloon = new iToolTipCtrl(this, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON);
    m_remarkTimer = 0;

    // Children of the frame: its window set deletes them with it.
    m_votes = new iStaticEx(this, m_scale(votesPlace), WS_VISIBLE, ProgramText(IDS_VOTES));
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[i] = new CoolPushButton(this, m_scale(buttonPlaces[i].rect), WS_VISIBLE, ProgramText(buttonPlaces[i].text),
                                          buttonPlaces[i].id);

    for (CoolPushButton* button : m_buttons) {
        button->SetFont(static_cast<HFONT>(m_buttonFont.m_hObject));
        button->SetCorner(m_scale(20));
    }
    PlaceButtons();
    m_votes->SetTextColor(RGB(0, 0, 255));
    m_votes->SetFont(-m_scale(18), "MS Serif");
    m_votes->SetFormat(DT_RIGHT);
    PlaceVotes();
    // Exit needs no handler: its command closes the application.
    m_buttons[0]->SetOnClick(this, &MainFrameWnd::DoGameStart);
    m_buttons[1]->SetOnClick(this, &MainFrameWnd::OnSetup);
    m_buttons[2]->SetOnClick(this, &MainFrameWnd::OnAbout);
    m_buttons[3]->SetOnClick(this, &MainFrameWnd::OnUpload);
    m_buttons[4]->SetOnClick(this, &MainFrameWnd::OnHelp);

    std::srand(static_cast<unsigned>(GameClock(nullptr)));

    // The one tool of the balloon, tracked by hand; its text changes with every remark.
    m_balloonTool.cbSize = TTTOOLINFOA_V2_SIZE;
    m_balloonTool.uFlags = TTF_TRACK | TTF_TRANSPARENT;
    m_balloonTool.hwnd = m_hWnd;
    m_balloonTool.uId = 0;
    m_balloonTool.rect = CRect(0, 0, m_scale(ClientWidth), m_scale(ClientHeight));
    m_balloonTool.hinst = nullptr;
    m_balloonTool.lpszText = const_cast<char*>(ProgramText(IDS_BALLOON_PLACEHOLDER));
    if (m_balloon->m_hWnd) {
        m_balloon->AddTool(&m_balloonTool);
        m_balloon->SetMaxTipWidth(m_scale(iToolTipCtrl::MaxTipWidth()));
        // Off between remarks: under Wine relayed mouse moves would pop the tracking tool up.
        m_balloon->Activate(FALSE);
    }
}

MainFrameWnd::~MainFrameWnd()
{
    if (m_balloon && m_balloon->m_hWnd) m_balloon->DestroyWindow();
    delete m_balloon;
    m_balloon = nullptr;
    delete m_flag;
    delete m_flag2x;
    for (iPicture*& card : m_cards) {
        delete card;
        card = nullptr;
    }
    for (iPicture*& card : m_cards2x) {
        delete card;
        card = nullptr;
    }
    delete m_background;
    delete m_background2x;
    delete m_layer;
    delete m_canvas;
    delete m_setup;
    m_setup = nullptr;
    m_stacks[0].clear();
    m_stacks[1].clear();
}

bool MainFrameWnd::IsMatch(int left, int right, int card)
{
    GAME_TRACE("%s : %s %s %s (%d, %d, %d)", isMatchName, CardNames[left], CardNames[right], CardNames[card], left,
               right, card);
    if (card == WildCard || left == WildCard || right == WildCard) return true;

    const int x = left - 1;
    const int y = right - 1;
    const int z = card - 1;
    const int ops = m_settings.operations;
    GAME_TRACE("%s : %d %d %d (%04lX)", isMatchName, x, y, z, static_cast<unsigned long>(ops));
    if (ops & OpAdd) {
        GAME_TRACE("%s +", isMatchName);
        if (x + y == z) return true;
    }
    if (ops & OpSubtract) {
        GAME_TRACE("%s -", isMatchName);
        if (x - y == z || y - x == z) return true;
    }
    if (ops & OpMultiply) {
        GAME_TRACE("%s *", isMatchName);
        if (x * y == z) return true;
    }
    if (ops & OpDivide) {
        GAME_TRACE("%s / %lX", isMatchName, 2UL);
        // The larger value is the dividend; a zero is never divided by.
        if (y != 0 && x >= y && x / y == z && x % y == 0) return true;
        if (x != 0 && y >= x && y / x == z && y % x == 0) return true;
    }
    GAME_TRACE("%s NO!", isMatchName);
    return false;
}

void MainFrameWnd::DealCard(CDC* dc)
{
    const int side = m_dealCount % 2;
    int dx = 0;
    int dy = 0;
    if (m_regularDeals != 0) {
        dx = std::rand() % 11 - 5;
        dy = std::rand() % 11 - 5;
    }
    std::vector<DealtCard>& stack = m_stacks[side];
    // An identical card never covers its twin exactly: it leans away from the one beneath.
    if (!stack.empty() && stack.back().code == m_currentCard) {
        dx = stack.back().dx < 0 ? 10 : -10;
        dy = stack.back().dy < 0 ? 10 : -10;
    }
    stack.push_back(DealtCard{ m_currentCard, dx, dy });
    DrawCard(dc, side, m_currentCard, dx, dy);
    ++m_dealCount;
}

void MainFrameWnd::OnSetup(CWnd*)
{
    // The dialog writes the record on OK; the handler leaves the outcome to it.
    ModalScope modal(this);
    iCollectionDialog* dialog = new iCollectionDialog(
        this, CRect(0, 0, 400, 200), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK, ProgramText(IDS_SETUP_CAPTION), -1,
        m_setup);
    dialog->DoModal();
    delete dialog;
}

void MainFrameWnd::OnAbout(CWnd*)
{
    ModalScope modal(this);
    AboutDialog* dialog = new AboutDialog(this, ProgramText(IDS_TITLE), VOTAROO_VERSION_MAJOR, VOTAROO_VERSION_MINOR,
                                            VOTAROO_VERSION_PATCH);
    dialog->DoModal();
    delete dialog;
}

// Uploading shows the same About dialog.
void MainFrameWnd::OnUpload(CWnd* button) { OnAbout(button); }

void MainFrameWnd::OnHelp(CWnd*)
{
    ModalScope modal(this);
    HelpDialog* dialog = new HelpDialog(this, ProgramText(IDS_TITLE));
    dialog->DoModal();
    delete dialog;
}

void MainFrameWnd::DoGameStart(CWnd*)
{
    if (m_startTime != 0) return;
    m_deck.Reset(m_settings.copies, m_settings.highestCard + 1);
    m_stacks[0].clear();
    m_stacks[1].clear();
    m_regularDeals = 0;
    m_isWinner = false;
    m_dealCount = 0;
    m_totalVotes = 0;
    m_flagPos = 2;
    m_answered = 0;

    iClientDC dc(this);
    DrawScene(&dc);
    for (int n = 0; n < 2; ++n) {
        m_currentCard = m_deck.Draw();
        if (m_currentCard >= 0) DealCard(&dc);
    }

    m_startTime = m_lastStep = GameClock(nullptr);
    m_stepPeriod = 60;
    m_interval = 2000;
    m_dealTimer = SetTimer(DealTimer, m_interval);
    m_busy = 0;
    ShowButtons(false);
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
    if (m_busy) return;
    m_busy = 1;
    if (m_regularDeals != 0) DoGameClose();
    DoGameSetup();
    DoGamePace();
    m_busy = 0;
}

void MainFrameWnd::OnKeyDown(UINT key, UINT, UINT)
{
    // Auto-repeated presses count as well: each one is an answer.
    if (key == VK_SPACE && m_startTime != 0 && m_regularDeals != 0) {
        ::MessageBeep(0);
        DoGameMatch();
    }
    Default();
}

void MainFrameWnd::OnLButtonDown(UINT, CPoint)
{
    if (m_startTime != 0 && m_regularDeals != 0) {
        ::MessageBeep(0);
        DoGameMatch();
    }
    Default();
}

void MainFrameWnd::DoGameMatch()
{
    GAME_TRACE("MainFrameWnd::DoGameMatch");
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
    m_currentCard = m_deck.Draw();
    // Only the deal after a game-ending judgement can find the deck dry: it deals nothing.
    if (m_currentCard < 0) return;
    const int left = m_stacks[0].empty() ? -1 : m_stacks[0].back().code;
    const int right = m_stacks[1].empty() ? -1 : m_stacks[1].back().code;
    m_isWinner = left >= 0 && right >= 0 && IsMatch(left, right, m_currentCard);
    GAME_TRACE("%s ismatch? %s", "MainFrameWnd::DoGameSetup", m_isWinner ? "YES" : "NO");
    iClientDC dc(this);
    DealCard(&dc);
    ++m_regularDeals;
}

void MainFrameWnd::DoGameClose()
{
    const int oldFlag = m_flagPos;
    const time_t now = GameClock(nullptr);
    const int votes = m_settings.highestCard / 2 + m_deck.Copies() / 2 +
                      2 * static_cast<int>((now - m_startTime) / 60) + m_settings.operations;

    if (m_isWinner && m_answered) {
        GAME_TRACE("%s CORRECT", closeName);
        if (m_flagPos < 8) ++m_flagPos;
        m_totalVotes += votes;
        PlayWave("Scoring");
        ShowRemark(CorrectRemarks);
    } else if (m_isWinner) {
        GAME_TRACE("%s MISSED", closeName);
        --m_flagPos;
        PlayWave("Missing");
        ShowRemark(MissedRemarks);
    } else if (m_answered) {
        GAME_TRACE("%s WRONG", closeName);
        m_flagPos -= 2;
        PlayWave("Mistaken");
        ShowRemark(WrongRemarks);
    }

    if (m_flagPos < 0) {
        KillTimer(DealTimer);
        PlayWave("End");
        CString title;
        GetWindowText(title);
        {
            ModalScope modal(this);
            MessageBox(ProgramText(IDS_GAME_OVER), title, MB_OK);
        }
        m_startTime = 0;
        ShowButtons(true);
        return;
    }

    char text[16];
    std::snprintf(text, sizeof text, "%d", m_totalVotes);
    m_votes->SetWindowText(text);
    if (m_deck.Remaining() == 0) {
        Refill();
    } else if (m_flagPos != oldFlag) {
        iClientDC dc(this);
        DrawScene(&dc);
    }
    m_answered = 0;
}

void MainFrameWnd::Refill()
{
    for (size_t i = 0; i < m_stacks[0].size(); ++i)
        GAME_TRACE("Left  [ %2d ] = %s", static_cast<int>(i + 1), CardNames[m_stacks[0][i].code]);
    for (size_t i = 0; i < m_stacks[1].size(); ++i)
        GAME_TRACE("Right [ %2d ] = %s", static_cast<int>(i + 1), CardNames[m_stacks[1][i].code]);
    m_deck.Reset(m_settings.copies, m_settings.highestCard + 1);
    for (std::vector<DealtCard>& stack : m_stacks) {
        if (stack.empty()) continue;
        const DealtCard top = stack.back();
        stack.clear();
        stack.push_back(top);
    }
    iClientDC dc(this);
    DrawScene(&dc);
    ::MessageBeep(0);
}

void MainFrameWnd::PlayWave(const char* name)
{
    GamePlaySound(name, AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC);
}

void MainFrameWnd::ShowRemark(const RemarkSet& list)
{
    if (m_remarkTimer != 0) return; // the remark showing keeps its two seconds
    if (!m_balloon || list.count <= 0 || list.width <= 0 || list.height <= 0) return;
    CPoint at;
    at.x = m_scale(list.x + std::rand() % list.width);
    at.y = m_scale(list.y + std::rand() % list.height);
    ClientToScreen(&at);
    const int index = std::rand() % list.count;
    m_balloonTool.lpszText = const_cast<char*>(ProgramText(list.first + index));
    m_balloon->SetToolInfo(&m_balloonTool);
    m_balloon->Activate(TRUE);
    m_balloon->SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    m_balloon->SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_balloonTool));
    m_balloon->ShowWindow(SW_SHOWNA);
    m_remarkTimer = SetTimer(RemarkTimer, 2000);
}

void MainFrameWnd::HideRemark()
{
    if (m_remarkTimer == 0) return;
    KillTimer(RemarkTimer);
    if (m_balloon) {
        m_balloon->SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_balloonTool));
        m_balloon->Activate(FALSE);
    }
    m_remarkTimer = 0;
}

LRESULT MainFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (m_balloon && m_balloon->m_hWnd) {
            MSG relay = {};
            relay.hwnd = m_hWnd;
            relay.message = message;
            relay.wParam = wParam;
            relay.lParam = lParam;
            m_balloon->RelayEvent(&relay);
        }
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return iFrameWnd::WindowProc(message, wParam, lParam);
}

void MainFrameWnd::DoGamePace()
{
    if (m_startTime == 0) return;
    const time_t now = GameClock(nullptr);
    if (now - m_lastStep > m_stepPeriod) {
        if (m_interval > 1000) {
            m_interval -= 200;
            m_stepPeriod = 60;
        } else if (m_interval > 500) {
            m_interval -= 100;
            m_stepPeriod = 45;
        } else if (m_interval > 100) {
            m_interval -= 10;
            m_stepPeriod = 30;
        } else if (m_interval > 10) {
            m_interval -= 5;
            m_stepPeriod = 15;
        } else if (m_interval > 0) {
            m_interval -= 1;
            m_stepPeriod = 10;
        }
        m_lastStep = now;
    }
    // Replaces the running timer, so the full interval begins after every deal.
    m_dealTimer = SetTimer(DealTimer, m_interval);
}

void MainFrameWnd::ShowButtons(bool show)
{
    for (CoolPushButton* button : m_buttons)
        if (button) button->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void MainFrameWnd::OnPaint()
{
    iPaintDC dc(this);
    DrawScene(&dc);
}

BOOL MainFrameWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // the scene covers the whole client area
}

void MainFrameWnd::DrawScene(CDC* target)
{
    if (!m_canvas || !target) return;
    const CSize backgroundSize =
        m_background && m_background->IsOpaque() ? m_background->NaturalSize(*m_canvas) : CSize(0, 0);
    const int width = m_scale(ClientWidth);
    const int height = m_scale(ClientHeight);
    const iPicture* scene = SceneArt();
    // The picture at its own size at 96 DPI, stretched to the scale at any other.
    const auto drawBackground = [this, scene, width, height](CDC* dc) {
        if (m_scale.IsUnit()) scene->Draw(*dc);
        else scene->Draw(*dc, CRect(0, 0, width, height));
    };
    if (backgroundSize.cx >= ClientWidth && backgroundSize.cy >= ClientHeight && scene && scene->IsOpaque()) {
        // The background hides what the canvas held, so the kept composition is the same picture.
        if (!m_layer) {
            m_layer = new SceneLayer(m_canvas, width, height);
            if (!m_scale.IsUnit()) SmoothStretch(m_layer->Canvas());
        }
        CRect client;
        GetClientRect(&client);
        m_layer->Update(
            m_stacks, client.Height(), drawBackground,
            [this](CDC* dc, int side, const DealtCard& card) { DrawCard(dc, side, card.code, card.dx, card.dy); },
            [this](int side, const DealtCard& card) { return CardRect(side, card.dx, card.dy); });
        m_layer->CopyTo(m_canvas);
    } else {
        if (scene && scene->IsLoaded()) drawBackground(m_canvas);
        for (int side = 0; side < 2; ++side)
            for (const DealtCard& card : m_stacks[side]) DrawCard(m_canvas, side, card.code, card.dx, card.dy);
    }
    const iPicture* flag = FlagArt();
    if (flag && flag->IsLoaded()) {
        const CPoint at(312, 110 - 8 * m_flagPos);
        if (m_scale.IsUnit()) flag->Draw(*m_canvas, at);
        else flag->Draw(*m_canvas, CRect(m_scale(at), FlagSize()));
    }
    // The frame does not clip its children, so keep the copy off the visible ones.
    const int saved = ::SaveDC(*target);
    CWnd* children[1 + ButtonCount] = { m_votes };
    for (int i = 0; i < ButtonCount; ++i) children[1 + i] = m_buttons[i];
    for (CWnd* child : children) {
        if (!child || !child->m_hWnd || !child->IsWindowVisible()) continue;
        CRect place;
        child->GetWindowRect(&place);
        ScreenToClient(&place);
        ::ExcludeClipRect(*target, place.left, place.top, place.right, place.bottom);
    }
    m_canvas->CopyTo(target, SRCCOPY);
    ::RestoreDC(*target, saved);
}

CRect MainFrameWnd::CardRect(int side, int dx, int dy) const
{
    // The client height is taken from the window at that moment, in 96-DPI pixels.
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    const int left = (side == 0 ? 152 : 328) + dx;
    const int top = m_scale.Unscale(client.Height()) - 220 + dy;
    // Placed at the scale but sized once, so every card's face has the size its art was made at.
    return CRect(m_scale(CPoint(left, top)), CSize(m_scale(CardWidth), m_scale(CardHeight)));
}

const iPicture* MainFrameWnd::CardArt(int code) const
{
    if (code < 0 || code >= CardKinds) return nullptr;
    return Art(m_cards[code], m_cards2x[code]);
}

const iPicture* MainFrameWnd::Art(const iPicture* normal, const iPicture* large) const
{
    // Scaled down from twice the size, never blown up from the 96-DPI pixels.
    return m_scale.Dpi() > 96 && large && large->IsLoaded() ? large : normal;
}

CSize MainFrameWnd::FaceSize() const
{
    return CSize(m_scale(CardWidth - 2 * FaceMargin), m_scale(CardHeight - 2 * FaceMargin));
}

CSize MainFrameWnd::FlagSize() const { return CSize(m_scale(FlagWidth), m_scale(FlagHeight)); }

void MainFrameWnd::PrepareArt()
{
    if (!m_canvas) return;
    if (m_scale.Dpi() > 96 && !m_flag2x) {
        HINSTANCE module = AfxGetResourceHandle();
        m_background2x = new iPicture(module, "White House@2x");
        for (int code = 0; code < CardKinds; ++code)
            m_cards2x[code] = new iPicture(module, (std::string(CardNames[code]) + "@2x").c_str());
        m_flag2x = new iPicture(module, "Flag@2x");
    }
    for (int code = 0; code < CardKinds; ++code)
        if (const iPicture* card = CardArt(code)) card->Prepare(*m_canvas, FaceSize());
    if (const iPicture* scene = SceneArt())
        scene->Prepare(*m_canvas, m_scale.IsUnit() ? scene->NaturalSize(*m_canvas)
                                                   : CSize(m_scale(ClientWidth), m_scale(ClientHeight)));
    if (const iPicture* flag = FlagArt())
        flag->Prepare(*m_canvas, m_scale.IsUnit() ? flag->NaturalSize(*m_canvas) : FlagSize());
}

void MainFrameWnd::DrawCard(CDC* dc, int side, int code, int dx, int dy)
{
    if (!dc || code < 0 || code >= CardKinds) return;
    const CRect card = CardRect(side, dx, dy);
    if (m_scale.IsUnit()) {
        dc->RoundRect(card.left, card.top, card.right, card.bottom, 20, 20);
    } else {
        // The outline as thick at the scale as the one pixel at 96 DPI.
        CPen pen(PS_SOLID, m_scale(1), RGB(0, 0, 0));
        CScopedSelect outline(*dc, pen.m_hObject);
        dc->RoundRect(card.left, card.top, card.right, card.bottom, m_scale(20), m_scale(20));
    }
    const CRect face(CPoint(card.left + m_scale(FaceMargin), card.top + m_scale(FaceMargin)), FaceSize());
    const iPicture* picture = CardArt(code);
    if (picture && picture->IsLoaded()) picture->Draw(*dc, face);
}

int MainFrameWnd::FittingDpi(int dpi, const RECT& place) const
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) return dpi;
    const CRect work(monitor.rcWork);
    // Never below half of 96 DPI: a smaller game is no longer one to play.
    for (int fit = dpi; fit > 48; --fit) {
        const iScale scale(fit);
        const CRect r = iScale::WindowRectForClient(0, 0, scale(ClientWidth), scale(ClientHeight), FrameStyle, dpi);
        if (r.Width() <= work.Width() && r.Height() <= work.Height()) return fit;
    }
    return std::min(dpi, 48);
}

void MainFrameWnd::SmoothStretch(CDC* dc)
{
    ::SetStretchBltMode(*dc, HALFTONE);
    ::SetBrushOrgEx(*dc, 0, 0, nullptr);
}

void MainFrameWnd::ApplyScale()
{
    const int width = m_scale(ClientWidth);
    const int height = m_scale(ClientHeight);
    delete m_layer;
    m_layer = nullptr;
    delete m_canvas;
    {
        iClientDC dc(this);
        m_canvas = new iCDC(&dc, CRect(0, 0, width, height));
        // A new bitmap holds whatever memory it got; without a background that would show.
        m_canvas->FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
    }
    // Pictures stretched past 96 DPI are smoothed, not blown up pixel by pixel.
    if (!m_scale.IsUnit()) SmoothStretch(m_canvas);
    if (m_votes) {
        m_votes->SetFont(-m_scale(18), "MS Serif");
        PlaceVotes();
    }
    m_buttonFont.DeleteObject();
    if (!m_scale.IsUnit())
        m_buttonFont.CreateFont(m_scale(16), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma");
    for (int i = 0; i < ButtonCount; ++i) {
        if (!m_buttons[i]) continue;
        m_buttons[i]->SetFont(static_cast<HFONT>(m_buttonFont.m_hObject));
        m_buttons[i]->SetCorner(m_scale(20));
    }
    PlaceButtons();
    if (m_balloon && m_balloon->m_hWnd) {
        m_balloonTool.rect = CRect(0, 0, width, height);
        m_balloon->SetToolInfo(&m_balloonTool);
        m_balloon->SetMaxTipWidth(m_scale(iToolTipCtrl::MaxTipWidth()));
    }
    PrepareArt();
}

void MainFrameWnd::PlaceVotes()
{
    // Right-aligned, so a longer word than "Votes" before the first game widens it to the left.
    CRect r = m_scale(votesPlace);
    if (m_votes->font.m_hObject) {
        iClientDC dc(m_votes);
        CScopedSelect select(dc.m_hDC, m_votes->font.m_hObject);
        SIZE need{};
        const char* label = ProgramText(IDS_VOTES);
        ::GetTextExtentPoint32A(dc.m_hDC, label, lstrlenA(label), &need);
        r.left = std::max(m_scale(4), std::min<int>(r.left, r.right - need.cx - m_scale(4)));
    }
    m_votes->MoveWindow(r, FALSE);
}

void MainFrameWnd::PlaceButtons()
{
    // A caption longer than a button, as some languages have, widens every button to the
    // left by the same amount: the column keeps its right edge and one width.
    const int widen = ButtonWiden();
    for (int i = 0; i < ButtonCount; ++i) {
        if (!m_buttons[i]) continue;
        CRect r = m_scale(buttonPlaces[i].rect);
        r.left -= widen;
        m_buttons[i]->MoveWindow(r, FALSE);
    }
}

int MainFrameWnd::ButtonWiden()
{
    iClientDC dc(this);
    int widest = 0;
    for (int i = 0; i < ButtonCount; ++i) {
        if (!m_buttons[i]) continue;
        HGDIOBJ font = m_buttons[i]->Font() ? static_cast<HGDIOBJ>(m_buttons[i]->Font()) : ::GetStockObject(SYSTEM_FONT);
        CScopedSelect select(dc.m_hDC, font);
        SIZE need{};
        const char* caption = ProgramText(buttonPlaces[i].text);
        ::GetTextExtentPoint32A(dc.m_hDC, caption, lstrlenA(caption), &need);
        widest = std::max<int>(widest, need.cx);
    }
    // Clear of the rounded ends, and never wider than the scene beside the cards allows.
    const int room = m_scale(buttonPlaces[0].rect.right - buttonPlaces[0].rect.left);
    return std::min(std::max(0, widest + m_scale(12) - room), m_scale(120));
}

void MainFrameWnd::OnDpiChanged(int dpi, const RECT* suggested)
{
    if (dpi <= 0) return;
    CRect place;
    GetWindowRect(&place);
    if (suggested) place = *suggested;
    m_windowDpi = dpi;
    m_scale = iScale(FittingDpi(dpi, place));
    if (m_scale.Dpi() != dpi) {
        // The suggestion is too big for this monitor: the largest game that fits, kept on it.
        const CRect r = iScale::WindowRectForClient(0, 0, m_scale(ClientWidth), m_scale(ClientHeight), FrameStyle, dpi);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor);
        const int x = std::max(monitor.rcWork.left, std::min<LONG>(place.left, monitor.rcWork.right - r.Width()));
        const int y = std::max(monitor.rcWork.top, std::min<LONG>(place.top, monitor.rcWork.bottom - r.Height()));
        place = CRect(x, y, x + r.Width(), y + r.Height());
    }
    SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyScale();
    Invalidate(FALSE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}
