// The shipped programs as files: the same bytes from every build of a commit, and the
// icon Explorer shows.
#include "AfxRes.h"
#include "VotarooVersion.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

const char* const kPrograms[] = { "Z:" VOTAROO_EXE, "Z:" VOTAROO_REPORT_EXE };

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Backslashed(std::string path)
{
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Looks for the text in the bytes, as ANSI and as UTF-16.
bool Holds(const std::string& bytes, const std::string& text)
{
    if (bytes.find(text) != std::string::npos) return true;
    std::string wide;
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return bytes.find(wide) != std::string::npos;
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPSTR*>(found) = name; // integer ids only: names are never used here
    return FALSE;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

} // namespace

TEST(ProgramFile, LinkTimeIsTheCommitsAndNoBuildFolderIsNamed)
{
    for (const char* program : kPrograms) {
        SCOPED_TRACE(program);
        const std::string bytes = ReadAll(program);
        ASSERT_GT(bytes.size(), 1024u);
        LONG peOffset;
        std::memcpy(&peOffset, bytes.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), sizeof peOffset);
        ASSERT_LT(static_cast<size_t>(peOffset) + sizeof(IMAGE_NT_HEADERS32), bytes.size());
        IMAGE_FILE_HEADER header;
        std::memcpy(&header, bytes.data() + peOffset + sizeof(DWORD), sizeof header);
        EXPECT_EQ(static_cast<DWORD>(VOTAROO_SOURCE_DATE_EPOCH), header.TimeDateStamp);

        for (const char* folder : { VOTAROO_SOURCE_DIR, VOTAROO_BINARY_DIR }) {
            EXPECT_FALSE(Holds(bytes, folder)) << folder;
            EXPECT_FALSE(Holds(bytes, Backslashed(folder))) << folder;
        }
    }
}

TEST(ProgramFile, FirstIconGroupIsTheFramesIconInEverySize)
{
    for (const char* program : kPrograms) {
        SCOPED_TRACE(program);
        HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(module);
        LPSTR first = nullptr;
        EnumResourceNamesA(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
        EXPECT_EQ(MAKEINTRESOURCEA(AFX_IDI_STD_FRAME), first);

        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(AFX_IDI_STD_FRAME), RT_GROUP_ICON);
        ASSERT_TRUE(found);
        const auto* group = static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found)));
        ASSERT_TRUE(group);
        std::set<int> sizes;
        for (WORD i = 0; i < group->count; ++i) {
            const GroupIconEntry& entry = group->entries[i];
            const int width = entry.width ? entry.width : 256;
            EXPECT_EQ(entry.width, entry.height);
            EXPECT_EQ(32, entry.bitCount) << width; // alpha edges on any task bar
            sizes.insert(width);
            EXPECT_TRUE(FindResourceA(module, MAKEINTRESOURCEA(entry.id), RT_ICON)) << width;
        }
        EXPECT_EQ((std::set<int>{ 16, 32, 48, 256 }), sizes);

        // The small one is the one the title bar shows: it must decode.
        HICON small =
            static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(AFX_IDI_STD_FRAME), IMAGE_ICON, 16, 16, 0));
        EXPECT_TRUE(small);
        if (small) DestroyIcon(small);
        FreeLibrary(module);
    }
}

TEST(ProgramFile, VersionResourceIsTheBuildsVersion)
{
    for (const char* program : kPrograms) {
        SCOPED_TRACE(program);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
        ASSERT_GT(size, 0u);
        std::string block(size, '\0');
        ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, &block[0]));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(&block[0], "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(VOTAROO_VERSION_MINOR, VOTAROO_VERSION_MAJOR)), fixed->dwFileVersionMS);
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, VOTAROO_VERSION_PATCH)), fixed->dwFileVersionLS);
        char* text = nullptr;
        ASSERT_TRUE(VerQueryValueA(&block[0], "\\StringFileInfo\\040904E4\\ProductVersion",
                                   reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(VOTAROO_VERSION_TEXT, text);
    }
}
