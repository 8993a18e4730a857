// What every fuzz target shares: a property check that stops the run with the input kept, and
// the input as a terminated text on the heap (so reading past its end is caught).
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

inline std::unique_ptr<char[]> FuzzText(const uint8_t* data, size_t size)
{
    std::unique_ptr<char[]> text(new char[size + 1]);
    if (size) std::memcpy(text.get(), data, size);
    text[size] = '\0';
    return text;
}
