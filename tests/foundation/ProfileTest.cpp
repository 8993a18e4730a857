// The profile store on real initialisation files in the prefix's temp folder.
#include "iProfile.h"
#include "iProfileEx.h"
#include "LibraryString.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string TempFile(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

void RemoveProfile(const std::string& path)
{
    // Flush the platform's cached copy before the file goes.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    ::DeleteFileA(path.c_str());
}

std::string ProgramDirectory()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string full(path, n);
    return full.substr(0, full.rfind('\\') + 1);
}

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = TempFile("VotarooProfileTest.ini");
        RemoveProfile(path);
    }
    void TearDown() override { RemoveProfile(path); }
    std::string path;
};

class ProfileDefault : public ::testing::Test {
protected:
    void SetUp() override { saved = iProfile::DefaultMode(); }
    void TearDown() override { iProfile::SetDefaultMode(saved); }
    int saved = 0;
};

TEST_F(ProfileDefault, ModeZeroFollowsTheDefaultInForceAtConstruction)
{
    iProfile::SetDefaultMode(ProfileProtected);
    iProfile before;
    EXPECT_EQ(before.Mode(), ProfileProtected);
    EXPECT_STREQ(before.FileName(), "foundation_tests.INI");

    iProfile::SetDefaultMode(3);
    iProfile after;
    EXPECT_EQ(after.Mode(), ProfilePrivate);
    EXPECT_EQ(std::string(after.FileName()), ProgramDirectory() + "foundation_tests.INI");
    // Objects made earlier keep their own mode.
    EXPECT_EQ(before.Mode(), ProfileProtected);

    iProfile dlg(ProfilePrivate, nullptr, ".dlg");
    EXPECT_EQ(std::string(dlg.FileName()), ProgramDirectory() + "foundation_tests.dlg");
}

TEST(ProfileFileName, EveryModeAndTheFallback)
{
    const char* play = "C:\\GAMES\\PLAY.EXE";
    iString out;
    iProfile::MakeFileName(play, ProfileProtected, out, nullptr, nullptr);
    EXPECT_STREQ(out, "PLAY.INI");
    iProfile::MakeFileName("C:\\GAMES\\PLAY.exe", ProfileProtected, out, nullptr, nullptr);
    EXPECT_STREQ(out, "PLAY.INI");
    iProfile::MakeFileName(play, ProfilePrivate, out, nullptr, nullptr);
    EXPECT_STREQ(out, "C:\\GAMES\\PLAY.INI");
    iProfile::MakeFileName(play, ProfilePrivate, out, nullptr, ".dlg");
    EXPECT_STREQ(out, "C:\\GAMES\\PLAY.dlg");

    iProfile::MakeFileName(play, ProfileProtected, out, "SCORES", nullptr);
    EXPECT_STREQ(out, "SCORES.INI");
    iProfile::MakeFileName(play, ProfileProtected, out, "scores.ini", nullptr);
    EXPECT_STREQ(out, "scores.ini");
    iProfile::MakeFileName(play, ProfilePrivate, out, "SCORES", nullptr);
    EXPECT_STREQ(out, "C:\\GAMES\\SCORES.INI");
    iProfile::MakeFileName(play, ProfilePrivate, out, "SCORES.INI", nullptr);
    EXPECT_STREQ(out, "C:\\GAMES\\SCORES.INI");
    iProfile::MakeFileName(play, ProfilePrivate, out, "scores.Ini", nullptr);
    EXPECT_STREQ(out, "C:\\GAMES\\scores.Ini");
    iProfile::MakeFileName(play, ProfilePath, out, "D:\\DATA\\X", nullptr);
    EXPECT_STREQ(out, "D:\\DATA\\X.INI");

    // Public leaves the output alone.
    out = "kept";
    iProfile::MakeFileName(play, ProfilePublic, out, "SCORES", nullptr);
    EXPECT_STREQ(out, "kept");
}

TEST(ProfileFileName, FallsBackToQrvIni)
{
    iString out;
    iProfile::MakeFileName("C:\\GAMES\\PLAY", ProfilePrivate, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    iProfile::MakeFileName("C:\\GAMES\\PLAY", ProfileProtected, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    iProfile::MakeFileName("PLAY.EXE", ProfilePrivate, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    iProfile::MakeFileName(nullptr, ProfilePrivate, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    iProfile::MakeFileName("C:\\GAMES\\PLAY.EXE", 7, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    // A directory named like a program is not the program's extension.
    iProfile::MakeFileName("C:\\OLD.EXE\\PLAY", ProfilePrivate, out, nullptr, nullptr);
    EXPECT_STREQ(out, "QRV.INI");

    iProfile odd(7, "SCORES");
    EXPECT_EQ(odd.Mode(), 7);
    EXPECT_STREQ(odd.FileName(), "QRV.INI");
}

TEST(ProfileFileName, NeverMakesAPathPast255Characters)
{
    std::string dir = "C:\\" + std::string(240, 'd') + "\\";
    std::string program = dir + "PLAY.EXE";
    iString out;
    iProfile::MakeFileName(program.c_str(), ProfilePrivate, out, nullptr, nullptr);
    EXPECT_EQ(std::string(out), dir + "PLAY.INI");
    iProfile::MakeFileName(program.c_str(), ProfilePrivate, out, std::string(20, 'n').c_str(), nullptr);
    EXPECT_STREQ(out, "QRV.INI");
    iProfile::MakeFileName(program.c_str(), ProfilePrivate, out, nullptr, ".averylongextension");
    EXPECT_STREQ(out, "QRV.INI");
}

TEST_F(ProfileFile, TypedTextForms)
{
    iProfile p(ProfilePath, path.c_str(), "");
    ASSERT_STREQ(p.FileName(), path.c_str());
    p.SetSection("Typed");

    EXPECT_TRUE(p.Put("On", true));
    EXPECT_TRUE(p.Put("Off", false));
    EXPECT_TRUE(p.PutString(nullptr, "Lower", "true"));
    iString text;
    p.GetString("On", text);
    EXPECT_STREQ(text, "TRUE");
    p.GetString("Off", text);
    EXPECT_STREQ(text, "FALSE");
    bool on = false, off = true, lower = true;
    EXPECT_EQ(p.Get("On", on), 4);
    EXPECT_EQ(p.Get("Off", off), 5);
    EXPECT_EQ(p.Get("Lower", lower), 4);
    EXPECT_TRUE(on);
    EXPECT_FALSE(off);
    EXPECT_FALSE(lower);

    p.PutString(nullptr, "Mixed", "12abc");
    p.PutString(nullptr, "Letters", "abc");
    int mixed = -1, letters = -1, missing = 77;
    EXPECT_EQ(p.Get("Mixed", mixed), 5);
    EXPECT_EQ(mixed, 12);
    EXPECT_EQ(p.Get("Letters", letters), 3);
    EXPECT_EQ(letters, 0);
    EXPECT_EQ(p.Get("Missing", missing), 0);
    EXPECT_EQ(missing, 77);
    bool keep = true;
    EXPECT_EQ(p.Get("Missing", keep), 0);
    EXPECT_TRUE(keep);
    iString kept("preset");
    EXPECT_EQ(p.Get("Missing", kept), 0);
    EXPECT_STREQ(kept, "preset");
    EXPECT_EQ(p.GetString("Missing", text), 0);
    EXPECT_TRUE(text.IsEmpty());

    p.PutString(nullptr, "Big", "99999999999");
    long big = 0;
    p.Get("Big", big);
    EXPECT_EQ(big, 2147483647L);
    int8_t narrow = 0;
    p.PutString(nullptr, "Wide", "300");
    p.Get("Wide", narrow);
    EXPECT_EQ(narrow, static_cast<int8_t>(300));

    EXPECT_TRUE(p.Put("Pi", 3.25));
    p.GetString("Pi", text);
    EXPECT_STREQ(text, "3.250000");
    double pi = 0;
    p.Get("Pi", pi);
    EXPECT_DOUBLE_EQ(pi, 3.25);
    EXPECT_FALSE(p.Put("Huge", 1e80));
    EXPECT_EQ(p.GetString("Huge", text), 0);
}

TEST_F(ProfileFile, IntegerRoundTripsAndBases)
{
    iProfile p(ProfilePath, path.c_str(), "");
    p.SetSection("Numbers");
    iString text;

    EXPECT_TRUE(p.Put("Hex", 255, nullptr, 16));
    p.GetString("Hex", text);
    EXPECT_STREQ(text, "FF");
    EXPECT_TRUE(p.Put("NegHex", -1, nullptr, 16));
    p.GetString("NegHex", text);
    EXPECT_STREQ(text, "FFFFFFFF");
    int back = 0;
    p.Get("NegHex", back, nullptr, 16);
    EXPECT_EQ(back, -1);
    int16_t small = 0;
    EXPECT_TRUE(p.Put("NegSmall", static_cast<int16_t>(-2), nullptr, 2));
    p.GetString("NegSmall", text);
    EXPECT_STREQ(text, std::string(31, '1').append("0").c_str());
    p.Get("NegSmall", small, nullptr, 2);
    EXPECT_EQ(small, -2);
    EXPECT_TRUE(p.Put("Neg", -42, nullptr, 10));
    p.GetString("Neg", text);
    EXPECT_STREQ(text, "-42");

    unsigned large = 0;
    EXPECT_TRUE(p.Put("Large", 4000000000u));
    EXPECT_GT(p.Get("Large", large), 0);
    EXPECT_EQ(large, 4000000000u);
    uint8_t byte = 0;
    EXPECT_TRUE(p.Put("Byte", static_cast<uint8_t>(200)));
    p.Get("Byte", byte);
    EXPECT_EQ(byte, 200);

    // Section-first forms and an explicit section beside the current one.
    EXPECT_TRUE(p.Put("Other", "Count", 5));
    EXPECT_TRUE(p.Put("Other", "Flag", true));
    EXPECT_TRUE(p.Put("Other", "Wide", 70000L));
    int count = 0;
    bool flag = false;
    long wide = 0;
    EXPECT_EQ(p.Get("Other", "Count", count), 1);
    EXPECT_EQ(p.Get("Other", "Flag", flag), 4);
    EXPECT_EQ(p.Get("Other", "Wide", wide), 5);
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(flag);
    EXPECT_EQ(wide, 70000L);
    int notHere = 9;
    EXPECT_EQ(p.Get("Count", notHere), 0);
    EXPECT_EQ(p.Get("Count", notHere, "Other"), 1);
    EXPECT_EQ(notHere, 5);
}

TEST_F(ProfileFile, LongValuesAndCallerBuffers)
{
    iProfile p(ProfilePath, path.c_str(), "");
    p.SetSection("Long");
    std::string value(3000, 'x');
    for (size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>('a' + i % 26);
    ASSERT_TRUE(p.Put("Text", value.c_str()));
    iString text;
    EXPECT_EQ(p.GetString("Text", text), 2047);
    EXPECT_EQ(std::string(text), value.substr(0, 2047));

    // A value far longer than any buffer is cut the same way.
    std::string huge(70000, 'y');
    ASSERT_TRUE(p.Put("Huge", huge.c_str()));
    EXPECT_EQ(p.GetString("Huge", text), 2047);
    EXPECT_EQ(std::string(text), huge.substr(0, 2047));

    char small[8] = "old";
    EXPECT_EQ(p.Get("Text", small), 2047);
    EXPECT_STREQ(small, "abcdefg");
    char untouched[8] = "old";
    EXPECT_EQ(p.Get("Missing", untouched), 0);
    EXPECT_STREQ(untouched, "old");
}

TEST_F(ProfileFile, FormattedAccess)
{
    iProfile p(ProfilePath, path.c_str(), "");
    p.SetSection("Format");
    EXPECT_EQ(p.PutFormat("Pair", "%d/%s", 7, "seven"), 7);
    iString text;
    p.GetString("Pair", text);
    EXPECT_STREQ(text, "7/seven");
    int number = 0;
    char word[16] = "";
    EXPECT_EQ(p.GetFormat("Pair", "%d/%15s", &number, word), 2);
    EXPECT_EQ(number, 7);
    EXPECT_STREQ(word, "seven");
    EXPECT_EQ(p.GetFormat("Missing", "%d", &number), -1);
    EXPECT_EQ(p.PutFormat("Long", "%s", std::string(1500, 'z').c_str()), 1023);
    EXPECT_EQ(p.GetString("Long", text), 1023);
}

TEST_F(ProfileFile, WritesCreateTheFileAndReadOnlyRefuses)
{
    iProfile p(ProfilePath, path.c_str(), "");
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(p.PutString("S", "K", "V"));
    EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    iString text;
    EXPECT_EQ(p.GetString("s", "k", text), 1);
    EXPECT_STREQ(text, "V");

    std::string dir = TempFile("VotarooNoSuchDir\\");
    iProfile nowhere(ProfilePath, (dir + "x.ini").c_str());
    EXPECT_FALSE(nowhere.PutString("S", "K", "V"));
}

TEST_F(ProfileFile, PointsSizesAndRectanglesOnFile)
{
    iProfileEx p(ProfilePath, path.c_str(), "");
    p.SetSection("Shapes");
    EXPECT_TRUE(p.Put("Where", CPoint(10, 20)));
    EXPECT_TRUE(p.Put("Big", CSize(-3, 4)));
    EXPECT_TRUE(p.Put("Area", CRect(0, 0, 640, 480)));
    iString text;
    p.GetString("Where", text);
    EXPECT_STREQ(text, "10 20");
    p.GetString("Area", text);
    EXPECT_STREQ(text, "0 0 640 480");

    CPoint pt;
    CSize sz;
    CRect rc;
    EXPECT_EQ(p.Get("Where", pt), 5);
    EXPECT_EQ(pt, CPoint(10, 20));
    EXPECT_EQ(p.Get("Big", sz), 4);
    EXPECT_EQ(sz, CSize(-3, 4));
    EXPECT_EQ(p.Get("Area", rc), 11);
    EXPECT_EQ(rc.Width(), 640);
    EXPECT_EQ(rc.Height(), 480);

    p.PutString(nullptr, "Bad", "10,20");
    pt = CPoint(1, 2);
    EXPECT_EQ(p.Get("Bad", pt), 0);
    EXPECT_EQ(pt, CPoint(10, 2));
    pt = CPoint(1, 2);
    EXPECT_EQ(p.Get("Missing", pt), 0);
    EXPECT_EQ(pt, CPoint(1, 2));

    // The base forms stay reachable through the derived class.
    EXPECT_TRUE(p.Put("Count", 3));
    int count = 0;
    EXPECT_EQ(p.Get("Count", count), 1);
    EXPECT_EQ(count, 3);
}

// The program's own .INI decides the default; a bad or missing entry warns once and is repaired.
class ProfileModeFile : public ProfileDefault {
protected:
    void SetUp() override
    {
        ProfileDefault::SetUp();
        file = ProgramDirectory() + "foundation_tests.INI";
        RemoveProfile(file);
    }
    void TearDown() override
    {
        RemoveProfile(file);
        ProfileDefault::TearDown();
    }
    std::string Stored()
    {
        char value[64] = "";
        ::GetPrivateProfileStringA("Default", "Mode", "", value, sizeof value, file.c_str());
        return value;
    }
    std::string Expected(int reason)
    {
        return std::string(LibraryString(reason)) + "\n" + LibraryString(93) + "\n[" + file + "]";
    }
    std::string file;
};

TEST_F(ProfileModeFile, MissingKeyWarnsAndWritesPrivate)
{
    iProfile::SetDefaultMode(ProfilePublic);
    {
        testing_support::ModalAnswerer answer;
        iProfile::ReadDefaultMode();
        ASSERT_EQ(answer.seen().size(), 1u);
        EXPECT_EQ(answer.seen()[0].caption, ".INI File");
        EXPECT_EQ(answer.seen()[0].text, Expected(91));
    }
    EXPECT_EQ(iProfile::DefaultMode(), ProfilePrivate);
    EXPECT_EQ(Stored(), "Private");

    // The repaired file is read quietly next time.
    iProfile::SetDefaultMode(ProfileProtected);
    testing_support::ModalAnswerer answer;
    iProfile::ReadDefaultMode();
    EXPECT_TRUE(answer.seen().empty());
    EXPECT_EQ(iProfile::DefaultMode(), ProfilePrivate);
}

TEST_F(ProfileModeFile, NamesAreTakenWithoutRegardToCase)
{
    testing_support::ModalAnswerer answer;
    ::WritePrivateProfileStringA("Default", "Mode", "protected", file.c_str());
    iProfile::ReadDefaultMode();
    EXPECT_EQ(iProfile::DefaultMode(), ProfileProtected);
    ::WritePrivateProfileStringA("Default", "Mode", "PUBLIC", file.c_str());
    iProfile::ReadDefaultMode();
    EXPECT_EQ(iProfile::DefaultMode(), ProfilePublic);
    ::WritePrivateProfileStringA("Default", "Mode", "Private", file.c_str());
    iProfile::ReadDefaultMode();
    EXPECT_EQ(iProfile::DefaultMode(), ProfilePrivate);
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(ProfileModeFile, UnknownValueWarnsAndIsReplaced)
{
    ::WritePrivateProfileStringA("Default", "Mode", "Shared", file.c_str());
    iProfile::SetDefaultMode(ProfilePublic);
    testing_support::ModalAnswerer answer;
    iProfile::ReadDefaultMode();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, ".INI File");
    EXPECT_EQ(answer.seen()[0].text, Expected(92));
    EXPECT_EQ(iProfile::DefaultMode(), ProfilePrivate);
    EXPECT_EQ(Stored(), "Private");
}

TEST(ProfileStorage, PublicUsesTheSharedProfileAndProtectedTheWindowsDirectory)
{
    iProfile shared(ProfilePublic, "ignored");
    EXPECT_STREQ(shared.FileName(), "");
    ASSERT_TRUE(shared.PutString("VotarooProfileTest", "Key", "shared"));
    char check[32] = "";
    ::GetProfileStringA("VotarooProfileTest", "Key", "", check, sizeof check);
    EXPECT_STREQ(check, "shared");
    iString text;
    EXPECT_EQ(shared.GetString("VotarooProfileTest", "Key", text), 6);
    EXPECT_STREQ(text, "shared");
    ::WriteProfileStringA("VotarooProfileTest", nullptr, nullptr);

    iProfile bare(ProfileProtected, "VotarooProtectedTest");
    EXPECT_STREQ(bare.FileName(), "VotarooProtectedTest.INI");
    ASSERT_TRUE(bare.PutString("S", "K", "bare"));
    char windows[MAX_PATH];
    ::GetWindowsDirectoryA(windows, sizeof windows);
    std::string where = std::string(windows) + "\\VotarooProtectedTest.INI";
    EXPECT_NE(::GetFileAttributesA(where.c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveProfile(where);
}

} // namespace
