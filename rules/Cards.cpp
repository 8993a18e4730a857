#include "Cards.h"

const char* const CardNames[CardKinds] = {
    "KAZ", "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16",
};
