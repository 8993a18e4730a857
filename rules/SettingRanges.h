// What each setting may hold, for Setup's description and the class preset alike.
#pragma once
#include "MatchRule.h"
#include "Pace.h"
#include <cstdint>

// A whole number from low to high, fallback where none is given.
struct SettingRange {
    int low, high, fallback;
    bool Holds(int value) const { return value >= low && value <= high; }
};

const SettingRange OperationsRange{ 0, AllOperations, OpAdd | OpSubtract };
const SettingRange CopiesRange{ 5, 10, 5 };
// Card values; the record keeps the highest card as its card code, one more.
const SettingRange HighestValueRange{ 8, 16, 16 };

// The paces in Setup's order: the preset's word, the text Setup shows, the interval.
struct PaceChoice {
    Pace pace;
    const char* word;
    uint32_t text;
    uint32_t interval;
};
const int PaceChoiceCount = 5;
extern const PaceChoice PaceChoices[PaceChoiceCount];
