// SetText of the check set and the choice list. The input is split at line feeds: every line
// but the last is an item text (item i gets bit i, key 7 * i - 20 in the choice list), the last
// line is the text to set. Checked: SetText reports true; the field becomes the smallest key whose
// item text equals the text, and stays as it was when none does; the choice list then shows it.
#include "FuzzCheck.h"
#include "iType.h"
#include <map>
#include <string>
#include <vector>

namespace {

// The smallest key with exactly this text, or false.
bool Lookup(const std::map<long, std::string>& items, const char* text, long& key)
{
    for (const auto& item : items)
        if (std::strcmp(item.second.c_str(), text) == 0) {
            key = item.first;
            return true;
        }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size && lines.size() <= 48; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    const std::string wanted = lines.back();
    lines.pop_back();

    int32_t checkField = 0, comboField = 0;
    iType::TCheck<int32_t> check(nullptr, &checkField, sizeof checkField, "check", nullptr);
    iType::TCombo<int32_t> combo(nullptr, &comboField, sizeof comboField, "combo", nullptr);
    std::map<long, std::string> checkItems, comboItems;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int bit = static_cast<int>(i);
        const long key = 7 * static_cast<long>(i) - 20;
        check.AddItem(bit, lines[i].c_str());
        if (bit < 32) checkItems[bit] = lines[i].c_str();
        combo.AddItem(key, lines[i].c_str());
        comboItems[key] = lines[i].c_str();
    }

    const int32_t before = 0x13572468;
    checkField = comboField = before;
    FUZZ_CHECK(check.SetText(nullptr) && combo.SetText(nullptr));
    FUZZ_CHECK(checkField == before && comboField == before);

    long key = 0;
    FUZZ_CHECK(check.SetText(wanted.c_str()));
    FUZZ_CHECK(checkField == (Lookup(checkItems, wanted.c_str(), key) ? key : before));

    FUZZ_CHECK(combo.SetText(wanted.c_str()));
    if (Lookup(comboItems, wanted.c_str(), key)) {
        FUZZ_CHECK(comboField == key);
        FUZZ_CHECK(std::strcmp(combo.GetText(), wanted.c_str()) == 0);
    } else {
        FUZZ_CHECK(comboField == before);
    }
    return 0;
}
