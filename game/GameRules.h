// The rules of a game as plain arithmetic: no window, no clock, no trace.
#pragma once
#include "Deck.h"
#include <cstdint>
#include <vector>

// Where a card dealt onto a stack lies: a random offset of -5 to 5 pixels each way for a regular
// deal (none for the two opening cards), and an identical card leaning 10 pixels away from its
// twin beneath, so it never covers it exactly. random is the C library's rand.
DealtCard PlaceOnStack(const std::vector<DealtCard>& stack, int code, bool regular, int (*random)());

// Does the operation (one of OpAdd, OpSubtract, OpMultiply, OpDivide) make the value z of the
// values x and y, in either order?
bool OperationMatches(int operation, int x, int y, int z);

// The deal's interval in milliseconds and the seconds that must pass before it shortens again.
struct DealPace {
    uint32_t interval;
    int32_t period;
};
// The deal's interval at the start of a game for the chosen pace: 2 s, or 4 s, 8 s or 20 s for
// the slow ones. Only the faster pace shortens as the game goes on.
uint32_t FirstInterval(int pace);

// Shortens the pace by one step when more than its period has passed since the last step;
// true when a step was due (also at 0 ms, where nothing changes any more).
bool StepPace(DealPace& pace, long long secondsSinceStep);

// The votes a correct answer wins after that many seconds of play: half the highest card's code,
// half the copies, two a whole minute, and the operation mask itself.
int CorrectVotes(int highestCard, int copies, long long secondsPlayed, int operations);
