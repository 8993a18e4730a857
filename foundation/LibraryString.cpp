#include "LibraryString.h"
#include "ProgramText.h"
#include <cstdio>

namespace {
struct Row {
    uint32_t number;
    const char* text;
};

// Only the texts the program shows are carried; every other slot is empty.
const Row rows[] = {
    { 3, "NONE" },
    { 4, "SOME" },
    { 5, "ALL" },
    { 63, "" },
    { 90, ".INI File" },
    { 91, "Section: [Default] and/or Key Name: Mode= not found in .INI file." },
    { 92, "Section: [Default] Key Name: Mode= in .INI file is not Private, Protected or Public!" },
    { 93, ".INI file will be in same directory as program file." },
    { 403, "" },
    { 417, "" },
    { 419, "" },
};

struct Table {
    const char* slots[LibraryStringCount] = {};
    Table()
    {
        for (const Row& row : rows) slots[row.number] = row.text;
    }
};

// Built on first use, so a lookup from another static constructor finds it filled.
const Table& Slots()
{
    static const Table table;
    return table;
}

char fallback[4][128];
int fallbackIndex = 0;
} // namespace

const char* LibraryString(uint32_t number)
{
    const Table& table = Slots();
    if (number < LibraryStringCount && table.slots[number]) {
        // The program's string tables may carry the same numbers in the player's language.
        const char* translated = table.slots[number][0] ? FindProgramText(number) : nullptr;
        return translated ? translated : table.slots[number];
    }
    fallbackIndex = (fallbackIndex + 1) & 3;
    char* buffer = fallback[fallbackIndex];
    std::snprintf(buffer, sizeof fallback[0], "[ %8lu ]", static_cast<unsigned long>(number));
    return buffer;
}
