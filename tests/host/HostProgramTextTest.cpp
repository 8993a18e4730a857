// The host build's texts, read from the table's source.
#include "HostProgramText.h"
#include "ProgramText.h"
#include <gtest/gtest.h>

namespace {

TEST(HostProgramText, ReadsTheStringsOfEveryTable)
{
    const std::string defines = "#define IDS_A 2000\n#define IDS_B IDS_A + 10\n";
    const std::string rc = "  5, \"outside any table\"\n"
                           "STRINGTABLE\nBEGIN\n"
                           "  // IDS_A, \"a comment\"\n"
                           "  IDS_A, \"say \"\"hi\"\"\\nthen go\"\r\n"
                           "  IDS_B + 2, \"caf\xE9 \x80\"\n"
                           "  IDS_UNKNOWN, \"no number\"\n"
                           "END\n";
    const auto texts = ReadStringTables(rc, defines);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts.at(2000), "say \"hi\"\nthen go");
    EXPECT_EQ(texts.at(2012), "caf\xC3\xA9 \xE2\x82\xAC"); // cp1252 é and the euro sign, in UTF-8
}

TEST(HostProgramText, FindsTheProgramsEnglishTable)
{
    EXPECT_STREQ(ProgramText(IDS_LANGUAGE_CODE), "en");
    EXPECT_STREQ(ProgramTextUtf8(IDS_REPORT_OPERATION_FIRST + 4), "Wild card");
    EXPECT_EQ(FindProgramText(IDS_REPORT_FIRST + 999), nullptr);
    EXPECT_STREQ(ProgramText(IDS_REPORT_FIRST + 999), "[     2999 ]");
}

} // namespace
