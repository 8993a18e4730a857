// The game settings: operation mask, copies of each card, highest card as a card code, the pace
// of the deal, whether sounds play and whether missed facts come back.
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
    int32_t practice = 0; // one box: 1 brings missed facts back soon, 0 deals at the deck's chance
};
