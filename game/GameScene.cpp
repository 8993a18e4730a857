#include "GameScene.h"
#include "CoolPushButton.h"
#include "SceneLayer.h"
#include "iDC.h"
#include "iStaticEx.h"
#include <algorithm>
#include <string>

namespace {
const int CardWidth = 136;
const int CardHeight = 200;
// The white margin between a card's outline and its face.
const int FaceMargin = 12;
const int CardCorner = 20;
// The flag as it rides the staff at 96 DPI: its left edge, its top at position 0, and how far
// each position raises it.
const int FlagWidth = 30;
const int FlagHeight = 22;
const int FlagLeft = 312;
const int FlagFootTop = 110;
const int FlagRise = 8;
// Where the stacks lie: each stack's left edge, and how far above the client's bottom their top is.
const int StackLefts[2] = { 152, 328 };
const int StackRise = 220;
// The pause note's box, its text's margin and size, and the outline of a box.
const RECT noteBox = { 100, 150, 540, 210 };
const int NoteMargin = 8;
const int NoteFontHeight = 20;
const int NoteOutline = 2;
// The votes display and its font, the buttons' font and how much wider than its text a caption's
// button must be, at most widened by ButtonWidenMax.
const RECT votesPlace = { 50, 45, 110, 65 };
const int VotesFontHeight = 18;
const int VotesInset = 4;
const int ButtonFontHeight = 16;
const int CaptionRoom = 12;
const int ButtonWidenMax = 120;
const RECT buttonPlaces[] = {
    { 540, 20, 620, 50 },   { 540, 60, 620, 90 },   { 540, 100, 620, 130 },
    { 540, 140, 620, 170 }, { 540, 180, 620, 210 }, { 540, 430, 620, 460 },
};
const int ButtonPlaceCount = sizeof buttonPlaces / sizeof buttonPlaces[0];

// Pictures stretched past 96 DPI are smoothed, not blown up pixel by pixel.
void SmoothStretch(HDC dc)
{
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
}

bool WorkAreaOf(const RECT& place, CRect& work)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    work = monitor.rcWork;
    return true;
}
} // namespace

GameScene::GameScene(CWnd* window, const Pictures& pictures) : m_window(window), m_pictures(pictures) {}

GameScene::~GameScene()
{
    delete m_layer;
    delete m_background2x;
    for (iPicture*& card : m_cards2x) {
        delete card;
        card = nullptr;
    }
    delete m_flag2x;
}

int GameScene::FittingDpi(int dpi, const RECT& work, DWORD style)
{
    const CRect area(work);
    // Never below half of 96 DPI: a smaller game is no longer one to play.
    for (int fit = dpi; fit > 48; --fit) {
        const iScale scale(fit);
        const CRect r = iScale::FrameRect(0, 0, scale(ClientWidth), scale(ClientHeight), style, dpi);
        if (r.Width() <= area.Width() && r.Height() <= area.Height()) return fit;
    }
    return std::min(dpi, 48);
}

void GameScene::LoadArt(iPicture*& background, iPicture* (&cards)[CardKinds], iPicture*& flag)
{
    background = new iPicture(AfxGetResourceHandle(), "White House");
    for (int code = 0; code < CardKinds; ++code) cards[code] = new iPicture(AfxGetResourceHandle(), CardNames[code]);
    flag = new iPicture(AfxGetResourceHandle(), "Flag");
}

void GameScene::DeleteArt(iPicture*& background, iPicture* (&cards)[CardKinds], iPicture*& flag)
{
    delete flag;
    for (iPicture* card : cards) delete card;
    delete background;
    flag = background = nullptr;
    for (iPicture*& card : cards) card = nullptr;
}

iStaticEx* GameScene::NewVotesDisplay(CWnd* window, const char* word)
{
    iStaticEx* votes = new iStaticEx(window, CRect(), WS_VISIBLE, word);
    votes->SetTextColor(RGB(0, 0, 255));
    votes->SetFormat(DT_RIGHT);
    votes->SetLabel(word);
    return votes;
}

void GameScene::FollowDpi(int dpi, const RECT* suggested)
{
    CRect place;
    m_window->GetWindowRect(&place);
    place = Fit(dpi, suggested ? *suggested : place);
    m_window->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

void GameScene::FitNewWindow()
{
    if (!m_window->m_hWnd) return;
    CRect window;
    m_window->GetWindowRect(&window);
    const int dpi = iScale::DpiOf(m_window->m_hWnd);
    Fit(dpi, window);
    const CSize size = FrameSize(dpi);
    if (size != window.Size())
        m_window->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CRect GameScene::Fit(int dpi, const RECT& place)
{
    CRect work;
    if (!WorkAreaOf(place, work)) {
        m_scale = iScale(dpi);
        return place;
    }
    m_scale = iScale(FittingDpi(dpi, work, FrameStyle));
    if (m_scale.Dpi() == dpi) return place;
    // Too big for this monitor at that DPI: the largest game that fits, kept on it.
    const CSize size = FrameSize(dpi);
    const int x = std::max(work.left, std::min<LONG>(place.left, work.right - size.cx));
    const int y = std::max(work.top, std::min<LONG>(place.top, work.bottom - size.cy));
    return CRect(x, y, x + size.cx, y + size.cy);
}

CSize GameScene::FrameSize(int dpi) const
{
    const CRect r = iScale::FrameRect(0, 0, m_scale(ClientWidth), m_scale(ClientHeight), FrameStyle, dpi);
    return CSize(r.Width(), r.Height());
}

void GameScene::Rescale(iCDC*& canvas)
{
    const CRect client = ClientRect();
    delete m_layer;
    m_layer = nullptr;
    delete canvas;
    {
        iClientDC dc(m_window);
        canvas = new iCDC(&dc, client);
        // A new bitmap holds whatever memory it got; without a background that would show.
        canvas->FillSolidRect(0, 0, client.Width(), client.Height(), RGB(0, 0, 0));
    }
    if (!m_scale.IsUnit()) SmoothStretch(*canvas);
    m_buttonFont.DeleteObject();
    m_noteFont.DeleteObject();
    m_outline.DeleteObject();
    // The cards' outline as thick at the scale as the one pixel at 96 DPI.
    if (!m_scale.IsUnit()) m_outline.CreatePen(PS_SOLID, m_scale(1), RGB(0, 0, 0));
    if (!m_scale.IsUnit())
        m_buttonFont.CreateFont(m_scale(ButtonFontHeight), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                "Tahoma");
    PrepareArt(canvas);
}

void GameScene::PrepareArt(CDC* canvas)
{
    if (!canvas) return;
    if (m_scale.Dpi() > 96 && !m_flag2x) {
        HINSTANCE module = AfxGetResourceHandle();
        m_background2x = new iPicture(module, "White House@2x");
        for (int code = 0; code < CardKinds; ++code)
            m_cards2x[code] = new iPicture(module, (std::string(CardNames[code]) + "@2x").c_str());
        m_flag2x = new iPicture(module, "Flag@2x");
    }
    for (int code = 0; code < CardKinds; ++code)
        if (const iPicture* card = CardArt(code)) card->Prepare(*canvas, FaceSize());
    if (const iPicture* scene = SceneArt())
        scene->Prepare(*canvas, m_scale.IsUnit() ? scene->NaturalSize(*canvas) : ClientRect().Size());
    if (const iPicture* flag = FlagArt())
        flag->Prepare(*canvas, m_scale.IsUnit() ? flag->NaturalSize(*canvas) : FlagSize());
}

void GameScene::PlaceVotes(iStaticEx* votes, const char* word) const
{
    if (!votes) return;
    votes->SetFont(-m_scale(VotesFontHeight), "MS Serif");
    // Right-aligned, so a longer word than "Votes" before the first game widens it to the left.
    CRect r = m_scale(votesPlace);
    if (votes->font.m_hObject) {
        iClientDC dc(votes);
        CScopedSelect select(dc.m_hDC, votes->font.m_hObject);
        SIZE need{};
        ::GetTextExtentPoint32A(dc.m_hDC, word, lstrlenA(word), &need);
        r.left = std::max(m_scale(VotesInset), std::min<int>(r.left, r.right - need.cx - m_scale(VotesInset)));
    }
    votes->MoveWindow(r, FALSE);
}

void GameScene::PlaceButtons(CoolPushButton* const* buttons, int count) const
{
    count = std::min(count, ButtonPlaceCount);
    int widest = 0;
    {
        iClientDC dc(m_window);
        for (int i = 0; i < count; ++i) {
            if (!buttons[i]) continue;
            buttons[i]->SetFont(ButtonFont());
            buttons[i]->SetCorner(m_scale(CardCorner));
            CScopedSelect select(dc.m_hDC,
                                 ButtonFont() ? static_cast<HGDIOBJ>(ButtonFont()) : ::GetStockObject(SYSTEM_FONT));
            CString caption;
            buttons[i]->GetWindowText(caption);
            SIZE need{};
            ::GetTextExtentPoint32A(dc.m_hDC, caption, caption.GetLength(), &need);
            widest = std::max<int>(widest, need.cx);
        }
    }
    // A caption longer than a button, as some languages have, widens every button to the left
    // by the same amount: the column keeps its right edge and one width, clear of the rounded
    // ends, and never wider than the scene beside the cards allows.
    const int room = m_scale(buttonPlaces[0].right - buttonPlaces[0].left);
    const int widen = std::min(std::max(0, widest + m_scale(CaptionRoom) - room), m_scale(ButtonWidenMax));
    for (int i = 0; i < count; ++i) {
        if (!buttons[i]) continue;
        CRect r = m_scale(buttonPlaces[i]);
        r.left -= widen;
        buttons[i]->MoveWindow(r, FALSE);
    }
}

void GameScene::PaintBackground(CDC* dc) const
{
    // The picture at its own size at 96 DPI, stretched to the scale at any other.
    const iPicture* scene = SceneArt();
    if (m_scale.IsUnit())
        scene->Draw(*dc);
    else
        scene->Draw(*dc, ClientRect());
}

void GameScene::Paint(iCDC* canvas, CDC* target, const std::vector<DealtCard> (&stacks)[2], int flagPos,
                      const char* note, CWnd* const* children, int childCount)
{
    if (!canvas || !target) return;
    const iPicture* background = m_pictures.background;
    const CSize backgroundSize = background && background->IsOpaque() ? background->NaturalSize(*canvas) : CSize(0, 0);
    const iPicture* scene = SceneArt();
    if (backgroundSize.cx >= ClientWidth && backgroundSize.cy >= ClientHeight && scene && scene->IsOpaque()) {
        // The background hides what the canvas held, so the kept composition is the same picture.
        if (!m_layer) {
            const CRect client = ClientRect();
            m_layer = new SceneLayer(canvas, client.Width(), client.Height());
            if (!m_scale.IsUnit()) SmoothStretch(*m_layer->Canvas());
        }
        CRect client;
        m_window->GetClientRect(&client);
        m_layer->Update(
            stacks, client.Height(), [this](CDC* dc) { PaintBackground(dc); },
            [this](CDC* dc, int side, const DealtCard& card) { PaintCard(dc, side, card.code, card.dx, card.dy); },
            [this](int side, const DealtCard& card) { return CardRect(side, card.dx, card.dy); });
        m_layer->CopyTo(canvas);
    } else {
        if (scene && scene->IsLoaded()) PaintBackground(canvas);
        for (int side = 0; side < 2; ++side)
            for (const DealtCard& card : stacks[side]) PaintCard(canvas, side, card.code, card.dx, card.dy);
    }
    const iPicture* flag = FlagArt();
    if (flag && flag->IsLoaded()) {
        const CPoint at(FlagLeft, FlagFootTop - FlagRise * flagPos);
        if (m_scale.IsUnit())
            flag->Draw(*canvas, at);
        else
            flag->Draw(*canvas, CRect(m_scale(at), FlagSize()));
    }
    if (note) PaintNote(canvas, note);
    // The frame does not clip its children, so keep the copy off the visible ones.
    const int saved = ::SaveDC(*target);
    for (int i = 0; i < childCount; ++i) {
        CWnd* child = children[i];
        if (!child || !child->m_hWnd || !child->IsWindowVisible()) continue;
        CRect place;
        child->GetWindowRect(&place);
        m_window->ScreenToClient(&place);
        ::ExcludeClipRect(*target, place.left, place.top, place.right, place.bottom);
    }
    canvas->CopyTo(target, SRCCOPY);
    ::RestoreDC(*target, saved);
}

void GameScene::PaintNote(CDC* dc, const char* note)
{
    // Between the flag and the cards, in the system's window colours, so it reads in any theme.
    if (!m_noteFont.m_hObject)
        m_noteFont.CreateFont(-m_scale(NoteFontHeight), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                              "Tahoma");
    const CRect box = m_scale(CRect(noteBox));
    CBrush fill(::GetSysColor(COLOR_WINDOW));
    CPen outline(PS_SOLID, m_scale(NoteOutline), ::GetSysColor(COLOR_WINDOWTEXT));
    CScopedSelect brush(*dc, fill.m_hObject);
    CScopedSelect pen(*dc, outline.m_hObject);
    CScopedSelect font(*dc, m_noteFont.m_hObject);
    dc->RoundRect(box.left, box.top, box.right, box.bottom, m_scale(CardCorner), m_scale(CardCorner));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    // A longer note in some languages takes two lines rather than being cut.
    CRect text = box;
    text.DeflateRect(m_scale(NoteMargin), 0);
    CRect need = text;
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    dc->DrawText(note, -1, &need, format | DT_CALCRECT);
    text.top += std::max(0, (text.Height() - need.Height()) / 2);
    dc->DrawText(note, -1, &text, format);
}

CRect GameScene::CardRect(int side, int dx, int dy) const
{
    // The client height is taken from the window at that moment, in 96-DPI pixels.
    CRect client;
    ::GetClientRect(m_window->m_hWnd, &client);
    const int left = StackLefts[side & 1] + dx;
    const int top = m_scale.Unscale(client.Height()) - StackRise + dy;
    // Placed at the scale but sized once, so every card's face has the size its art was made at.
    return CRect(m_scale(CPoint(left, top)), CSize(m_scale(CardWidth), m_scale(CardHeight)));
}

void GameScene::PaintCard(CDC* dc, int side, int code, int dx, int dy) const
{
    if (!dc || code < 0 || code >= CardKinds) return;
    const CRect card = CardRect(side, dx, dy);
    const iPicture* picture = CardArt(code);
    if (m_scale.IsUnit()) {
        dc->RoundRect(card.left, card.top, card.right, card.bottom, CardCorner, CardCorner);
    } else {
        CScopedSelect outline(*dc, m_outline.m_hObject);
        dc->RoundRect(card.left, card.top, card.right, card.bottom, m_scale(CardCorner), m_scale(CardCorner));
        // A card dealt straight onto the window gets the canvas's stretch, and so its prepared face.
        if (::GetStretchBltMode(*dc) != HALFTONE) SmoothStretch(*dc);
    }
    const CRect face(CPoint(card.left + m_scale(FaceMargin), card.top + m_scale(FaceMargin)), FaceSize());
    if (picture && picture->IsLoaded()) picture->Draw(*dc, face);
}

const iPicture* GameScene::CardArt(int code) const
{
    if (code < 0 || code >= CardKinds) return nullptr;
    return Art(m_pictures.cards[code], m_cards2x[code]);
}

const iPicture* GameScene::Art(const iPicture* normal, const iPicture* large) const
{
    // Scaled down from twice the size, never blown up from the 96-DPI pixels.
    return m_scale.Dpi() > 96 && large && large->IsLoaded() ? large : normal;
}

CSize GameScene::FaceSize() const
{
    return CSize(m_scale(CardWidth - 2 * FaceMargin), m_scale(CardHeight - 2 * FaceMargin));
}

CSize GameScene::FlagSize() const { return CSize(m_scale(FlagWidth), m_scale(FlagHeight)); }
