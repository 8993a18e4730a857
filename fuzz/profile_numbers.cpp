// The profile's point/size/rectangle reader. The first byte picks how many numbers are asked for
// (0 to 5), the rest is the text. Checked: only a leading run of members is stored, never more
// than the text holds numbers nor more than asked; success stores all of them; each stored value
// is the C library's reading of that number, clamped to 32 bits.
#include "FuzzCheck.h"
#include "ProfileText.h"

namespace {

// Maximal runs of decimal digits: no text can yield more numbers than this.
int DigitRuns(const char* p)
{
    int runs = 0;
    for (bool inside = false; *p; ++p) {
        const bool digit = *p >= '0' && *p <= '9';
        if (digit && !inside) ++runs;
        inside = digit;
    }
    return runs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int count = data[0] % 6;
    auto owned = FuzzText(data + 1, size - 1);
    const char* text = owned.get();

    // Two runs with different fillings tell a stored member from one that was left alone,
    // whatever value it was given.
    const LONG fill[2] = { 0x5A5A5A5A, static_cast<LONG>(0xA5A5A5A5u) };
    LONG got[2][5];
    bool ok[2];
    for (int run = 0; run < 2; ++run) {
        LONG* targets[5];
        for (int i = 0; i < 5; ++i) {
            got[run][i] = fill[run];
            targets[i] = &got[run][i];
        }
        ok[run] = ReadProfileNumbers(text, targets, count);
    }
    FUZZ_CHECK(ok[0] == ok[1]);

    int stored = 0;
    while (stored < 5 && (got[0][stored] != fill[0] || got[1][stored] != fill[1])) ++stored;
    for (int i = stored; i < 5; ++i) FUZZ_CHECK(got[0][i] == fill[0] && got[1][i] == fill[1]);
    for (int i = 0; i < stored; ++i) FUZZ_CHECK(got[0][i] == got[1][i]);

    FUZZ_CHECK(stored <= count);
    FUZZ_CHECK(stored <= DigitRuns(text));
    FUZZ_CHECK(ok[0] ? stored == count : stored < count);

    const char* p = text;
    for (int i = 0; i < stored; ++i) {
        while (*p == ' ') ++p;
        char* end = nullptr;
        long long v = std::strtoll(p, &end, 10);
        FUZZ_CHECK(end > p);
        if (v > INT32_MAX) v = INT32_MAX;
        if (v < INT32_MIN) v = INT32_MIN;
        FUZZ_CHECK(got[0][i] == v);
        p = end;
    }
    return 0;
}
