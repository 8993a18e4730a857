#include "SceneLayer.h"

namespace {
bool Same(const DealtCard& a, const DealtCard& b) { return a.code == b.code && a.dx == b.dx && a.dy == b.dy; }
} // namespace

SceneLayer::SceneLayer(CDC* compatible, int width, int height) : m_canvas(compatible, CRect(0, 0, width, height)) {}

bool SceneLayer::StillHolds(const std::vector<DealtCard> (&stacks)[2], long key, const PlaceCard& place) const
{
    if (!m_valid || key != m_key) return false;
    for (int side = 0; side < 2; ++side) {
        const std::vector<DealtCard>& had = m_painted[side];
        const std::vector<DealtCard>& now = stacks[side];
        if (now.size() < had.size()) return false;
        for (size_t i = 0; i < had.size(); ++i)
            if (!Same(had[i], now[i])) return false;
    }
    // A new left card goes on top of the right stack's cards here, under them in a whole
    // repaint: only right if it lies clear of them.
    if (stacks[0].size() > m_painted[0].size() && !m_painted[1].empty()) {
        RECT right = place(1, m_painted[1].front());
        for (const DealtCard& c : m_painted[1]) {
            const RECT r = place(1, c);
            ::UnionRect(&right, &right, &r);
        }
        for (size_t i = m_painted[0].size(); i < stacks[0].size(); ++i) {
            const RECT r = place(0, stacks[0][i]);
            RECT overlap;
            if (::IntersectRect(&overlap, &right, &r)) return false;
        }
    }
    return true;
}

void SceneLayer::Update(const std::vector<DealtCard> (&stacks)[2], long key, const PaintBase& base,
                        const PaintCard& card, const PlaceCard& place)
{
    if (!StillHolds(stacks, key, place)) {
        base(&m_canvas);
        m_painted[0].clear();
        m_painted[1].clear();
        m_key = key;
        m_valid = true;
        ++m_wholeRepaints;
    }
    for (int side = 0; side < 2; ++side)
        for (size_t i = m_painted[side].size(); i < stacks[side].size(); ++i) {
            card(&m_canvas, side, stacks[side][i]);
            m_painted[side].push_back(stacks[side][i]);
        }
}
