// The cheers and taunts, each list with the area of the window its balloon is anchored in.
#pragma once
#include <cstdint>

struct RemarkSet {
    uint32_t first; // the number of the list's first text; the others follow it
    int32_t count;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

extern const RemarkSet CorrectRemarks;
extern const RemarkSet MissedRemarks;
extern const RemarkSet WrongRemarks;
