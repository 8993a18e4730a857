#include "Trace.h"
#include "TestSupport.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {
const char* const kDir = "C:\\TMP";
const char* const kFile = "C:\\TMP\\TRACE.QRV";
const char* const kSaved = "C:\\TMP.foundation-tests-saved";

bool Exists(const char* path) { return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

std::string ReadLog() { return testing_support::ReadFileBytes(kFile); }

void WriteLog(const std::string& bytes)
{
    HANDLE file = ::CreateFileA(kFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}
} // namespace

// The log's place is fixed, so each test moves whatever is at C:\TMP aside and puts it back.
class TraceLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Exists(kSaved)) << "left over from an earlier run: " << kSaved;
        m_moved = Exists(kDir);
        if (m_moved) {
            ASSERT_TRUE(::MoveFileA(kDir, kSaved));
        }
        ASSERT_TRUE(::CreateDirectoryA(kDir, nullptr));
        traceEnabled = 1;
    }
    void TearDown() override
    {
        traceEnabled = 1;
        ::DeleteFileA(kFile);
        ::RemoveDirectoryA(kDir);
        if (m_moved) {
            EXPECT_TRUE(::MoveFileA(kSaved, kDir));
        }
    }
    bool m_moved = false;
};

TEST_F(TraceLog, LineLayoutAndAppending)
{
    Trace(0, "MainFrameWnd.cpp", 217, "%s : %s %s %s (%d, %d, %d)", "MainFrameWnd::IsMatch", "03", "05", "08", 4, 6, 9);
    Trace(0, "MainFrameWnd.cpp", 301, "MainFrameWnd::DoGameMatch");
    EXPECT_EQ("MainFrameWnd.cpp [217] => MainFrameWnd::IsMatch : 03 05 08 (4, 6, 9)\r\n"
              "MainFrameWnd.cpp [301] => MainFrameWnd::DoGameMatch\r\n",
              ReadLog());

    // A later run keeps what an earlier one wrote; a format of no conversions is written as it is.
    WriteLog("earlier run\r\n");
    Trace(0, "Deck.cpp", 7, "100%% sure");
    EXPECT_EQ(1, TraceLine(5, "loc", "msg"));
    EXPECT_EQ("earlier run\r\nDeck.cpp [7] => 100% sure\r\nloc => msg\r\n", ReadLog());
}

TEST_F(TraceLog, MissingDirectoryLosesTheLine)
{
    ASSERT_TRUE(::RemoveDirectoryA(kDir));
    Trace(0, "Deck.cpp", 1, "%s", "lost");
    EXPECT_EQ(1, TraceLine(0, "a", "b"));
    EXPECT_FALSE(Exists(kDir));
    EXPECT_FALSE(Exists(kFile));
    ASSERT_TRUE(::CreateDirectoryA(kDir, nullptr));
    Trace(0, "Deck.cpp", 2, "%s", "kept");
    EXPECT_EQ("Deck.cpp [2] => kept\r\n", ReadLog());
}

TEST_F(TraceLog, LockedFileLosesTheLine)
{
    WriteLog("before\r\n");
    HANDLE other = ::CreateFileA(kFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(1, TraceLine(0, "a", "b"));
    ::CloseHandle(other);
    EXPECT_EQ("before\r\n", ReadLog());
}

TEST_F(TraceLog, DisabledWritesNothing)
{
    traceEnabled = 0;
    EXPECT_EQ(0, TraceLine(0, "a", "b"));
    Trace(0, "Deck.cpp", 3, "%s", "off");
    EXPECT_FALSE(Exists(kFile));
}

TEST_F(TraceLog, LongTextsAreCutAndKeepTheirLineEnd)
{
    std::string message(5000, 'm');
    Trace(0, "Deck.cpp", 4, "%s", message.c_str());
    EXPECT_EQ("Deck.cpp [4] => " + std::string(4095, 'm') + "\r\n", ReadLog());

    ::DeleteFileA(kFile);
    std::string location(9000, 'l');
    Trace(0, location.c_str(), 5, "%s", message.c_str());
    std::string line = ReadLog();
    EXPECT_EQ(8191u, line.size());
    EXPECT_EQ(std::string(4095, 'l') + " => " + std::string(4090, 'm') + "\r\n", line);

    // Texts handed straight to the writer are cut to the line buffer too.
    ::DeleteFileA(kFile);
    EXPECT_EQ(1, TraceLine(0, location.c_str(), message.c_str()));
    EXPECT_EQ(std::string(8189, 'l') + "\r\n", ReadLog());
}
