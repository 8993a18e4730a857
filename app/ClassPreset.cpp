#include "ClassPreset.h"
#include <cctype>
#include <string>

namespace {

std::string Trimmed(const char* text)
{
    std::string s(text ? text : "");
    const char* space = " \t\r\n";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

bool SameWord(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// A plain decimal number within the range; a sign, a fraction or a word is no number here.
bool Number(const std::string& s, const SettingRange& range, int32_t& out)
{
    if (s.empty() || s.size() > 9) return false;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (!range.Holds(value)) return false;
    out = value;
    return true;
}

// A letter of Windows-1252 in lower case, so that "Ève" and "ève" are one name.
unsigned char Folded(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10); // Š, Œ, Ž
    if (c == 0x9F) return 0xFF; // Ÿ
    return c;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Folded(static_cast<unsigned char>(a[i])) != Folded(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

} // namespace

std::vector<std::string> PresetPlayers(const char* value)
{
    std::vector<std::string> names;
    std::string list(value ? value : "");
    for (char& c : list)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    size_t from = 0;
    while (from <= list.size() && names.size() < MaxPlayers) {
        size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        const std::string name = Trimmed(list.substr(from, comma - from).c_str());
        from = comma + 1;
        if (name.empty() || name.size() > MaxPlayerName) continue;
        bool again = false;
        for (const std::string& before : names) again = again || SameName(before, name);
        if (!again) names.push_back(name);
    }
    return names;
}

bool ApplyPresetValue(Settings& settings, const char* key, const char* value)
{
    const std::string k = Trimmed(key), v = Trimmed(value);
    int32_t n = 0;
    if (SameWord(k, "Operations")) {
        if (!Number(v, OperationsRange, n)) return false;
        settings.operations = n;
    } else if (SameWord(k, "Copies")) {
        if (!Number(v, CopiesRange, n)) return false;
        settings.copies = n;
    } else if (SameWord(k, "Highest")) {
        if (!Number(v, HighestValueRange, n)) return false;
        settings.highestCard = CardCode(n);
    } else if (SameWord(k, "Pace")) {
        const PaceChoice* chosen = nullptr;
        for (const PaceChoice& choice : PaceChoices)
            if (SameWord(v, choice.word)) chosen = &choice;
        if (!chosen) return false;
        settings.pace = chosen->pace;
    } else if (SameWord(k, "Sounds") || SameWord(k, "Practice")) {
        int32_t& box = SameWord(k, "Sounds") ? settings.sounds : settings.practice;
        if (SameWord(v, "on"))
            box = 1;
        else if (SameWord(v, "off"))
            box = 0;
        else
            return false;
    } else {
        return false;
    }
    return true;
}
