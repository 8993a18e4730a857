#include "LibraryString.h"
#include <gtest/gtest.h>
#include <string>

TEST(LibraryString, CarriedTexts)
{
    EXPECT_STREQ("NONE", LibraryString(3));
    EXPECT_STREQ("SOME", LibraryString(4));
    EXPECT_STREQ("ALL", LibraryString(5));
    EXPECT_STREQ(".INI File", LibraryString(90));
    EXPECT_STREQ("Section: [Default] and/or Key Name: Mode= not found in .INI file.", LibraryString(91));
    EXPECT_STREQ("Section: [Default] Key Name: Mode= in .INI file is not Private, Protected or Public!",
                 LibraryString(92));
    EXPECT_STREQ(".INI file will be in same directory as program file.", LibraryString(93));
}

TEST(LibraryString, EmptySlotsGiveTheBracketedNumber)
{
    EXPECT_STREQ("[       22 ]", LibraryString(22));
    EXPECT_STREQ("[     1234 ]", LibraryString(1234));
    EXPECT_STREQ("[      450 ]", LibraryString(450));
    EXPECT_STREQ("[ 4294967295 ]", LibraryString(0xFFFFFFFFu));
}

TEST(LibraryString, EmptyTextIsNotMissing)
{
    for (uint32_t n : { 63u, 403u, 417u, 419u }) {
        const char* text = LibraryString(n);
        ASSERT_NE(nullptr, text);
        EXPECT_STREQ("", text) << n;
    }
}

TEST(LibraryString, FallbackBuffersRotateByFour)
{
    const char* first = LibraryString(22);
    const char* seen[3] = { LibraryString(23), LibraryString(24), LibraryString(25) };
    for (const char* p : seen) EXPECT_NE(first, p);
    EXPECT_STREQ("[       22 ]", first);
    const char* fifth = LibraryString(26);
    EXPECT_EQ(first, fifth);
    EXPECT_STREQ("[       26 ]", first);
    EXPECT_STREQ("[       25 ]", seen[2]);
}
