// The cheers and taunts, each list with the area of the window its balloon is anchored in.
#pragma once
#include <cstdint>

struct RemarkSet {
    const char* const* texts;
    int32_t count;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

extern const RemarkSet CorrectRemarks;
extern const RemarkSet MissedRemarks;
extern const RemarkSet WrongRemarks;
