// Names of the card codes: the wild card, then the values 00 to 16.
#pragma once

enum { CardKinds = 18, WildCard = 0 };

// Indexed by card code; also the picture resource name of each card.
extern const char* const CardNames[CardKinds];
