#include "GameClock.h"

time_t (*GameClock)(time_t*) = &::time;
