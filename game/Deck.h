// The deck the game draws from, and a card lying on a stack.
#pragma once
#include "Cards.h"
#include <cstdint>

// One card on a stack, offset from the stack's home position.
struct DealtCard {
    int32_t code;
    int32_t dx;
    int32_t dy;
};

// Cards left per kind; kinds are the card codes 0 .. kinds - 1.
class Deck {
public:
    Deck(int copies, int kinds);
    virtual ~Deck() = default;

    void Reset(int copies, int kinds);
    // A random card code taken out of the deck, or -1 when it is empty.
    int Draw();
    // Takes one card of that code out of the deck, chosen rather than drawn; false where the
    // deck holds none.
    bool Take(int code);

    int Copies() const { return m_copies; }
    int Kinds() const { return m_kinds; }
    int Remaining() const { return m_remaining; }
    int Count(int code) const { return code >= 0 && code < m_kinds ? m_counts[code] : 0; }

private:
    int32_t m_copies = 0;
    int32_t m_kinds = 0;
    int32_t m_remaining = 0;
    int32_t m_counts[CardKinds] = {};
};
