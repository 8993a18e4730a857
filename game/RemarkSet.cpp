#include "RemarkSet.h"
#include "TextIds.h"

const RemarkSet CorrectRemarks = { IDS_CORRECT_FIRST, 10, 214, 0, 240, 240 };
const RemarkSet MissedRemarks = { IDS_MISSED_FIRST, 9, 0, 0, 240, 240 };
const RemarkSet WrongRemarks = { IDS_WRONG_FIRST, 5, 428, 0, 240, 240 };
