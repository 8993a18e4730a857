// Registry keys below the process-wide path, on the real registry of the test prefix.
#include "iRegistry.h"
#include <gtest/gtest.h>
#include <string>

namespace {

void DeleteTree(LPCSTR path) { RegDeleteTreeA(HKEY_CURRENT_USER, path); }

class Registry : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree("Software\\VotarooTest"); }
    void TearDown() override
    {
        DeleteTree("Software\\VotarooTest");
        iRegistry::SetKeyPath("Software", "Tarvel", "Main");
    }
};

TEST_F(Registry, ExtrasCountOnlyAfterTheOnesBefore)
{
    iRegistry::SetKeyPath("Software", "Tarvel", "Main", "A", nullptr, "C");
    EXPECT_STREQ(iRegistry::KeyPathApplication(), "Main\\A");
    iRegistry::SetKeyPath("Software", "Tarvel", "Main", "A", "B", "C");
    EXPECT_STREQ(iRegistry::KeyPathApplication(), "Main\\A\\B\\C");
    iRegistry::SetKeyPath("Software", "Tarvel", "Main");
    EXPECT_STREQ(iRegistry::KeyPathRoot(), "Software");
    EXPECT_STREQ(iRegistry::KeyPathCompany(), "Tarvel");
    EXPECT_STREQ(iRegistry::KeyPathApplication(), "Main");
}

TEST_F(Registry, OverlongPartsAreCutNotOverrun)
{
    std::string longPart(400, 'x');
    iRegistry::SetKeyPath("Software", longPart.c_str(), "Main", longPart.c_str());
    EXPECT_EQ(std::string(iRegistry::KeyPathCompany()).size(), 255u);
    EXPECT_EQ(std::string(iRegistry::KeyPathApplication()).size(), 255u);
    EXPECT_EQ(std::string(iRegistry::KeyPathApplication()).substr(0, 5), "Main\\");
}

TEST_F(Registry, EmptyCompanyGivesNoDoubledBackslash)
{
    iRegistry reg("Software", "", "VotarooTest", KEY_READ, "Setup");
    EXPECT_STREQ(reg.KeyPath(), "Software\\VotarooTest\\Setup");
    EXPECT_EQ(reg.Status(), 0);
}

TEST_F(Registry, ReadOnlyOpenCreatesThePathButNotAMissingSubKey)
{
    iRegistry::SetKeyPath("Software", "VotarooTest", "Main");
    iRegistry reg("Setup", KEY_READ);
    ASSERT_EQ(reg.Status(), 0);
    HKEY check = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VotarooTest\\Main\\Setup", 0, KEY_READ, &check),
              ERROR_SUCCESS);
    RegCloseKey(check);

    iRegistry missing(reg, "Missing", 0);
    EXPECT_NE(missing.Status(), 0);
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VotarooTest\\Main\\Setup\\Missing", 0, KEY_READ, &check),
              ERROR_SUCCESS);

    iRegistry created(reg, "Made", KEY_READ | KEY_WRITE);
    EXPECT_EQ(created.Status(), 0);
    EXPECT_TRUE(created.Close());
    EXPECT_EQ(created.Status(), -1);
    EXPECT_FALSE(created.Close());
}

TEST_F(Registry, GetStringReadsStringsOnly)
{
    iRegistry::SetKeyPath("Software", "VotarooTest", "Main");
    iRegistry reg("", KEY_READ | KEY_WRITE);
    ASSERT_EQ(reg.Status(), 0);
    DWORD number = 7;
    RegSetValueExA(reg.Key(), "Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
    // Stored without its terminator: the read must still end it.
    RegSetValueExA(reg.Key(), "Name", 0, REG_SZ, reinterpret_cast<const BYTE*>("Kaz"), 3);

    iString value("unchanged");
    EXPECT_EQ(reg.GetString("Number", value), -1);
    EXPECT_STREQ(value, "unchanged");
    EXPECT_EQ(reg.GetString("Nothing", value), -1);
    EXPECT_EQ(reg.GetString("Name", value), 0);
    EXPECT_STREQ(value, "Kaz");

    iString name;
    DWORD type = 0;
    BYTE data[64];
    DWORD size = sizeof data;
    EXPECT_EQ(reg.EnumValue(0, name, type, data, size), ERROR_SUCCESS);
    size = sizeof data;
    EXPECT_EQ(reg.EnumValue(2, name, type, data, size), ERROR_NO_MORE_ITEMS);
    reg.Close();
    EXPECT_EQ(reg.GetString("Name", value), -1);
}

} // namespace
