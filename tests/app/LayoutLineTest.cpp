#include "LayoutLine.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
// Position of the error, with the line checked to be left as it was.
int ErrorAt(const char* value)
{
    LayoutLine line;
    line.left = 1, line.top = 2, line.right = 3, line.bottom = 4, line.style = 5;
    const int position = ParseLayoutLine(value, line);
    EXPECT_TRUE(line.left == 1 && line.top == 2 && line.right == 3 && line.bottom == 4 && line.style == 5 &&
                line.text == nullptr)
        << (value ? value : "(null)");
    return position;
}
} // namespace

TEST(LayoutLine, StaticTextLine)
{
    const char value[] = "10 10 100 12, 50000000, Note";
    LayoutLine line;
    ASSERT_EQ(ParseLayoutLine(value, line), -1);
    EXPECT_EQ(line.left, 10);
    EXPECT_EQ(line.top, 10);
    EXPECT_EQ(line.right, 110);
    EXPECT_EQ(line.bottom, 22);
    EXPECT_EQ(line.style, 0x50000000ul);
    // The text is the rest of the value itself, not a copy.
    EXPECT_EQ(line.text, value + std::strlen("10 10 100 12, 50000000, "));
}

TEST(LayoutLine, SpacesMinusSignsPrefixAndTextToTheEnd)
{
    LayoutLine line;
    ASSERT_EQ(ParseLayoutLine("  -5 -6   20 -3   ,   0x1f   ,   a, b ; c  ", line), -1);
    EXPECT_EQ(line.left, -5);
    EXPECT_EQ(line.top, -6);
    EXPECT_EQ(line.right, 15);
    EXPECT_EQ(line.bottom, -9);
    EXPECT_EQ(line.style, 0x1Ful);
    EXPECT_STREQ(line.text, "a, b ; c  ");
    ASSERT_EQ(ParseLayoutLine("1 2 3 4,AbC,x", line), -1);
    EXPECT_EQ(line.style, 0xABCul);
    EXPECT_STREQ(line.text, "x");
}

TEST(LayoutLine, HugeNumbersSaturateSoTheCornersFit)
{
    LayoutLine line;
    ASSERT_EQ(ParseLayoutLine("99999999999999999999 -99999999999 99999999999 -99999999999, 123456789ABCDEF, t", line),
              -1);
    EXPECT_EQ(line.left, 0x3FFFFFFF);
    EXPECT_EQ(line.right, 0x7FFFFFFE);
    EXPECT_EQ(line.top, -0x3FFFFFFF);
    EXPECT_EQ(line.bottom, -0x7FFFFFFE);
    EXPECT_EQ(line.style, 0xFFFFFFFFul);
}

TEST(LayoutLine, EndBeforeTheTextIsAnError)
{
    EXPECT_EQ(ErrorAt(""), 0);
    EXPECT_EQ(ErrorAt("10 10 100"), 9);
    EXPECT_EQ(ErrorAt("10 10 100 12"), 12);
    EXPECT_EQ(ErrorAt("10 10 100 12, "), 14);
    EXPECT_EQ(ErrorAt("10 10 100 12, 50000000"), 22);
    EXPECT_EQ(ErrorAt("10 10 100 12, 50000000,"), 23);
    EXPECT_EQ(ErrorAt("10 10 100 12, 50000000,   "), 26);
    EXPECT_EQ(ErrorAt(nullptr), 0);
}

TEST(LayoutLine, ErrorPositionIsWhereReadingStopped)
{
    EXPECT_EQ(ErrorAt("10 10 100 12, 50000000 Note"), 23); // second comma missing
    EXPECT_EQ(ErrorAt("10 10 100 12 50000000, Note"), 13); // first comma missing
    EXPECT_EQ(ErrorAt("10, 10 100 12, 5, x"), 2);
    EXPECT_EQ(ErrorAt("10 10 - 12, 5, x"), 7);
    EXPECT_EQ(ErrorAt("10 10 +1 12, 5, x"), 6);
    EXPECT_EQ(ErrorAt("10 10 100 12, 5g, x"), 15);
    EXPECT_EQ(ErrorAt("10 10 100 12, 0x, x"), 15);
    EXPECT_EQ(ErrorAt("10 10 100 12, 5; x"), 15); // a semicolon ends the style, yet a comma must follow
    EXPECT_EQ(ErrorAt("10 10 100 12, 5\t, x"), 15);
    EXPECT_EQ(ErrorAt("10\t10 100 12, 5, x"), 2);
}
