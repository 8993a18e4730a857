#include "Deck.h"
#include <cstdlib>

Deck::Deck(int copies, int kinds) { Reset(copies, kinds); }

void Deck::Reset(int copies, int kinds)
{
    // The counts array has one slot per card code and nothing beyond.
    if (kinds < 1) kinds = 1;
    if (kinds > CardKinds) kinds = CardKinds;
    if (copies < 0) copies = 0;
    m_copies = copies;
    m_kinds = kinds;
    for (int i = 0; i < CardKinds; ++i) m_counts[i] = i < kinds ? copies : 0;
    m_remaining = copies * kinds;
}

bool Deck::Take(int code)
{
    if (code < 0 || code >= m_kinds || m_counts[code] <= 0) return false;
    --m_counts[code];
    --m_remaining;
    return true;
}

int Deck::Draw()
{
    if (m_remaining == 0) return -1;
    int i = std::rand() % m_kinds;
    const int step = std::rand() % 2 ? 1 : -1;
    // An exhausted kind hands its turn to the nearest kind with cards, in the random direction.
    while (m_counts[i] <= 0) {
        i += step;
        if (i < 0) i = m_kinds - 1;
        if (i >= m_kinds) i = 0;
    }
    --m_counts[i];
    --m_remaining;
    return i;
}
