#include "ProfileText.h"
#include "iString.h"
#include <gtest/gtest.h>
#include <climits>
#include <cstdlib>

namespace {
struct Point {
    LONG x, y;
};
} // namespace

// The number reader alone, on the texts a layout file may hold.
TEST(ProfileNumbers, PointTexts)
{
    Point pt{ -99, -99 };
    LONG* const point[] = { &pt.x, &pt.y };
    EXPECT_TRUE(ReadProfileNumbers("10 20", point, 2));
    EXPECT_EQ(pt.x, 10);
    EXPECT_EQ(pt.y, 20);
    EXPECT_TRUE(ReadProfileNumbers("  -5   7", point, 2));
    EXPECT_EQ(pt.x, -5);
    EXPECT_EQ(pt.y, 7);
    EXPECT_TRUE(ReadProfileNumbers("+3 4;", point, 2));
    EXPECT_EQ(pt.x, 3);
    EXPECT_EQ(pt.y, 4);

    // Members read before the failure keep their new values, the rest stay.
    pt = { -99, -99 };
    EXPECT_FALSE(ReadProfileNumbers("10,20", point, 2));
    EXPECT_EQ(pt.x, 10);
    EXPECT_EQ(pt.y, -99);
    pt = { -99, -99 };
    EXPECT_FALSE(ReadProfileNumbers("10", point, 2));
    EXPECT_EQ(pt.x, 10);
    EXPECT_EQ(pt.y, -99);
    pt = { -99, -99 };
    EXPECT_FALSE(ReadProfileNumbers("10 -", point, 2));
    EXPECT_FALSE(ReadProfileNumbers("10x 20", point, 2));
    EXPECT_FALSE(ReadProfileNumbers("x", point, 2));
    EXPECT_FALSE(ReadProfileNumbers("", point, 2));
    EXPECT_FALSE(ReadProfileNumbers(nullptr, point, 2));
    EXPECT_EQ(pt.x, 10);
    EXPECT_EQ(pt.y, -99);
    EXPECT_TRUE(ReadProfileNumbers("99999999999 -99999999999", point, 2));
    EXPECT_EQ(pt.x, 2147483647);
    EXPECT_EQ(pt.y, -2147483647 - 1);
}

TEST(ProfileNumbers, RectangleIgnoresTrailingText)
{
    LONG left = 0, top = 0, right = 0, bottom = 0;
    LONG* const rect[] = { &left, &top, &right, &bottom };
    EXPECT_TRUE(ReadProfileNumbers("1 2 3 4 extra", rect, 4));
    EXPECT_EQ(left, 1);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(right, 3);
    EXPECT_EQ(bottom, 4);
    // A tab may end a number but is not skipped before the next one.
    EXPECT_FALSE(ReadProfileNumbers("5 6 7\t8", rect, 4));
    EXPECT_EQ(right, 7);
    EXPECT_EQ(bottom, 4);
    EXPECT_FALSE(ReadProfileNumbers("1 2 3", rect, 4));
}

TEST(ProfileLong, DecimalSkipsSpaceTakesSignStopsAtNonDigit)
{
    EXPECT_EQ(ProfileTextToLong("12abc", 10), 12);
    EXPECT_EQ(ProfileTextToLong("abc", 10), 0);
    EXPECT_EQ(ProfileTextToLong("", 10), 0);
    EXPECT_EQ(ProfileTextToLong(nullptr, 10), 0);
    EXPECT_EQ(ProfileTextToLong(" \t\n\v\f\r-42", 10), -42);
    EXPECT_EQ(ProfileTextToLong("+7", 10), 7);
    EXPECT_EQ(ProfileTextToLong("- 5", 10), 0);
    EXPECT_EQ(ProfileTextToLong("0x1F", 10), 0);
    EXPECT_EQ(ProfileTextToLong("1 2", 10), 1);
}

TEST(ProfileLong, DecimalSaturatesAt32Bits)
{
    EXPECT_EQ(ProfileTextToLong("2147483647", 10), INT32_MAX);
    EXPECT_EQ(ProfileTextToLong("2147483648", 10), INT32_MAX);
    EXPECT_EQ(ProfileTextToLong("-2147483648", 10), INT32_MIN);
    EXPECT_EQ(ProfileTextToLong("-2147483649", 10), INT32_MIN);
    EXPECT_EQ(ProfileTextToLong(std::string(500, '9').c_str(), 10), INT32_MAX);
    EXPECT_EQ(ProfileTextToLong(("-" + std::string(500, '9')).c_str(), 10), INT32_MIN);
    // Leading zeros do not count towards the magnitude.
    EXPECT_EQ(ProfileTextToLong((std::string(60, '0') + "123").c_str(), 10), 123);
}

TEST(ProfileLong, OtherBasesReadThe32BitPattern)
{
    EXPECT_EQ(ProfileTextToLong("FFFFFFFF", 16), -1);
    EXPECT_EQ(ProfileTextToLong("ff", 16), 255);
    EXPECT_EQ(ProfileTextToLong("0xff", 16), 255);
    EXPECT_EQ(ProfileTextToLong("0X1g", 16), 1);
    EXPECT_EQ(ProfileTextToLong("0x", 16), 0);
    EXPECT_EQ(ProfileTextToLong("0xg", 16), 0);
    EXPECT_EQ(ProfileTextToLong("0x10", 8), 0);
    EXPECT_EQ(ProfileTextToLong("-1", 16), -1);
    EXPECT_EQ(ProfileTextToLong("-FFFFFFFF", 16), 1);
    EXPECT_EQ(ProfileTextToLong("80000000", 16), INT32_MIN);
    // Past 32 bits the pattern is all ones, with or without a sign.
    EXPECT_EQ(ProfileTextToLong("100000000", 16), -1);
    EXPECT_EQ(ProfileTextToLong("-100000000", 16), -1);
    EXPECT_EQ(ProfileTextToLong("z", 36), 35);
    EXPECT_EQ(ProfileTextToLong("Z", 35), 0);
    EXPECT_EQ(ProfileTextToLong("102", 2), 2);
}

TEST(ProfileLong, BasesOutsideTwoTo36MeanTen)
{
    for (int base : { -5, 0, 1, 37, 100 }) {
        EXPECT_EQ(ProfileTextToLong("-15", base), -15) << base;
        EXPECT_EQ(ProfileTextToLong("ff", base), 0) << base;
        EXPECT_EQ(ProfileTextToLong("9999999999", base), INT32_MAX) << base;
        EXPECT_EQ(ProfileTextToUnsigned("4294967295", base), 0xFFFFFFFFu) << base;
    }
}

TEST(ProfileUnsigned, NegatesModulo32BitsAndSaturates)
{
    EXPECT_EQ(ProfileTextToUnsigned("4294967295", 10), 0xFFFFFFFFu);
    EXPECT_EQ(ProfileTextToUnsigned("4294967296", 10), 0xFFFFFFFFu);
    EXPECT_EQ(ProfileTextToUnsigned("3000000000", 10), 3000000000u);
    EXPECT_EQ(ProfileTextToUnsigned("-5", 10), 4294967291u);
    EXPECT_EQ(ProfileTextToUnsigned("-4294967296", 10), 0xFFFFFFFFu);
    EXPECT_EQ(ProfileTextToUnsigned("  7fffffff", 16), 0x7FFFFFFFu);
    EXPECT_EQ(ProfileTextToUnsigned(nullptr, 16), 0u);
}

// What the profile's Put writes in a base, its Get reads back unchanged.
TEST(ProfileLong, ReadsBackWhatTheNumberTextsWrite)
{
    for (int32_t value : { 0, 1, -1, 255, -255, 0x7FFFFFFF, INT32_MIN, 123456789 })
        for (int base : { 2, 8, 10, 16, 36 }) {
            const iString text(value, base);
            EXPECT_EQ(ProfileTextToLong(text, base), value) << text.GetString() << " base " << base;
            const iString pattern(static_cast<uint64_t>(static_cast<uint32_t>(value)), base);
            EXPECT_EQ(ProfileTextToUnsigned(pattern, base), static_cast<uint32_t>(value)) << pattern.GetString();
        }
}

// Where long is 32 bits (the Windows builds) the conversions are the C library's strtol and
// strtoul, which the profile used before they were lifted out, with one deliberate difference:
// that strtoul negates its overflow value, so a minus sign before more than 32 bits read as 1.
#if LONG_MAX == 2147483647L // the host build's long is 64 bits: there is no such library to match
TEST(ProfileLong, MatchesTheCLibraryWhereLongIs32Bits)
{
    const char* texts[] = { "",
                            "0",
                            "12abc",
                            " -42",
                            "+7",
                            "- 5",
                            "2147483648",
                            "-2147483649",
                            "4294967295",
                            "4294967296",
                            "-1",
                            "-4294967295",
                            "0x1F",
                            "0X",
                            "0xg",
                            "FFFFFFFF",
                            "100000000",
                            "-80000000",
                            "zz",
                            "\t\r\n 101",
                            "99999999999999999999",
                            "-99999999999" };
    for (const char* text : texts)
        for (int base : { 2, 8, 10, 16, 36 }) {
            const bool negativeOverflow = text[0] == '-' && std::strtoull(text + 1, nullptr, base) > 0xFFFFFFFFull;
            if (negativeOverflow) {
                EXPECT_EQ(ProfileTextToUnsigned(text, base), 0xFFFFFFFFu) << text << " base " << base;
                if (base != 10)
                    EXPECT_EQ(ProfileTextToLong(text, base), -1) << text << " base " << base;
                else
                    EXPECT_EQ(ProfileTextToLong(text, base), std::strtol(text, nullptr, 10)) << text;
                continue;
            }
            if (base == 10)
                EXPECT_EQ(ProfileTextToLong(text, base), std::strtol(text, nullptr, 10)) << text;
            else
                EXPECT_EQ(ProfileTextToLong(text, base), static_cast<long>(std::strtoul(text, nullptr, base)))
                    << text << " base " << base;
            EXPECT_EQ(ProfileTextToUnsigned(text, base), std::strtoul(text, nullptr, base)) << text << " base " << base;
        }
}
#endif
