// The layout file's text line: an error position lies within the text and leaves the line as it
// was; a line that parses has right = left + width and bottom = top + height, its style and text
// where an independent reading with the C library finds them.
#include "FuzzCheck.h"
#include "LayoutLine.h"
#include <cerrno>

namespace {

const long long kLimit = 0x3FFFFFFF;

long long Clamped(long long v) { return v > kLimit ? kLimit : v < -kLimit ? -kLimit : v; }

const char* Spaces(const char* p)
{
    while (*p == ' ') ++p;
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto owned = FuzzText(data, size);
    const char* text = owned.get();
    const long length = static_cast<long>(std::strlen(text));

    LayoutLine line;
    line.left = 11, line.top = 22, line.right = 33, line.bottom = 44, line.style = 55, line.text = "untouched";
    const int position = ParseLayoutLine(text, line);

    if (position != -1) {
        FUZZ_CHECK(position >= 0 && position <= length);
        FUZZ_CHECK(line.left == 11 && line.top == 22 && line.right == 33 && line.bottom == 44);
        FUZZ_CHECK(line.style == 55 && std::strcmp(line.text, "untouched") == 0);
        return 0;
    }

    long long n[4];
    const char* p = text;
    for (long long& v : n) {
        char* end = nullptr;
        v = Clamped(std::strtoll(p, &end, 10));
        FUZZ_CHECK(end > p);
        p = end;
    }
    p = Spaces(p);
    FUZZ_CHECK(*p == ',');
    p = Spaces(p + 1);
    char* end = nullptr;
    unsigned long long style = std::strtoull(p, &end, 16);
    FUZZ_CHECK(end > p);
    if (style > 0xFFFFFFFFull) style = 0xFFFFFFFFull;
    p = Spaces(end);
    FUZZ_CHECK(*p == ',');
    p = Spaces(p + 1);

    FUZZ_CHECK(line.left == n[0] && line.top == n[1]);
    FUZZ_CHECK(line.right == n[0] + n[2] && line.bottom == n[1] + n[3]);
    // The corners fit the 32-bit RECT they end up in.
    FUZZ_CHECK(line.right >= INT32_MIN && line.right <= INT32_MAX);
    FUZZ_CHECK(line.bottom >= INT32_MIN && line.bottom <= INT32_MAX);
    FUZZ_CHECK(line.style == style);
    FUZZ_CHECK(line.text == p && *line.text != '\0');
    return 0;
}
