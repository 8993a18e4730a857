// The clock the game reads; tests may point it at a clock of their own.
#pragma once
#include <ctime>

extern time_t (*GameClock)(time_t*);
