// An owner-drawn rounded push button: blue, red while the mouse is over it, black while pressed,
// with a ring inside its edge while it has the focus and the parent shows focus marks; its
// corners show the parent's picture. Under a
// high-contrast theme it takes the system's button and highlight colours.
#pragma once
#include "CDC.h"
#include "iButton.h"

class CoolPushButton : public iPushButton {
public:
    CoolPushButton(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void Draw(CDC* dc);
    // The fill colour of the current state: the game's own, or the system's under high contrast.
    COLORREF FillColor() const;
    // The caption's colour on that fill.
    COLORREF TextColor() const;

    // Drawn in this font when set (not owned), else in the parent's.
    void SetFont(HFONT font) { m_font = font; }
    HFONT Font() const { return m_font; }
    // The ellipse of the rounded corners.
    void SetCorner(int corner) { m_corner = corner; }

    UINT_PTR timer = 0;
    int hot = 0;
    int pressed = 0;
    // 1 when the last owner-draw request showed the focus mark.
    int focused = 0;

    static const UINT_PTR HoverTimer = 1;
    static const UINT HoverPeriod = 50;

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnNcHitTest(CPoint point);
    void OnTimer(UINT_PTR id);
    void DrawFocusRing(CDC* dc, const CRect& shape, COLORREF ink);
    // The parent's picture in the corners outside the shape.
    void PaintCorners(CDC* dc, const CRect& shape);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    HFONT m_font = nullptr;
    int m_corner = 20;
};
