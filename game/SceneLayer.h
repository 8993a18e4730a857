// The background with both stacks painted on it, kept between repaints of the scene: cards put
// on the stacks since the last update are painted on top, any other change paints all again.
#pragma once
#include "Deck.h"
#include "iDC.h"
#include <functional>
#include <vector>

class SceneLayer {
public:
    using PaintBase = std::function<void(CDC*)>;
    using PaintCard = std::function<void(CDC*, int side, const DealtCard&)>;
    using PlaceCard = std::function<CRect(int side, const DealtCard&)>;

    SceneLayer(CDC* compatible, int width, int height);
    SceneLayer(const SceneLayer&) = delete;
    SceneLayer& operator=(const SceneLayer&) = delete;

    // Brings the layer to the stacks, painted left stack first, each first card to last, as
    // a whole repaint would; key stands for whatever else the painting depends on.
    void Update(const std::vector<DealtCard> (&stacks)[2], long key, const PaintBase& base, const PaintCard& card,
                const PlaceCard& place);
    BOOL CopyTo(CDC* target) { return m_canvas.CopyTo(target, SRCCOPY); }
    CDC* Canvas() { return &m_canvas; }
    // How often everything was painted again.
    int WholeRepaints() const { return m_wholeRepaints; }

private:
    bool StillHolds(const std::vector<DealtCard> (&stacks)[2], long key, const PlaceCard& place) const;

    iCDC m_canvas;
    bool m_valid = false;
    long m_key = 0;
    std::vector<DealtCard> m_painted[2];
    int m_wholeRepaints = 0;
};
