// Every picture, sound and cursor the program carries loads from the built program file.
#include "iPicture.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// votaroo.exe is built beside the tests folder.
HMODULE LoadProgram()
{
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    path = path.substr(0, path.rfind('\\'));
    path = path.substr(0, path.rfind('\\')) + "\\votaroo.exe";
    return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

const char* const kCards[18] = { "KAZ", "00", "01", "02", "03", "04", "05", "06", "07",
                                 "08",  "09", "10", "11", "12", "13", "14", "15", "16" };

int Pixels(long himetric) { return MulDiv(himetric, 96, 2540); }

TEST(ProgramResources, PicturesSoundsAndCursorAreAllThere)
{
    OleInitialize(nullptr);
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    for (int code = 0; code < 18; ++code) {
        iPicture card(program, kCards[code]);
        ASSERT_TRUE(card.IsLoaded()) << kCards[code];
        EXPECT_EQ(Pixels(card.GetWidth()), code == 0 ? 89 : 107) << kCards[code];
        EXPECT_EQ(Pixels(card.GetHeight()), code == 0 ? 154 : 170) << kCards[code];
    }
    iPicture background(program, "white house"); // names match without regard to case
    ASSERT_TRUE(background.IsLoaded());
    EXPECT_EQ(Pixels(background.GetWidth()), 640);
    EXPECT_EQ(Pixels(background.GetHeight()), 480);
    iPicture flag(program, "Flag");
    ASSERT_TRUE(flag.IsLoaded());
    EXPECT_EQ(Pixels(flag.GetWidth()), 30);
    EXPECT_EQ(Pixels(flag.GetHeight()), 22);
    for (const char* sound : { "BEGIN", "END", "MISSING", "MISTAKEN", "SCORING" }) {
        HRSRC r = ::FindResourceA(program, sound, "WAVE");
        ASSERT_NE(r, nullptr) << sound;
        const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(program, r)));
        EXPECT_EQ(std::string(bytes + 8, 4), "WAVE") << sound;
    }
    EXPECT_NE(::FindResourceA(program, MAKEINTRESOURCEA(23460), MAKEINTRESOURCEA(12)), nullptr); // RT_GROUP_CURSOR
    ::FreeLibrary(program);
}

} // namespace
