#include "ClassPreset.h"
#include <algorithm>
#include <cctype>
#include <iterator>
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

// A plain decimal number within [low, high]; a sign, a fraction or a word is no number here.
bool Number(const std::string& s, int low, int high, int32_t& out)
{
    if (s.empty() || s.size() > 9) return false;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return false;
    out = value;
    return true;
}

} // namespace

bool ApplyPresetValue(Settings& settings, const char* key, const char* value)
{
    const std::string k = Trimmed(key), v = Trimmed(value);
    int32_t n = 0;
    if (SameWord(k, "Operations")) {
        if (!Number(v, 0, OpAdd | OpSubtract | OpMultiply | OpDivide, n)) return false;
        settings.operations = n;
    } else if (SameWord(k, "Copies")) {
        if (!Number(v, 5, 10, n)) return false;
        settings.copies = n;
    } else if (SameWord(k, "Highest")) {
        if (!Number(v, 8, 16, n)) return false;
        settings.highestCard = n + 1; // the card code of that value
    } else if (SameWord(k, "Pace")) {
        static const struct {
            const char* word;
            int32_t pace;
        } paces[] = { { "faster", PaceFaster },
                      { "steady", PaceSteady },
                      { "slow", PaceSlow },
                      { "veryslow", PaceVerySlow },
                      { "slowest", PaceSlowest } };
        const auto* found = std::find_if(std::begin(paces), std::end(paces),
                                         [&](const auto& p) { return SameWord(v, p.word); });
        if (found == std::end(paces)) return false;
        settings.pace = found->pace;
    } else if (SameWord(k, "Sounds")) {
        if (SameWord(v, "on"))
            settings.sounds = 1;
        else if (SameWord(v, "off"))
            settings.sounds = 0;
        else
            return false;
    } else {
        return false;
    }
    return true;
}
