// Card codes, their values and their names: the wild card is code 0, code c from 1 to 17 the
// card of value c - 1, and -1 no card.
#pragma once

enum { CardKinds = 18, WildCard = 0, NoCard = -1, HighestValue = 16 };

inline int CardValue(int code) { return code - 1; }
inline int CardCode(int value) { return value + 1; }
inline bool ValidCard(int code) { return code >= 0 && code < CardKinds; }

// Indexed by card code; also the picture resource name of each card and its name in the log.
extern const char* const CardNames[CardKinds];
