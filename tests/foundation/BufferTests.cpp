#include "iRevolveString.h"
#include "ScratchBuffers.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

TEST(iRevolveString, SharedRingStartsWithFourBuffers)
{
    iRevolveString& ring = iRevolveString::Shared();
    EXPECT_EQ(&ring, &iRevolveString::Shared());
    EXPECT_GE(ring.Count(), 4);
    EXPECT_EQ(32, ring.Limit());
    EXPECT_EQ(2056u, ring.SizeAt(0));
}

TEST(iRevolveString, FifthGetReturnsTheFirstBuffer)
{
    iRevolveString ring(4, 2048, 32);
    char* first = ring.Get(10);
    std::strcpy(first, "kept");
    char* others[3] = { ring.Get(10), ring.Get(10), ring.Get(10) };
    for (char* p : others) EXPECT_NE(first, p);
    EXPECT_STREQ("kept", first);
    EXPECT_EQ(first, ring.Get(10));
    EXPECT_EQ('\0', first[0]);
    EXPECT_EQ(4, ring.Count());
}

TEST(iRevolveString, GrowsUntilTheLimitThenReplaces)
{
    iRevolveString ring(2, 16, 3);
    char* big = ring.Get(100);
    EXPECT_EQ(3, ring.Count());
    EXPECT_EQ(104u, ring.SizeAt(2));
    std::memset(big, 'x', 100);
    EXPECT_EQ('\0', big[100]);
    // At the limit a small buffer is replaced by one large enough.
    ring.Get(5);
    char* again = ring.Get(500);
    EXPECT_EQ(3, ring.Count());
    EXPECT_EQ(504u, ring.SizeAt(1));
    std::memset(again, 'y', 500);
    EXPECT_EQ('\0', again[500]);
}

TEST(iRevolveString, CopiesAndNext)
{
    iRevolveString ring(4, 8, 4);
    EXPECT_STREQ("a longer text than eight", ring.Copy("a longer text than eight"));
    EXPECT_STREQ("abc", ring.Copy("abcdef", 3));
    EXPECT_STREQ("abcdef", ring.Copy("abcdef", 0));
    // A length past the end of the text copies only the text.
    EXPECT_STREQ("ab", ring.Copy("ab", 50));
    EXPECT_STREQ("", ring.Copy(nullptr));

    iRevolveString fresh(3, 8, 3);
    char* last = fresh.Get(4);
    std::strcpy(last, "abcd");
    char* next = fresh.Next();
    EXPECT_EQ(last, next);
    EXPECT_EQ(std::string(8, '\0'), std::string(next, 8));
    EXPECT_NE(last, fresh.Next());
}

TEST(ScratchBuffers, SharedSetStartsWithSixteen)
{
    ScratchBuffers& shared = ScratchBuffers::Shared();
    EXPECT_GE(shared.Count(), 16);
    EXPECT_EQ(1024u, shared.SizeAt(0));
}

TEST(ScratchBuffers, SearchesOnFromTheLastThenFromTheStart)
{
    ScratchBuffers buffers(3, 64, 4);
    EXPECT_EQ(buffers.At(0), buffers.Request(64));
    EXPECT_EQ(buffers.At(1), buffers.Request(10));
    EXPECT_EQ(buffers.At(2), buffers.Request(10));
    EXPECT_EQ(buffers.At(0), buffers.Request(10));

    // Nothing large enough: a new buffer, rounded up, handed out last.
    char* big = buffers.Request(100);
    EXPECT_EQ(4, buffers.Count());
    EXPECT_EQ(big, buffers.At(3));
    EXPECT_EQ(104u, buffers.SizeAt(3));
    EXPECT_EQ(3, buffers.LastIndex());

    // From after the last to the end finds nothing, so the search starts again at the first.
    EXPECT_EQ(buffers.At(0), buffers.Request(64));
    EXPECT_EQ(buffers.At(3), buffers.Request(65));
    EXPECT_EQ(buffers.At(0), buffers.Request(1));

    // A full table doubles its room.
    buffers.Request(1000);
    EXPECT_EQ(5, buffers.Count());
    EXPECT_EQ(8, buffers.Room());

    // Buffers are handed out as they are.
    std::strcpy(buffers.At(0), "left over");
    EXPECT_STREQ("left over", buffers.Request(64));
}
