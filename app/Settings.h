// The game settings: operation mask, copies of each card, highest card as a card code, the pace
// of the deal and whether sounds play.
#pragma once
#include "Cards.h"
#include "SettingRanges.h"
#include <cstdint>

struct Settings {
    int32_t operations = OperationsRange.fallback;
    int32_t copies = CopiesRange.fallback;
    int32_t highestCard = CardCode(HighestValueRange.fallback);
    int32_t pace = PaceFaster;
    int32_t sounds = 1; // a check set of one box: 1 plays sounds, 0 is silent
};
