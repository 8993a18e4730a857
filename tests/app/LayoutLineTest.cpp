// The layout file's text line: rectangle, style and text, or where reading stopped.
#include "LayoutLine.h"
#include <gtest/gtest.h>
#include <string>

namespace {

int Stop(const char* text)
{
    LayoutLine line;
    return ParseLayoutLine(text, line);
}

TEST(LayoutLine, ParsesRectangleStyleAndText)
{
    LayoutLine line;
    ASSERT_EQ(ParseLayoutLine("10 10 100 12, 50000000, Note", line), -1);
    EXPECT_EQ(line.left, 10);
    EXPECT_EQ(line.top, 10);
    EXPECT_EQ(line.right, 110);
    EXPECT_EQ(line.bottom, 22);
    EXPECT_EQ(line.style, 0x50000000ul);
    EXPECT_STREQ(line.text, "Note");

    // Leading spaces, minus signs, a style ended by a comma, and a text keeping its own commas.
    ASSERT_EQ(ParseLayoutLine("  -5 -7   20 3 ,7,  a, b ", line), -1);
    EXPECT_EQ(line.left, -5);
    EXPECT_EQ(line.right, 15);
    EXPECT_EQ(line.bottom, -4);
    EXPECT_EQ(line.style, 7ul);
    EXPECT_STREQ(line.text, "a, b ");
}

TEST(LayoutLine, ReportsWhereReadingStopped)
{
    EXPECT_EQ(Stop("10 10 100 12, 50000000"), 22);      // ends inside the style
    EXPECT_EQ(Stop("10 10 100 12, 50000000 Note"), 23); // second comma missing
    EXPECT_EQ(Stop("10 10 100 12, 50000000, "), 24);    // no text
    EXPECT_EQ(Stop("10 10 100"), 9);                    // ends after a number
    EXPECT_EQ(Stop("10 10 100 12 50000000, x"), 13);    // first comma missing
    EXPECT_EQ(Stop("10 10 100 12,"), 13);               // ends after a comma
    EXPECT_EQ(Stop("10 x 100 12, 5, x"), 3);            // not a number
    EXPECT_EQ(Stop("10 10 100 12, 50G0, x"), 16);       // not a hexadecimal digit
    EXPECT_EQ(Stop("10 10 100 12, 5;, x"), 15);         // a semicolon ends the style, then a comma is due
    EXPECT_EQ(Stop(""), 0);
    EXPECT_EQ(Stop(nullptr), 0);
}

TEST(LayoutLine, HugeNumbersSaturateWithoutOverflow)
{
    LayoutLine line;
    ASSERT_EQ(ParseLayoutLine("99999999999999999999 -99999999999999999999 99999999999999 1, FFFFFFFFFFFF, t", line),
              -1);
    EXPECT_EQ(line.right, line.left + 0x3FFFFFFF);
    EXPECT_EQ(line.top, -0x3FFFFFFF);
    EXPECT_EQ(line.bottom, line.top + 1);
    EXPECT_EQ(line.style, 0xFFFFFFFFul);
}

} // namespace
