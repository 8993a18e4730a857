// The player's choices, read directly by the game.
#pragma once
#include <cstdint>

struct Settings {
    int32_t operation; // bit 0 +, bit 1 -, bit 2 *, bit 3 /
    int32_t size;      // copies of each card, 5 to 10
    int32_t high;      // highest card code, 9 to 17
};
