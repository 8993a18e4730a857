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
