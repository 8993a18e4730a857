// The game's scene at a scale: the art at that scale, where a card lies, the painting of the
// scene, and the places of the votes display and the buttons. The window it shows in keeps the
// game, its pictures and its canvas; this draws them.
#pragma once
#include "CDC.h"
#include "CGdiObject.h"
#include "CWnd.h"
#include "Cards.h"
#include "Deck.h"
#include "iPicture.h"
#include "iScale.h"
#include <vector>

class CoolPushButton;
class SceneLayer;
class iCDC;
class iStaticEx;

class GameScene {
public:
    // The layout's client area in 96-DPI pixels, and the game window's frame.
    static const int ClientWidth = 640;
    static const int ClientHeight = 480;
    static const DWORD FrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

    // The window's own pictures, which stay the window's and may be loaded later: the scene
    // reads them where the window keeps them. The cards are indexed by card code.
    struct Pictures {
        iPicture* const& background;
        iPicture* const (&cards)[CardKinds];
        iPicture* const& flag;
    };

    GameScene(CWnd* window, const Pictures& pictures);

    // The game's pictures from the module's resources; one that is missing stays empty and
    // paints nothing. And their deletion.
    static void LoadArt(iPicture*& background, iPicture* (&cards)[CardKinds], iPicture*& flag);
    static void DeleteArt(iPicture*& background, iPicture* (&cards)[CardKinds], iPicture*& flag);
    // The votes display, a child of the window that its window set deletes: blue, to the right,
    // read by a screen reader as the word with the number painted.
    static iStaticEx* NewVotesDisplay(CWnd* window, const char* word);
    ~GameScene();
    GameScene(const GameScene&) = delete;
    GameScene& operator=(const GameScene&) = delete;

    const iScale& Scale() const { return m_scale; }
    // A length or a point of the 96-DPI layout in the window's pixels.
    int Scaled(int value) const { return m_scale(value); }
    CPoint Scaled(const POINT& p) const { return m_scale(p); }
    CRect ClientRect() const { return CRect(0, 0, m_scale(ClientWidth), m_scale(ClientHeight)); }

    // The largest DPI up to dpi at which a frame of that style around the whole client area
    // fits the work area; never below half of 96.
    static int FittingDpi(int dpi, const RECT& work, DWORD style);
    // Takes the scale for a window at dpi placed at place: that DPI, or less where the game
    // would not fit the work area of the monitor it is on. Returns where the window goes:
    // place when the game fits it, else the largest game that fits, kept on that monitor.
    CRect Fit(int dpi, const RECT& place);
    // The window's outer size around the client area at the scale, with the frame of its DPI.
    CSize FrameSize(int dpi) const;
    // The window moved to a monitor of another DPI: placed where the system suggests, or where
    // it is, as far as the game fits there.
    void FollowDpi(int dpi, const RECT* suggested);
    // A window just made at 96 DPI takes the scale of its monitor, as far as the game fits it.
    void FitNewWindow();

    // Canvas and art made anew for the scale: the window's canvas is replaced, the buttons get
    // the font of the scale, and every picture is stretched once to its size.
    void Rescale(iCDC*& canvas);
    HFONT ButtonFont() const { return static_cast<HFONT>(m_buttonFont.m_hObject); }
    // The votes display at its place, widened for a longer word than the number it shows.
    void PlaceVotes(iStaticEx* votes, const char* word) const;
    // The buttons at their places in the order Start, Setup, About, Upload, Help, Exit,
    // widened alike for the longest caption.
    void PlaceButtons(CoolPushButton* const* buttons, int count) const;

    // Composes the whole scene on the canvas, with the note over it when there is one, and
    // copies it onto the target around the visible children.
    void Paint(iCDC* canvas, CDC* target, const std::vector<DealtCard> (&stacks)[2], int flagPos, const char* note,
               CWnd* const* children, int childCount);
    // One card of a stack, its outline and face, in the scene's stretch.
    void PaintCard(CDC* dc, int side, int code, int dx, int dy) const;
    // Where a card of a stack lies in the window, at the scale.
    CRect CardRect(int side, int dx, int dy) const;

    // The pictures drawn at the scale: past 96 DPI the double-size art where it could be loaded.
    const iPicture* CardArt(int code) const;
    const iPicture* SceneArt() const { return Art(m_pictures.background, m_background2x); }
    const iPicture* FlagArt() const { return Art(m_pictures.flag, m_flag2x); }

private:
    const iPicture* Art(const iPicture* normal, const iPicture* large) const;
    void PrepareArt(CDC* canvas);
    CSize FaceSize() const;
    CSize FlagSize() const;
    void PaintBackground(CDC* dc) const;
    void PaintNote(CDC* dc, const char* note);

    CWnd* m_window;
    Pictures m_pictures;
    iScale m_scale;
    // Loaded the first time the scale passes 96 DPI.
    iPicture* m_background2x = nullptr;
    iPicture* m_cards2x[CardKinds] = {};
    iPicture* m_flag2x = nullptr;
    // The buttons' text at a scale past 96 DPI, where the bitmap system font cannot follow.
    CFont m_buttonFont;
    CPen m_outline;
    // A note over the scene (the game is paused), made when first needed at a scale.
    CFont m_noteFont;
    // Background and stacks kept composed between repaints; only with an opaque background.
    SceneLayer* m_layer = nullptr;
};
