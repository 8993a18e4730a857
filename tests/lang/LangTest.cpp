// Every language the test program carries, the shipped ones and the pseudo-language (each text
// about 40 % longer, accented): chosen as the program chooses, shown in the game window, Setup,
// Help and About in that language's texts, none cut, none over another. dpi.sh runs it at every
// scale as well.
#include "GameWindowFixture.h"
#include "AboutDialog.h"
#include "HelpDialog.h"
#include "PlayerChoice.h"
#include "ProgramText.h"
#include "Setup.h"
#include "iCollectionDialog.h"
#include <string>
#include <vector>

using namespace game_testing;

namespace {

std::string CodeOf(LANGID language)
{
    const LANGID was = ProgramLanguage();
    SetProgramLanguage(language);
    std::string code = ProgramText(IDS_LANGUAGE_CODE);
    SetProgramLanguage(was);
    return code;
}

std::string Describe(HWND c)
{
    char cls[32] = "", text[64] = "";
    ::GetClassNameA(c, cls, sizeof cls);
    ::GetWindowTextA(c, text, sizeof text);
    return std::string(cls) + " \"" + text + "\"";
}

CRect PlaceIn(HWND parent, HWND c)
{
    CRect r;
    ::GetWindowRect(c, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every visible child inside the parent's client area and none over another; a combo box is
// taken at its closed height.
void ExpectLaidOut(HWND parent, int closedComboHeight = 0)
{
    CRect client;
    ::GetClientRect(parent, &client);
    std::vector<std::pair<CRect, std::string>> placed;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        if (!(::GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE)) continue;
        CRect r = PlaceIn(parent, c);
        char cls[16] = "";
        ::GetClassNameA(c, cls, sizeof cls);
        if (closedComboHeight && std::string(cls) == "ComboBox") r.bottom = r.top + closedComboHeight;
        const std::string name = Describe(c);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << name << " outside the client area";
        for (const auto& other : placed) {
            CRect overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &r, &other.first)) << name << " over " << other.second;
        }
        placed.push_back({ r, name });
    }
}

class Language : public GameWindowTest, public ::testing::WithParamInterface<LANGID> {
protected:
    void SetUp() override
    {
        SetProgramLanguage(GetParam());
        GameWindowTest::SetUp();
    }
    void TearDown() override
    {
        GameWindowTest::TearDown();
        SetProgramLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL));
    }
};

} // namespace

// The tables the program has, found by their codes, and the choice between them: the settings
// file's override, else the display language by its primary language, else English.
TEST(Languages, ChosenAsWindowsChoosesThenByTheOverride)
{
    std::vector<std::string> codes;
    for (LANGID l : ProgramLanguages()) codes.push_back(CodeOf(l));
    EXPECT_EQ(codes.front(), "en") << "English first, as the fallback";
    for (const char* shipped : { "nl", "de", "fr", "es", "qps" })
        EXPECT_NE(std::find(codes.begin(), codes.end(), shipped), codes.end()) << shipped;

    const LANGID german = LanguageOfCode("de");
    const LANGID dutch = LanguageOfCode("nl");
    ASSERT_NE(german, 0);
    EXPECT_EQ(LanguageOfCode(" DE-at "), german);
    EXPECT_EQ(LanguageOfCode("de_CH"), german);
    const LANGID swissGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_SWISS);
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    EXPECT_EQ(ChooseProgramLanguage("", swissGerman), german) << "the primary language decides";
    EXPECT_EQ(ChooseProgramLanguage("nl", swissGerman), dutch) << "the override wins";
    for (const char* broken : { "Klingon", "xx", "-", "d", "deu", "de!", "  ", "\xE9" })
        EXPECT_EQ(ChooseProgramLanguage(broken, swissGerman), german) << broken;
    EXPECT_EQ(CodeOf(ChooseProgramLanguage("Klingon", japanese)), "en") << "then English";
    EXPECT_EQ(CodeOf(ChooseProgramLanguage(nullptr, japanese)), "en");
}

// A language lacking a text shows the English one, and a number no table has is marked.
TEST(Languages, EnglishFillsWhatALanguageLacks)
{
    SetProgramLanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_STREQ(ProgramText(IDS_START), "Start");
    EXPECT_STREQ(ProgramText(64999), "[    64999 ]");
    EXPECT_EQ(FindProgramText(64999), nullptr);
    SetProgramLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL));
    const char* start = ProgramText(IDS_START);
    EXPECT_EQ(ProgramText(IDS_START), start) << "one text, kept for the run";
}

// The buttons, Setup, Help and About in the language, whole, and no control over another.
TEST_P(Language, EveryWindowInItsTextsWhole)
{
    const UINT buttonTexts[] = { IDS_START, IDS_SETUP, IDS_ABOUT, IDS_UPLOAD, IDS_HELP, IDS_EXIT };
    std::vector<CRect> buttons;
    for (UINT id : buttonTexts) {
        HWND b = Button(ProgramText(id));
        ASSERT_NE(b, nullptr) << ProgramText(id);
        // The button draws its caption on one line, centred, in its own font.
        CRect room;
        ::GetClientRect(b, &room);
        auto* button = static_cast<CoolPushButton*>(CWnd::FromHandle(b));
        HDC dc = ::GetDC(b);
        HGDIOBJ old =
            ::SelectObject(dc, button->Font() ? static_cast<HGDIOBJ>(button->Font()) : ::GetStockObject(SYSTEM_FONT));
        SIZE need{};
        ::GetTextExtentPoint32A(dc, ProgramText(id), lstrlenA(ProgramText(id)), &need);
        ::SelectObject(dc, old);
        ::ReleaseDC(b, dc);
        EXPECT_LE(need.cx + wnd->Scene().Scale()(8), room.Width()) << ProgramText(id);
        EXPECT_LE(need.cy, room.Height()) << ProgramText(id);
        const CRect r = PlaceIn(wnd->m_hWnd, b);
        for (const CRect& other : buttons) {
            CRect overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &r, &other)) << ProgramText(id);
        }
        EXPECT_LE(r.right, wnd->Scene().Scale()(640)) << ProgramText(id);
        buttons.push_back(r);
    }

    // The votes display shows its word before the first game, whole.
    {
        iStaticEx* votes = wnd->VotesDisplay();
        EXPECT_EQ(VotesText(), ProgramText(IDS_VOTES));
        CRect room;
        ::GetClientRect(votes->m_hWnd, &room);
        HDC dc = ::GetDC(votes->m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, votes->font.m_hObject);
        SIZE need{};
        ::GetTextExtentPoint32A(dc, ProgramText(IDS_VOTES), lstrlenA(ProgramText(IDS_VOTES)), &need);
        ::SelectObject(dc, old);
        ::ReleaseDC(votes->m_hWnd, dc);
        EXPECT_LE(need.cx, room.Width()) << ProgramText(IDS_VOTES);
    }

    Settings settings;
    ::Setup setup(settings);
    {
        iCollectionDialog d(wnd, CRect(0, 0, 400, 200), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK,
                            ProgramText(IDS_SETUP_CAPTION), -1, &setup);
        ASSERT_NE(d.m_hWnd, nullptr);
        auto cut = testing_support::CutTexts(d.m_hWnd);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
        ExpectLaidOut(d.m_hWnd, d.builder->choiceHeight);
        for (UINT id : { IDS_SETUP_OPERATION, IDS_SETUP_ADDITION, IDS_SETUP_DIVISION, IDS_SETUP_PACE, IDS_SETUP_SOUND,
                         IDS_SETUP_PLAY_SOUNDS, IDS_SETUP_PRACTICE, IDS_SETUP_PRACTICE_ON, IDS_CANCEL })
            EXPECT_NE(::FindWindowExA(d.m_hWnd, nullptr, nullptr, ProgramText(id)), nullptr) << ProgramText(id);
        // The longest list, Pace, dropped down: every choice whole, none scrolled out of sight.
        HWND pace = ::GetWindow(::FindWindowExA(d.m_hWnd, nullptr, "Static", ProgramText(IDS_SETUP_PACE)), GW_HWNDNEXT);
        COMBOBOXINFO info{ sizeof info, {}, {}, 0, nullptr, nullptr, nullptr };
        ASSERT_TRUE(::GetComboBoxInfo(pace, &info));
        ::SendMessageA(pace, CB_SHOWDROPDOWN, TRUE, 0);
        CRect list;
        ::GetClientRect(info.hwndList, &list);
        EXPECT_GE(list.Height(), 5 * ::SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
        iClientDC dc(CWnd::FromHandle(info.hwndList));
        CScopedSelect font(dc.m_hDC, reinterpret_cast<HGDIOBJ>(::SendMessageA(info.hwndList, WM_GETFONT, 0, 0)));
        for (UINT id = IDS_SETUP_PACE_FASTER; id <= IDS_SETUP_PACE_SLOWEST; ++id)
            EXPECT_LE(dc.GetTextExtent(ProgramText(id)).cx, list.Width()) << ProgramText(id);
        ::SendMessageA(pace, CB_SHOWDROPDOWN, FALSE, 0);
    }
    {
        HelpDialog help(wnd, ProgramText(IDS_TITLE));
        EXPECT_NE(::FindWindowExA(help.m_hWnd, nullptr, "Static", ProgramText(IDS_HELP_RULES)), nullptr);
        auto cut = testing_support::CutTexts(help.m_hWnd);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    }
    // Who is playing: three names, and forty of the longest and widest kind, each whole, none over
    // another, the window on the screen.
    std::vector<std::string> widest;
    for (int i = 0; i < 40; ++i) widest.push_back("\xC9MW" + std::string(19, 'W') + std::to_string(10 + i));
    for (const std::vector<std::string>& names : { std::vector<std::string>{ "Ann", "Ben", "Cem" }, widest }) {
        PlayerChoiceDialog who(wnd, names);
        ASSERT_EQ(who.Buttons().size(), names.size());
        EXPECT_EQ(::GetWindowTextLengthA(who.m_hWnd), lstrlenA(ProgramText(IDS_WHO_IS_PLAYING)));
        auto cut = testing_support::CutTexts(who.m_hWnd);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
        ExpectLaidOut(who.m_hWnd);
        CRect place, work, inside;
        who.GetWindowRect(&place);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_TRUE(::IntersectRect(&inside, &place, &work) && inside == place) << names.size() << " names";
    }
    {
        AboutDialog about(wnd, ProgramText(IDS_TITLE), 1, 0, 0);
        auto cut = testing_support::CutTexts(about.m_hWnd);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
        ExpectLaidOut(about.m_hWnd);
    }
}

INSTANTIATE_TEST_SUITE_P(Carried, Language, ::testing::ValuesIn(ProgramLanguages()),
                         [](const ::testing::TestParamInfo<LANGID>& p) { return CodeOf(p.param); });
