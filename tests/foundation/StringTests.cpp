#include "iString.h"
#include "iStringMap.h"
#include <gtest/gtest.h>
#include <climits>

TEST(iString, NumberTextsInEachBase)
{
    EXPECT_STREQ("-255", iString(int32_t(-255), 10));
    EXPECT_STREQ("FF", iString(int32_t(255), 16));
    EXPECT_STREQ("FFFFFFFF", iString(int32_t(-1), 16));
    EXPECT_STREQ("-2147483648", iString(int32_t(INT32_MIN), 10));
    EXPECT_STREQ("0", iString(int32_t(0), 2));
    EXPECT_STREQ("101", iString(int32_t(5), 2));
    EXPECT_STREQ("Z", iString(int32_t(35), 36));
    EXPECT_STREQ("-9223372036854775808", iString(int64_t(INT64_MIN), 10));
    EXPECT_STREQ("FFFFFFFFFFFFFFFF", iString(int64_t(-1), 16));
    EXPECT_STREQ("18446744073709551615", iString(uint64_t(UINT64_MAX), 10));
    EXPECT_STREQ("777", iString(uint64_t(511), 8));
}

TEST(iString, MissingResourceSaysSo)
{
    EXPECT_STREQ("Resource string id '123' [0x7B] not found!", iString(123));
    EXPECT_STREQ("Resource string id '48879' [0xBEEF] not found!", iString(0xBEEFu));
}

TEST(iString, AppendsReturnTheNewLength)
{
    iString s("Votes ");
    EXPECT_EQ(9, s.AppendInt(-42));
    EXPECT_EQ(10, s.AppendChar('!'));
    EXPECT_STREQ("Votes -42!", s);
    // Still the framework string underneath.
    s += iString(int32_t(7), 10);
    EXPECT_EQ(0, s.Compare("Votes -42!7"));
    EXPECT_EQ(6, s.Find("-42"));
}

class iStringMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        map[5] = "five";
        map[1] = "one";
        map[3] = "five";
    }
    iStringMap map;
};

TEST_F(iStringMapTest, KeysInAscendingOrder)
{
    EXPECT_EQ(3, map.Count());
    EXPECT_EQ(1, map.KeyAt(0));
    EXPECT_EQ(3, map.KeyAt(1));
    EXPECT_EQ(5, map.KeyAt(2));
    EXPECT_EQ(-1, map.KeyAt(3));
    EXPECT_EQ(-1, map.KeyAt(-1));
}

TEST_F(iStringMapTest, TextAndKeyLookups)
{
    EXPECT_STREQ("one", map.Text(1));
    EXPECT_TRUE(map.Text(4).IsEmpty());
    EXPECT_EQ(3, map.Key("five"));
    EXPECT_EQ(-1, map.Key("FIVE"));
    EXPECT_EQ(-1, map.Key("seven"));
    // A missing key is not added, and what a caller wrote into the empty answer does not stick.
    map.Text(4) = "junk";
    EXPECT_TRUE(map.Text(4).IsEmpty());
    EXPECT_EQ(3, map.Count());
}

TEST(iStringMap, FindPrefixWrapsOnlyWhenAsked)
{
    iStringMap map;
    map[10] = "Abc";
    map[20] = "xyz";
    map[30] = "qqq";
    EXPECT_EQ(0, map.FindPrefix("ab", 2, true));
    EXPECT_EQ(-1, map.FindPrefix("ab", 2, false));
    EXPECT_EQ(1, map.FindPrefix("XY", 0, false));
    EXPECT_EQ(2, map.FindPrefix("q", 1, true));
    // A prefix longer than the text does not match it.
    EXPECT_EQ(-1, map.FindPrefix("abcd", 0, true));
    EXPECT_EQ(-1, map.FindPrefix("none", 1, true));
    EXPECT_EQ(0, map.FindPrefix("", 0, false));
}
