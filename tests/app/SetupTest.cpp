#include "ClassPreset.h"
#include "Setup.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void ExpectDefaults(const Settings& settings)
{
    EXPECT_EQ(settings.operations, 3);
    EXPECT_EQ(settings.copies, 5);
    EXPECT_EQ(settings.highestCard, 17);
    EXPECT_EQ(settings.pace, PaceFaster);
    EXPECT_EQ(settings.sounds, 1);
    EXPECT_EQ(settings.practice, 0) << "practice is chosen, never given";
}

TEST(SetupDescription, ConstructionWritesTheDefaults)
{
    Settings settings{ 0, 0, 0, 2, 0, 1 };
    ::Setup setup(settings);
    ExpectDefaults(settings);
    EXPECT_EQ(Settings{}.pace, settings.pace) << "the record's own defaults agree";
    EXPECT_EQ(Settings{}.sounds, settings.sounds);

    settings = { 0, 10, 9, PaceSlow, 0, 1 };
    setup.Reset();
    ExpectDefaults(settings);
    settings = { 15, 6, 12, PaceSteady, 0, 1 };
    setup.Clear();
    ExpectDefaults(settings);
}

TEST(SetupDescription, MembersInOrderWithNamesAndLabels)
{
    Settings settings{};
    ::Setup setup(settings);
    ASSERT_EQ(setup.Count(), 6);
    EXPECT_EQ(setup.GetMember(0), &setup.m_operation);
    EXPECT_EQ(setup.GetMember(1), &setup.m_size);
    EXPECT_EQ(setup.GetMember(2), &setup.m_high);
    EXPECT_EQ(setup.GetMember(3), &setup.m_pace);
    EXPECT_EQ(setup.GetMember(4), &setup.m_sounds);
    EXPECT_EQ(setup.GetMember(5), &setup.m_practice);
    EXPECT_STREQ(setup.m_practice.Name(), "Practice");
    // The layout file knows the members by these names.
    EXPECT_STREQ(setup.m_pace.Name(), "Pace");
    EXPECT_STREQ(setup.m_pace.Label(), "Pace");
    EXPECT_STREQ(setup.m_sounds.Name(), "Sounds");
    EXPECT_STREQ(setup.m_sounds.Label(), "Sound");
    EXPECT_STREQ(setup.Caption(), "Setup");
    EXPECT_EQ(std::string(setup.FullName()), "Setup");
    EXPECT_STREQ(setup.m_size.Name(), "Size");
    EXPECT_STREQ(setup.m_size.Label(), "Number of each");
    EXPECT_STREQ(setup.m_high.Name(), "High");
    EXPECT_STREQ(setup.m_high.Label(), "Highest card");
    EXPECT_EQ(setup.GetMember("Operation"), &setup.m_operation);
    EXPECT_EQ(std::string(setup.m_high.FullName()), "Setup.High");
}

TEST(SetupDescription, ItemTextsKeepTheirLeadingSpaces)
{
    Settings settings{};
    ::Setup setup(settings);
    const char* const operations[] = { "Addition (+)", "Substraction (-)", "Multiplication (*)", "Division (/)" };
    ASSERT_EQ(setup.m_operation.Items().Map()->Count(), 4);
    for (int bit = 0; bit < 4; ++bit) EXPECT_STREQ(setup.m_operation.Items().Text(bit), operations[bit]);

    const char* const sizes[] = { " 5", " 6", " 7", " 8", " 9", "10" };
    ASSERT_EQ(setup.m_size.Items().Map()->Count(), 6);
    for (int i = 0; i < 6; ++i) {
        settings.copies = 5 + i;
        EXPECT_EQ(std::string(setup.m_size.GetText()), sizes[i]);
    }

    const char* const highs[] = { " 8", " 9", "10", "11", "12", "13", "14", "15", "16" };
    ASSERT_EQ(setup.m_high.Items().Map()->Count(), 9);
    for (int i = 0; i < 9; ++i) {
        settings.highestCard = 9 + i;
        EXPECT_EQ(std::string(setup.m_high.GetText()), highs[i]);
    }

    const char* const paces[] = { "Faster and faster", "Steady", "Slow", "Very slow", "Take your time" };
    ASSERT_EQ(setup.m_pace.Items().Map()->Count(), 5);
    for (int pace = PaceFaster; pace <= PaceSlowest; ++pace) {
        settings.pace = pace;
        EXPECT_EQ(std::string(setup.m_pace.GetText()), paces[pace]);
    }
    ASSERT_EQ(setup.m_sounds.Items().Map()->Count(), 1);
    EXPECT_STREQ(setup.m_sounds.Items().Text(0), "Play sounds");
    setup.m_sounds.SetChecked(0, false);
    EXPECT_EQ(settings.sounds, 0);
    setup.m_sounds.SetChecked(0, true);
    EXPECT_EQ(settings.sounds, 1);
    EXPECT_STREQ(setup.m_practice.Items().Text(0), "Missed sums come back");
}

TEST(SetupDescription, FreshTextShowsAdditionAndSubtraction)
{
    Settings settings{};
    ::Setup setup(settings);
    EXPECT_EQ(std::string(setup.m_operation.GetText()), "Addition (+) & Substraction (-)");
    EXPECT_TRUE(setup.m_operation.IsChecked(0));
    EXPECT_TRUE(setup.m_operation.IsChecked(1));
    EXPECT_FALSE(setup.m_operation.IsChecked(2));
    EXPECT_FALSE(setup.m_operation.IsChecked(3));
    EXPECT_EQ(std::string(setup.m_size.GetText()), " 5");
    EXPECT_EQ(std::string(setup.m_high.GetText()), "16");
    EXPECT_TRUE(setup.m_high.SetText(" 8"));
    EXPECT_EQ(settings.highestCard, 9);
}

// A class preset's values each within its range and spelt right, or let go with the default kept.
TEST(ClassPreset, TakesWhatIsRightAndLetsTheRestGo)
{
    Settings settings;
    ::Setup setup(settings);
    EXPECT_TRUE(ApplyPresetValue(settings, "Operations", "4"));
    EXPECT_TRUE(ApplyPresetValue(settings, "copies", " 7 "));
    EXPECT_TRUE(ApplyPresetValue(settings, "Highest", "10"));
    EXPECT_TRUE(ApplyPresetValue(settings, "PACE", "Slow"));
    EXPECT_TRUE(ApplyPresetValue(settings, "Sounds", "off"));
    EXPECT_EQ(settings.operations, 4);
    EXPECT_EQ(settings.copies, 7);
    EXPECT_EQ(settings.highestCard, 11) << "the card code of the value 10";
    EXPECT_EQ(settings.pace, PaceSlow);
    EXPECT_EQ(settings.sounds, 0);
    // The description shows what the record holds.
    EXPECT_EQ(std::string(setup.m_high.GetText()), "10");
    EXPECT_EQ(std::string(setup.m_pace.GetText()), "Slow");

    // The edges of each range are taken.
    const struct {
        const char* key;
        const char* value;
        int32_t Settings::*field;
        int32_t stored;
    } edges[] = {
        { "Operations", "0", &Settings::operations, 0 },   { "Operations", "15", &Settings::operations, 15 },
        { "Copies", "5", &Settings::copies, 5 },           { "Copies", "10", &Settings::copies, 10 },
        { "Highest", "8", &Settings::highestCard, 9 },     { "Highest", "16", &Settings::highestCard, 17 },
        { "Pace", "faster", &Settings::pace, PaceFaster }, { "Pace", "steady", &Settings::pace, PaceSteady },
        { "Pace", "VerySlow", &Settings::pace, PaceVerySlow }, { "Pace", "slowest", &Settings::pace, PaceSlowest },
        { "Sounds", "ON", &Settings::sounds, 1 },         { "Practice", "On", &Settings::practice, 1 },
    };
    for (const auto& e : edges) {
        EXPECT_TRUE(ApplyPresetValue(settings, e.key, e.value)) << e.key << "=" << e.value;
        EXPECT_EQ(settings.*e.field, e.stored) << e.key << "=" << e.value;
    }

    // Out of range, misspelt, signed, fractional, empty or absent: the record stays as it was.
    setup.Reset();
    const Settings before = settings;
    const char* const wrong[][2] = {
        { "Operations", "16" },  { "Operations", "-1" }, { "Operations", "+3" },
        { "Operations", "0x4" }, { "Operations", "4a" }, { "Operations", "4294967299" },
        { "Copies", "4" },       { "Copies", "11" },     { "Copies", "7.5" },
        { "Copies", "seven" },   { "Highest", "7" },     { "Highest", "17" },
        { "Highest", "1 0" },    { "Pace", "fast" },     { "Pace", "very slow" },
        { "Pace", "slower" },    { "Pace", "slowest!" }, { "Pace", "4" },
        { "Pace", "2" },         { "Pace", "" },         { "Sounds", "yes" },
        { "Sounds", "1" },       { "Sounds", "o" },      { "Sounds", nullptr },
        { "Volume", "off" },     { nullptr, "4" },       { "Operation", "4" },
        { "Practice", "yes" },   { "Practice", "" },
    };
    for (const auto& w : wrong)
        EXPECT_FALSE(ApplyPresetValue(settings, w[0], w[1]))
            << (w[0] ? w[0] : "(null)") << "=" << (w[1] ? w[1] : "(null)");
    EXPECT_EQ(settings.operations, before.operations);
    EXPECT_EQ(settings.copies, before.copies);
    EXPECT_EQ(settings.highestCard, before.highestCard);
    EXPECT_EQ(settings.pace, before.pace);
    EXPECT_EQ(settings.sounds, before.sounds);
    EXPECT_EQ(settings.practice, before.practice);
}

// The list of players: names kept as written (accents of Windows-1252 too), the rest dropped
// without a word; a name is always one line of text.
TEST(ClassPreset, PlayersAreKeptOnlyWhenTheyMakeAName)
{
    using Names = std::vector<std::string>;
    const std::string longest(MaxPlayerName, 'x'), edges = longest + "," + longest + "y,<b>&amp;\"'/\\..";
    std::string many;
    for (int i = 0; i < 45; ++i) many += "P" + std::to_string(i) + ",";
    const struct {
        const char* value;
        Names names;
    } cases[] = {
        { "Ann,Ben,Cem", { "Ann", "Ben", "Cem" } },
        { " Ann , Ben Bo ,,  , Cem ", { "Ann", "Ben Bo", "Cem" } },
        { "\xC9lo\xEFS,Zo\xEB,\xC9LO\xCFs,ann,Ann", { "\xC9lo\xEFS", "Zo\xEB", "ann" } },
        { "Ann\r\nBen,Cem\tDee,\x7F,\x01\x02", { "Ann  Ben", "Cem Dee" } },
        { edges.c_str(), { longest, "<b>&amp;\"'/\\.." } },
        { "", {} },
        { nullptr, {} },
    };
    for (const auto& c : cases) EXPECT_EQ(PresetPlayers(c.value), c.names) << (c.value ? c.value : "(null)");
    EXPECT_EQ(PresetPlayers(many.c_str()).back(), "P39") << "forty, then no more";
}

} // namespace
