#include "ProgramText.h"
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

const LANGID English = MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL);

HMODULE Module() { return ::GetModuleHandleA(nullptr); }

// Which language has which block of 16 strings; read once, so a lookup never lands on the
// system's own choice of a language.
struct Tables {
    std::set<std::pair<WORD, LANGID>> blocks;
    std::vector<LANGID> languages;
};

BOOL CALLBACK OnLanguage(HMODULE, LPCSTR, LPCSTR name, WORD language, LONG_PTR param)
{
    auto* t = reinterpret_cast<Tables*>(param);
    t->blocks.insert({ static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), language });
    bool known = false;
    for (LANGID l : t->languages) known = known || l == language;
    if (!known) t->languages.push_back(language);
    return TRUE;
}

BOOL CALLBACK OnBlock(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name)) ::EnumResourceLanguagesA(module, type, name, OnLanguage, param);
    return TRUE;
}

const Tables& TablesOfModule()
{
    static const Tables tables = [] {
        Tables t;
        ::EnumResourceNamesA(Module(), RT_STRING, OnBlock, reinterpret_cast<LONG_PTR>(&t));
        // English first: it is the fallback.
        for (size_t i = 0; i < t.languages.size(); ++i)
            if (PRIMARYLANGID(t.languages[i]) == LANG_ENGLISH) std::swap(t.languages[0], t.languages[i]);
        return t;
    }();
    return tables;
}

// The string of the number in exactly this language's table, in the code page; false where it
// has none (an empty string is no string in a table).
bool Lookup(LANGID language, uint32_t id, std::string& text, UINT codePage = CP_ACP)
{
    const WORD block = static_cast<WORD>(id / 16 + 1);
    if (id > 0xFFFF || !TablesOfModule().blocks.count({ block, language })) return false;
    HRSRC found = ::FindResourceExA(Module(), RT_STRING, MAKEINTRESOURCEA(block), language);
    HGLOBAL loaded = found ? ::LoadResource(Module(), found) : nullptr;
    const auto* p = loaded ? static_cast<const WCHAR*>(::LockResource(loaded)) : nullptr;
    if (!p) return false;
    const WCHAR* end = p + ::SizeofResource(Module(), found) / sizeof(WCHAR);
    for (uint32_t i = 0; i < id % 16 && p < end; ++i) p += 1 + *p;
    if (p >= end || *p == 0 || p + 1 + *p > end) return false;
    const int length = *p;
    // The program is ANSI: its windows draw the texts in the code page of the system.
    const int n = ::WideCharToMultiByte(codePage, 0, p + 1, length, nullptr, 0, nullptr, nullptr);
    text.assign(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(codePage, 0, p + 1, length, &text[0], n, nullptr, nullptr);
    return n > 0;
}

// The carried table that stands for a language: itself, else its primary language's.
LANGID Carried(LANGID language)
{
    for (LANGID l : TablesOfModule().languages)
        if (l == language) return l;
    for (LANGID l : TablesOfModule().languages)
        if (PRIMARYLANGID(l) == PRIMARYLANGID(language)) return l;
    return 0;
}

bool chosen = false;
LANGID current = English;

char fallback[4][32];
int fallbackIndex = 0;

} // namespace

std::vector<LANGID> ProgramLanguages() { return TablesOfModule().languages; }

LANGID LanguageOfCode(const char* code)
{
    if (!code) return 0;
    std::string wanted(code);
    const size_t region = wanted.find_first_of("-_");
    if (region != std::string::npos) wanted.resize(region);
    while (!wanted.empty() && wanted.back() == ' ') wanted.pop_back();
    while (!wanted.empty() && wanted.front() == ' ') wanted.erase(0, 1);
    if (wanted.empty()) return 0;
    for (LANGID l : TablesOfModule().languages) {
        std::string own;
        if (Lookup(l, IDS_LANGUAGE_CODE, own) && ::lstrcmpiA(own.c_str(), wanted.c_str()) == 0) return l;
    }
    return 0;
}

LANGID ChooseProgramLanguage(const char* override, LANGID display)
{
    if (LANGID named = LanguageOfCode(override)) return named;
    if (LANGID shown = Carried(display)) return shown;
    return English;
}

std::vector<char> LanguageOverride() { return SettingsFileValue("Language"); }

std::vector<char> SettingsFileValue(const char* key, size_t size)
{
    char path[MAX_PATH] = "";
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> value(size < 1 ? 1 : size, '\0');
    if (n == 0 || n >= MAX_PATH) return value;
    char* slash = std::strrchr(path, '\\');
    if (!slash || static_cast<size_t>(slash - path) + 13 >= MAX_PATH) return value;
    std::strcpy(slash + 1, "votaroo.ini");
    ::GetPrivateProfileStringA("Votaroo", key, "", value.data(), static_cast<DWORD>(value.size()), path);
    return value;
}

LANGID ProgramLanguage()
{
    if (!chosen) {
        chosen = true;
        current = ChooseProgramLanguage(LanguageOverride().data(), ::GetUserDefaultUILanguage());
    }
    return current;
}

void SetProgramLanguage(LANGID language)
{
    chosen = true;
    current = language;
}

namespace {

const char* Find(uint32_t id, UINT codePage)
{
    // Kept for the run, so a caller may hold the pointer.
    static std::map<std::pair<std::pair<LANGID, UINT>, uint32_t>, std::string> texts;
    const LANGID language = ProgramLanguage();
    const auto key = std::make_pair(std::make_pair(language, codePage), id);
    auto at = texts.find(key);
    if (at != texts.end()) return at->second.c_str();
    std::string text;
    const LANGID table = Carried(language);
    if (!(table && Lookup(table, id, text, codePage))) {
        const LANGID english = Carried(English);
        if (!(english && Lookup(english, id, text, codePage))) return nullptr;
    }
    return texts.emplace(key, std::move(text)).first->second.c_str();
}

const char* Missing(uint32_t id)
{
    fallbackIndex = (fallbackIndex + 1) & 3;
    std::snprintf(fallback[fallbackIndex], sizeof fallback[0], "[ %8lu ]", static_cast<unsigned long>(id));
    return fallback[fallbackIndex];
}

} // namespace

const char* FindProgramText(uint32_t id) { return Find(id, CP_ACP); }

const char* ProgramText(uint32_t id)
{
    if (const char* text = FindProgramText(id)) return text;
    return Missing(id);
}

const char* ProgramTextUtf8(uint32_t id)
{
    if (const char* text = Find(id, CP_UTF8)) return text;
    return Missing(id);
}
