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

// What is heard and seen of each outcome, correct, missed and wrong: its sound's resource name and
// its remarks.
struct OutcomeVoice {
    const char* sound;
    const RemarkSet* remarks;
};
extern const OutcomeVoice OutcomeVoices[3];

// A remark drawn from a list: where its balloon points, in 96-DPI pixels of the client area, and
// its text's number. random is the C library's rand, drawn for x, y and the text in that order.
struct RemarkPick {
    int32_t x, y;
    uint32_t text;
};
// False for a list with no remarks or no area.
bool PickRemark(const RemarkSet& list, int (*random)(), RemarkPick& pick);
