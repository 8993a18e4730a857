// The game settings: operation mask, copies of each card, highest card as a card code.
#pragma once
#include <cstdint>

enum { OpAdd = 1, OpSubtract = 2, OpMultiply = 4, OpDivide = 8 };

struct Settings {
    int32_t operations = OpAdd | OpSubtract;
    int32_t copies = 5;
    int32_t highestCard = 17;
};
