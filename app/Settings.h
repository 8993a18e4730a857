// The game settings: operation mask, copies of each card, highest card as a card code, the pace
// of the deal and whether sounds play.
#pragma once
#include <cstdint>

enum { OpAdd = 1, OpSubtract = 2, OpMultiply = 4, OpDivide = 8 };

// The deal's pace: quicker as the minutes pass (the game as it always was), or every card
// 2 s, 4 s, 8 s or 20 s for the whole game.
enum { PaceFaster = 0, PaceSteady = 1, PaceSlow = 2, PaceVerySlow = 3, PaceSlowest = 4 };

struct Settings {
    int32_t operations = OpAdd | OpSubtract;
    int32_t copies = 5;
    int32_t highestCard = 17;
    int32_t pace = PaceFaster;
    int32_t sounds = 1; // a check set of one box: 1 plays sounds, 0 is silent
};
