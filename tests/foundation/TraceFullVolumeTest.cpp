// The trace log when its disk fills up: the ctest case trace_full_volume runs this with C:\TMP
// on a small tmpfs in the test prefix (tests/foundation/full-volume.sh).
#include "Trace.h"
#include "TestSupport.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {
const char* const kFile = "C:\\TMP\\TRACE.QRV";
const char* const kFill = "C:\\TMP\\FILL.BIN";

using testing_support::ReadFileBytes;
} // namespace

TEST(TraceFullVolume, ShortWriteIsCutBackSoTheLogKeepsWholeLines)
{
    if (::GetEnvironmentVariableA("VOTAROO_SMALL_TMP", nullptr, 0) == 0)
        GTEST_SKIP() << "needs C:\\TMP on a small volume: ctest case trace_full_volume";
    ::DeleteFileA(kFile);
    Trace(0, "Deck.cpp", 1, "%s", "first");
    const std::string before = ReadFileBytes(kFile);
    ASSERT_EQ("Deck.cpp [1] => first\r\n", before);

    // Fill the volume; only the rest of the log's last block is left.
    HANDLE fill = ::CreateFileA(kFill, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, fill);
    const std::string block(4096, 'f');
    DWORD written = 0;
    for (int i = 0; i < 4096; ++i)
        if (!::WriteFile(fill, block.data(), 4096, &written, nullptr) || written < 4096) break;
    ::CloseHandle(fill);
    ULARGE_INTEGER freeBytes{};
    ASSERT_TRUE(::GetDiskFreeSpaceExA("C:\\TMP\\", &freeBytes, nullptr, nullptr));
    ASSERT_EQ(0u, freeBytes.QuadPart) << "the volume did not fill up";

    // This line fits only in part; the game goes on and the log holds no fragment of it.
    const std::string longMessage(6000, 'x');
    EXPECT_EQ(1, TraceLine(0, "Deck.cpp [2]", longMessage.c_str()));
    EXPECT_EQ(before, ReadFileBytes(kFile));

    // Once there is room again the next line follows the last whole one.
    ASSERT_TRUE(::DeleteFileA(kFill));
    Trace(0, "Deck.cpp", 3, "%s", "after");
    EXPECT_EQ(before + "Deck.cpp [3] => after\r\n", ReadFileBytes(kFile));
    ::DeleteFileA(kFile);
}
