#include "SettingRanges.h"
#include "TextIds.h"

const PaceChoice PaceChoices[PaceChoiceCount] = {
    { PaceFaster, "faster", IDS_SETUP_PACE_FASTER, 2000 },
    { PaceSteady, "steady", IDS_SETUP_PACE_STEADY, 2000 },
    { PaceSlow, "slow", IDS_SETUP_PACE_SLOW, 4000 },
    { PaceVerySlow, "veryslow", IDS_SETUP_PACE_VERYSLOW, 8000 },
    { PaceSlowest, "slowest", IDS_SETUP_PACE_SLOWEST, 20000 },
};
