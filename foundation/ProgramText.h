// The programs' texts by number, from the string tables of the program's module, in the
// language the player reads, and in English where that language lacks one.
#pragma once
#include "TextIds.h"
#include <cstddef>
#include <cstdint>
#include <vector>
#include <windows.h>

// The text of the number in the program's language, else in English; never null, and valid
// for the whole run. A number that no table has gives "[ %8lu ]", as a missing library text.
const char* ProgramText(uint32_t id);
// The same, but null where no table has the number.
const char* FindProgramText(uint32_t id);
// The same text in UTF-8, for what is written in it whatever the system's code page (a web page).
const char* ProgramTextUtf8(uint32_t id);

// The language the texts are taken in, chosen on first use by ChooseProgramLanguage with the
// entry Language= of the [Votaroo] section of votaroo.ini beside the program.
LANGID ProgramLanguage();
// Takes the texts in this language from now on (where the module has no table for it, English).
void SetProgramLanguage(LANGID language);

// The languages the module has tables for (each table's LANGUAGE), English first.
std::vector<LANGID> ProgramLanguages();
// The carried language whose code (IDS_LANGUAGE_CODE) the text names, case aside; a region
// after a hyphen or underscore is let go ("de-AT" is "de"). 0 when none does.
LANGID LanguageOfCode(const char* code);
// The rule: the language the override names when the module carries it; else the user's
// display language (its primary language decides) when carried; else English.
LANGID ChooseProgramLanguage(const char* override, LANGID display);
// The settings file's override ("" when there is none), where ProgramLanguage reads it.
std::vector<char> LanguageOverride();
// The value of a key of the [Votaroo] section of votaroo.ini beside the program, the file a
// family or a school sets once; "" when there is none. At most size - 1 characters.
std::vector<char> SettingsFileValue(const char* key, size_t size = 64);
