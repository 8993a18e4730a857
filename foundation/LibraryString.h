// The library's own numbered texts.
#pragma once
#include <cstdint>

enum { LibraryStringCount = 450 };

// The text of the number, never null; a missing number gives "[ %8lu ]" in one of
// four rotating buffers, valid until three further such lookups.
const char* LibraryString(uint32_t number);
