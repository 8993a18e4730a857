// Where a dealt card lies: plain arithmetic, no window. The rules themselves are the rule book's.
#pragma once
#include "Deck.h"
#include <vector>

// Where a card dealt onto a stack lies: a random offset of -5 to 5 pixels each way for a regular
// deal (none for the two opening cards), and an identical card leaning 10 pixels away from its
// twin beneath, so it never covers it exactly. random is the C library's rand.
DealtCard PlaceOnStack(const std::vector<DealtCard>& stack, int code, bool regular, int (*random)());
