#include "RemarkSet.h"
#include "TextIds.h"

const RemarkSet CorrectRemarks = { IDS_CORRECT_FIRST, 10, 214, 0, 240, 240 };
const RemarkSet MissedRemarks = { IDS_MISSED_FIRST, 9, 0, 0, 240, 240 };
const RemarkSet WrongRemarks = { IDS_WRONG_FIRST, 5, 428, 0, 240, 240 };

const OutcomeVoice OutcomeVoices[3] = { { "Scoring", &CorrectRemarks },
                                        { "Missing", &MissedRemarks },
                                        { "Mistaken", &WrongRemarks } };

bool PickRemark(const RemarkSet& list, int (*random)(), RemarkPick& pick)
{
    if (list.count <= 0 || list.width <= 0 || list.height <= 0) return false;
    pick.x = list.x + random() % list.width;
    pick.y = list.y + random() % list.height;
    pick.text = list.first + static_cast<uint32_t>(random() % list.count);
    return true;
}
