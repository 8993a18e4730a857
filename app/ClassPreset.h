// The starting values a school or a family sets once for every start of the game: the keys
// Operations, Copies, Highest, Pace, Sounds and Practice of the [Votaroo] section of votaroo.ini
// beside the program, the file that names the language too.
#pragma once
#include "Settings.h"
#include <string>
#include <vector>

// Takes one key of the file with its value text into the record: Operations 0-15, Copies 5-10,
// Highest 8-16 (a card value, kept as its card code), Pace faster|steady|slow|veryslow|slowest,
// Sounds and Practice on|off; keys and words in any case, spaces around the value let go. A key
// it does not know, or a value out of range or misspelt, leaves the record as it was and gives
// false.
bool ApplyPresetValue(Settings& settings, const char* key, const char* value);

// Reads the file and takes every key it holds into the record, each by ApplyPresetValue; no box
// whatever it holds. Call it after the record's description has written its defaults.
void ApplyClassPreset(Settings& settings);

// The children who share this computer, for the choice of who is playing at every Start.
const size_t MaxPlayers = 40;
const size_t MaxPlayerName = 24;

// Takes the value of the Players key: names separated by commas, spaces around each let go, a
// control character in a name made a space (a name is always one line of text). A name that is
// empty, longer than MaxPlayerName characters or the same as one before it in any case is
// dropped, and so is every name after the first MaxPlayers; never a box.
std::vector<std::string> PresetPlayers(const char* value);

// The file's list of players by PresetPlayers; empty without one.
std::vector<std::string> ClassPresetPlayers();
