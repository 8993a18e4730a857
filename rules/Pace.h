// The deal's pace: quicker as the minutes pass (the game as it always was), or one interval for
// the whole game: 2 s, 4 s, 8 s or 20 s.
#pragma once
#include <cstdint>

enum Pace { PaceFaster = 0, PaceSteady = 1, PaceSlow = 2, PaceVerySlow = 3, PaceSlowest = 4 };

// The deal's interval in milliseconds and the seconds that must pass before it shortens again.
struct DealPace {
    uint32_t interval;
    int32_t period;
};

// The deal's interval at the start of a game for the chosen pace. Only the faster pace shortens
// as the game goes on.
uint32_t FirstInterval(int pace);

// Shortens the pace by one step when more than its period has passed since the last step;
// true when a step was due (also at 0 ms, where nothing changes any more).
bool StepPace(DealPace& pace, long long secondsSinceStep);
