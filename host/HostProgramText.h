// Host build only: the programs' texts without resources, read from the English table's source
// (resources/lang/en.rc) and the numbers' #defines (foundation/*TextIds.h) when first asked for.
#pragma once
#include <cstdint>
#include <map>
#include <string>

// The strings of every STRINGTABLE block of the source, by number, in UTF-8 (the file is in code
// page 1252). An entry's number is a number, a name the #defines give, or a name plus a number.
std::map<uint32_t, std::string> ReadStringTables(const std::string& rc, const std::string& defines);
