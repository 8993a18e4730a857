// The framework string's everyday operations.
#include "CString.h"
#include <gtest/gtest.h>
#include <string>

TEST(CString, FormatAppendAndCompare)
{
    CString s;
    s.Format("%s [%d]", "file.cpp", 42);
    EXPECT_STREQ(s, "file.cpp [42]");
    s.AppendFormat(" => %04lX", 0x3AL);
    EXPECT_STREQ(s, "file.cpp [42] => 003A");
    EXPECT_TRUE(s == "file.cpp [42] => 003A");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_NE(CString("abc").Compare("ABC"), 0);
    std::string big(5000, 'x');
    s.Format("%s", big.c_str()); // longer than any fixed buffer
    EXPECT_EQ(s.GetLength(), 5000);
}

TEST(CString, SearchAndSlices)
{
    CString s("C:\\GAMES\\PLAY.EXE");
    EXPECT_EQ(s.Find('\\'), 2);
    EXPECT_EQ(s.ReverseFind('.'), 13);
    EXPECT_EQ(s.Find("PLAY"), 9);
    EXPECT_EQ(s.Find('Q'), -1);
    EXPECT_EQ(s.Find('\\', 100), -1);
    EXPECT_STREQ(s.Left(2), "C:");
    EXPECT_STREQ(s.Mid(9, 4), "PLAY");
    EXPECT_STREQ(s.Mid(50), "");
    EXPECT_STREQ(s.Right(3), "EXE");
    EXPECT_STREQ(s.Right(99), s);
}

TEST(CString, BufferAccessAndMissingResource)
{
    CString s;
    char* p = s.GetBuffer(10);
    lstrcpyA(p, "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_FALSE(s.LoadString(12345));
    EXPECT_STREQ(s, "hello"); // unchanged when there is no such string
}
