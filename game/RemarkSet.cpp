#include "RemarkSet.h"

namespace {

const char* const correctTexts[] = {
    "KAZ! KAZ! KAZ!", "You get my vote", "Math Rules", "Your country needs you!", "genius",
    "lucky", "cool", "Way to go!", "Cleverkin", "We have a job for you!",
};

const char* const missedTexts[] = {
    "way to go!", "Whew, you did not see that!", "You expect to be in public office", "You want my job?",
    "sssshhhh, we all make mistakes", "we're perfect here!", "go figure", "better luck in 4 years", "duh",
};

const char* const wrongTexts[] = {
    "we have a committee for you!", "you want to be in politics?", "Fuzzy math.", "Try again.",
    "Delmore is hiring!",
};

} // namespace

const RemarkSet CorrectRemarks = { correctTexts, 10, 214, 0, 240, 240 };
const RemarkSet MissedRemarks = { missedTexts, 9, 0, 0, 240, 240 };
const RemarkSet WrongRemarks = { wrongTexts, 5, 428, 0, 240, 240 };
