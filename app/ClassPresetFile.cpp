#include "ClassPreset.h"
#include "ProgramText.h"

void ApplyClassPreset(Settings& settings)
{
    for (const char* key : { "Operations", "Copies", "Highest", "Pace", "Sounds", "Practice" }) {
        const std::vector<char> value = SettingsFileValue(key);
        // An absent key reads as "", which no key accepts: its default stays.
        ApplyPresetValue(settings, key, value.data());
    }
}

std::vector<std::string> ClassPresetPlayers()
{
    // Room for the longest list the key may hold, and more, so that a longer one is cut only past it.
    const std::vector<char> value = SettingsFileValue("Players", 4 * MaxPlayers * (MaxPlayerName + 1));
    return PresetPlayers(value.data());
}
