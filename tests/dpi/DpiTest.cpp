// The game window, its dialogs and the common controls at the DPI of the prefix the test runs in
// (VOTAROO_TEST_DPI, set by dpi.sh beside the prefix's LogPixels).
#include "GameWindowFixture.h"
#include "Cards.h"
#include "AboutDialog.h"
#include "HelpDialog.h"
#include "iStaticHyperLink.h"
#include "iCollectionDialog.h"
#include <shlwapi.h>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

using namespace game_testing;

namespace {

int ExpectedDpi()
{
    const char* dpi = std::getenv("VOTAROO_TEST_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

struct Place {
    const char* text;
    RECT rect;
};
// The buttons' places in 96-DPI pixels.
const Place buttons[] = {
    { "Start", { 540, 20, 620, 50 } },    { "Setup", { 540, 60, 620, 90 } },  { "About", { 540, 100, 620, 130 } },
    { "Upload", { 540, 140, 620, 170 } }, { "Help", { 540, 180, 620, 210 } }, { "Exit", { 540, 430, 620, 460 } },
};

CRect ClientOf(HWND window)
{
    CRect r;
    ::GetClientRect(window, &r);
    return r;
}

HWND ChildAt(HWND parent, POINT at) { return ::ChildWindowFromPointEx(parent, at, CWP_SKIPINVISIBLE); }

// The Setup dialog as the game opens it.
iCollectionDialog* OpenSetup(CWnd* parent, ::Setup& setup)
{
    return new iCollectionDialog(parent, CRect(0, 0, 400, 200),
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK, "Setup", -1, &setup);
}

class DpiGame : public GameWindowTest {};

} // namespace

TEST_F(DpiGame, ClientSceneAndEveryControlAtTheScale)
{
    const int dpi = ExpectedDpi();
    const iScale s(dpi);
    ASSERT_EQ(wnd->Scene().Scale().Dpi(), dpi) << "the window's DPI, and the whole game fits the screen";
    const CRect client = ClientOf(wnd->m_hWnd);
    EXPECT_NEAR(client.Width(), 640 * dpi / 96, 1);
    EXPECT_NEAR(client.Height(), 480 * dpi / 96, 1);
    EXPECT_EQ(wnd->Canvas()->area.Width(), s(640));
    EXPECT_EQ(wnd->Canvas()->area.Height(), s(480));

    // A click at the scaled place of every control lands on that control, as at 96 DPI.
    for (const Place& place : buttons) {
        SCOPED_TRACE(place.text);
        const CRect r(place.rect);
        EXPECT_EQ(ChildAt(wnd->m_hWnd, s(r.CenterPoint())), Button(place.text));
        EXPECT_EQ(ChildAt(wnd->m_hWnd, s(CPoint(r.left + 2, r.top + 2))), Button(place.text));
        EXPECT_EQ(ChildAt(wnd->m_hWnd, s(CPoint(r.right + 3, r.bottom + 3))), wnd->m_hWnd);
    }
    HWND votes = ::FindWindowExA(wnd->m_hWnd, nullptr, "Static", nullptr);
    EXPECT_EQ(ChildAt(wnd->m_hWnd, s(CPoint(80, 55))), votes);
    EXPECT_EQ(ChildAt(wnd->m_hWnd, s(CPoint(300, 200))), wnd->m_hWnd) << "the scene: an answer in play";

    // The votes in a font made at the DPI, never a stretched one.
    HFONT font = static_cast<HFONT>(wnd->VotesDisplay()->font.m_hObject);
    ASSERT_NE(font, nullptr);
    LOGFONTA lf{};
    ::GetObjectA(font, sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -s(18));

    // The first two cards lie straight: black outline, white margin, face inside, at the scale.
    Start();
    ASSERT_EQ(wnd->Now().stacks[0].size(), 1u);
    CDC* canvas = wnd->Canvas();
    wnd->DrawScene(canvas); // composes on the canvas, then copies it onto itself
    const int midY = s(360);
    EXPECT_EQ(canvas->GetPixel(s(152), midY), RGB(0, 0, 0));
    EXPECT_EQ(canvas->GetPixel(s(152) + s(6), midY), RGB(255, 255, 255));
    EXPECT_EQ(canvas->GetPixel(s(288) - 1, midY), RGB(0, 0, 0));
    EXPECT_EQ(canvas->GetPixel(s(220), s(260)), RGB(0, 0, 0));
    EXPECT_EQ(canvas->GetPixel(s(220), s(260) + s(6)), RGB(255, 255, 255));

    // A click in the scene at a scaled place is an answer.
    while (wnd->Now().running && wnd->Now().regularDeals == 0) Tick();
    TraceReader trace;
    Click(s(300), s(200));
    bool answered = false;
    for (const std::string& m : trace.NewMessages()) answered = answered || m == "MainFrameWnd::DoGameMatch";
    EXPECT_TRUE(answered);
}

// Past 96 DPI every picture comes from its double-size art, which the game never blows up: at
// 192 DPI a card's face is that art pixel for pixel. At 96 DPI the game keeps its own art.
TEST_F(DpiGame, PicturesFromTheArtOfTheirScale)
{
    const int dpi = ExpectedDpi();
    const iScale s(dpi);
    const int twice = dpi > 96 ? 2 : 1;
    HDC screen = ::GetDC(nullptr);
    const auto pixels = [screen](const iPicture* p) { return p && p->IsLoaded() ? p->NaturalSize(screen) : CSize(); };
    EXPECT_NEAR(pixels(wnd->Scene().SceneArt()).cx, 640 * twice, 1);
    EXPECT_NEAR(pixels(wnd->Scene().SceneArt()).cy, 480 * twice, 1);
    EXPECT_NEAR(pixels(wnd->Scene().FlagArt()).cx, 30 * twice, 1);
    EXPECT_NEAR(pixels(wnd->Scene().FlagArt()).cy, 22 * twice, 1);
    for (int code = 0; code < CardKinds; ++code) {
        SCOPED_TRACE(CardNames[code]);
        const CSize size = pixels(wnd->Scene().CardArt(code));
        EXPECT_NEAR(size.cx, twice == 2 ? 224 : code == WildCard ? 89 : 107, 1);
        EXPECT_NEAR(size.cy, twice == 2 ? 352 : code == WildCard ? 154 : 170, 1);
    }
    ::ReleaseDC(nullptr, screen);
    if (dpi != 192) return;

    Start();
    ASSERT_EQ(wnd->Now().stacks[0].size(), 1u);
    const DealtCard card = wnd->Now().stacks[0][0];
    CDC* canvas = wnd->Canvas();
    wnd->DrawScene(canvas);
    const CRect place = wnd->Scene().CardRect(0, card.dx, card.dy);
    const CPoint face(place.left + s(12), place.top + s(12));
    const iPicture* art = wnd->Scene().CardArt(card.code);
    ASSERT_TRUE(art && art->IsLoaded());
    CDC own;
    own.CreateCompatibleDC(canvas);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(*canvas, 224, 352);
    CScopedSelect selected(own, bitmap.m_hObject);
    ASSERT_EQ(
        art->picture->Render(own, 0, 0, 224, 352, 0, art->GetHeight(), art->GetWidth(), -art->GetHeight(), nullptr),
        S_OK);
    int differ = 0;
    for (int y = 0; y < 352; ++y)
        for (int x = 0; x < 224; ++x) differ += canvas->GetPixel(face.x + x, face.y + y) != own.GetPixel(x, y);
    EXPECT_EQ(differ, 0) << "pixels of the face that are not its art's";
}

// Sent to a game in play: it moves to the suggested rectangle at the new scale and plays on.
TEST_F(DpiGame, DpiChangedInPlayTakesTheSuggestionAndPlaysOn)
{
    Start();
    for (int i = 0; i < 6; ++i) PlayOne();
    ASSERT_TRUE(wnd->Now().running);
    const int before = wnd->Now().dealCount;
    const int flag = wnd->Now().flag;
    const int votes = wnd->Now().votes;

    const int dpi = ExpectedDpi() == 120 ? 144 : 120;
    const iScale s(dpi);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(wnd->m_hWnd, GWL_STYLE));
    const CRect suggested = iScale::FrameRect(20, 30, s(640), s(480), style, dpi);
    ::SendMessageA(wnd->m_hWnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

    CRect now;
    ::GetWindowRect(wnd->m_hWnd, &now);
    EXPECT_EQ(now, suggested);
    EXPECT_EQ(wnd->Scene().Scale().Dpi(), dpi);
    EXPECT_EQ(wnd->Canvas()->area.Width(), s(640));
    CRect start;
    ::GetWindowRect(Button("Exit"), &start);
    EXPECT_EQ(CRect(start).Size(), s(CRect(540, 430, 620, 460)).Size());
    // Nothing of the game is lost: the deal, the flag, the votes, the timer.
    EXPECT_TRUE(wnd->Now().running);
    EXPECT_EQ(wnd->Now().dealCount, before);
    EXPECT_EQ(wnd->Now().flag, flag);
    EXPECT_EQ(wnd->Now().votes, votes);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return wnd->Now().dealCount > before; }, 10000))
        << "the deal timer runs on";
    const DealtCard& top = wnd->Now().stacks[0].size() ? wnd->Now().stacks[0].back() : DealtCard{ -1, 0, 0 };
    const CRect card = wnd->Scene().CardRect(0, top.dx, top.dy);
    EXPECT_EQ(card.Width(), s(136));

    // A scale whose window the screen cannot hold: the largest that fits, all of it on the work area.
    const int huge = 960;
    CRect tooBig = suggested;
    tooBig.right = tooBig.left + 640 * 10;
    tooBig.bottom = tooBig.top + 480 * 10;
    ::SendMessageA(wnd->m_hWnd, WM_DPICHANGED, MAKEWPARAM(huge, huge), reinterpret_cast<LPARAM>(&tooBig));
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::GetWindowRect(wnd->m_hWnd, &now);
    EXPECT_LT(wnd->Scene().Scale().Dpi(), huge);
    EXPECT_GT(wnd->Scene().Scale().Dpi(), 48);
    EXPECT_GE(now.left, work.left);
    EXPECT_GE(now.top, work.top);
    EXPECT_LE(now.right, work.right);
    EXPECT_LE(now.bottom, work.bottom);
    const iScale fit(wnd->Scene().Scale().Dpi() + 1);
    EXPECT_GT(iScale::FrameRect(0, 0, fit(640), fit(480), style, huge).Height(), work.bottom - work.top)
        << "one more step would not fit";
    EXPECT_TRUE(wnd->Now().running);
}

TEST(DpiDialogs, SetupAndHelpCutNoText)
{
    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "Votaroo!", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480));
    Settings settings;
    ::Setup setup(settings);
    iCollectionDialog* d = OpenSetup(frame, setup);
    ASSERT_NE(d->m_hWnd, nullptr);
    auto cut = testing_support::CutTexts(d->m_hWnd);
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    // Both buttons and every row inside the dialog, none over another.
    CRect client;
    ::GetClientRect(d->m_hWnd, &client);
    std::vector<CRect> placed;
    std::vector<std::string> names;
    for (HWND c = ::GetWindow(d->m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = "";
        char text[64] = "";
        ::GetWindowTextA(c, text, sizeof text);
        ::GetClassNameA(c, cls, sizeof cls);
        CRect r;
        ::GetWindowRect(c, &r);
        ::MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        if (std::string(cls) == "ComboBox") r.bottom = r.top + d->builder->choiceHeight; // the list drops down
        const std::string name = std::string(cls) + " \"" + text + "\"";
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << name;
        for (size_t i = 0; i < placed.size(); ++i) {
            CRect overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &r, &placed[i])) << name << " over " << names[i];
        }
        placed.push_back(r);
        names.push_back(name);
    }
    delete d;
    {
        HelpDialog help(frame, "Votaroo!");
        cut = testing_support::CutTexts(help.m_hWnd);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    }
    frame->DestroyWindow();
}

// A layout file's places are in 96-DPI pixels: its own texts and group boxes, and a member's saved
// place, come out at the scale as the generated rows do.
TEST(DpiDialogs, LayoutFilePlacesAtTheScale)
{
    const iScale scale(ExpectedDpi());
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string layout = path;
    layout = layout.substr(0, layout.size() - 4) + ".dlg";
    FILE* f = std::fopen(layout.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("[Setup]\nStatic=1\nStatic_0000=10 150 100 16, 50000000, Note\n"
               "GroupBox=1\nGroupBox_0000=4 2 296 138, 50000000, Rules\n"
               "Layout=1\nHigh:Dynamic=200 100 320 122\n",
               f);
    std::fclose(f);
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, layout.c_str());

    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "Votaroo!", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480));
    Settings settings;
    ::Setup setup(settings);
    iCollectionDialog* d = OpenSetup(frame, setup);
    // A layout line gives left, top, width and height.
    auto placeOf = [&](const char* name) {
        CRect r;
        const iTypeDialogBuilder::Control* c = d->builder->FindControl(name);
        if (!c) return r;
        ::GetWindowRect(c->window->m_hWnd, &r);
        ::MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    auto text = [](const RECT& r) {
        return ::testing::PrintToString(std::vector<LONG>{ r.left, r.top, r.right, r.bottom });
    };
    EXPECT_EQ(text(placeOf("Static_0000")), text(scale(RECT{ 10, 150, 110, 166 })));
    EXPECT_EQ(text(placeOf("GroupBox_0000")), text(scale(RECT{ 4, 2, 300, 140 })));
    const CRect high = placeOf("High");
    EXPECT_EQ(high.TopLeft(), scale(POINT{ 200, 100 }));
    EXPECT_EQ(high.Width(), scale(120));
    delete d;
    frame->DestroyWindow();
    ::DeleteFileA(layout.c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, layout.c_str());
}

// Past 96 DPI Help and About are set in a face made at the DPI (at 96 they keep the System font):
// every text whole, nothing over anything else, and each link's text inside its window, where a
// click at the text lands on the link.
TEST(DpiDialogs, HelpAndAboutInAFontAtTheDpi)
{
    const int dpi = ExpectedDpi();
    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "Votaroo!", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480));
    {
        HelpDialog help(frame, "Votaroo!");
        AboutDialog about(frame, "Votaroo!", 1, 0, 0);
        for (HWND dialog : { help.m_hWnd, about.m_hWnd }) {
            char title[64] = "";
            ::GetWindowTextA(dialog, title, sizeof title);
            SCOPED_TRACE(title);
            const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
            if (dpi == 96) {
                EXPECT_EQ(font, nullptr);
            } else {
                LOGFONTA lf{};
                ASSERT_TRUE(font && ::GetObjectA(font, sizeof lf, &lf));
                EXPECT_EQ(lf.lfHeight, -::MulDiv(iDialog::SystemSizedPoints, dpi, 72));
                EXPECT_STREQ(lf.lfFaceName, iDialog::SystemSizedFace);
            }
            const auto cut = testing_support::CutTexts(dialog);
            EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
        }
        // The texts of About, each clear of the others.
        std::vector<CRect> placed;
        for (CWnd* text : std::initializer_list<CWnd*>{ about.version, about.about, about.links[0], about.links[1],
                                                        about.links[2] }) {
            char shown[256] = "";
            ::GetWindowTextA(text->m_hWnd, shown, sizeof shown);
            SCOPED_TRACE(shown);
            CRect r;
            ::GetWindowRect(text->m_hWnd, &r);
            ::MapWindowPoints(nullptr, about.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
            for (const CRect& other : placed) {
                CRect overlap;
                EXPECT_FALSE(::IntersectRect(&overlap, &r, &other));
            }
            placed.push_back(r);
        }
        for (iStaticHyperLink* link : about.links) {
            char shown[128] = "";
            ::GetWindowTextA(link->m_hWnd, shown, sizeof shown);
            SCOPED_TRACE(shown);
            CRect measured(0, 0, 0, 0);
            HDC dc = ::GetDC(link->m_hWnd);
            HFONT drawn = link->font.m_hObject
                ? static_cast<HFONT>(link->font.m_hObject)
                : reinterpret_cast<HFONT>(::SendMessageA(link->m_hWnd, WM_GETFONT, 0, 0));
            HGDIOBJ before = ::SelectObject(dc, drawn ? drawn : ::GetStockObject(SYSTEM_FONT));
            ::DrawTextA(dc, shown, -1, &measured, DT_CALCRECT | DT_NOPREFIX);
            ::SelectObject(dc, before);
            ::ReleaseDC(link->m_hWnd, dc);
            CRect r;
            ::GetWindowRect(link->m_hWnd, &r);
            ::MapWindowPoints(nullptr, about.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_GE(r.Width(), measured.Width()) << "the link's text cut at the right";
            EXPECT_GE(r.Height(), measured.Height()) << "the link's text cut at the bottom";
            const CPoint onText(r.left + measured.Width() / 2, r.top + measured.Height() / 2);
            EXPECT_EQ(::ChildWindowFromPointEx(about.m_hWnd, onText, CWP_SKIPINVISIBLE), link->m_hWnd);
        }
    }
    frame->DestroyWindow();
}

// The manifest's dependency is honoured: the process runs on Common Controls 6. Windows says so
// in DllGetVersion; Wine 8 answers 5.81 from every copy, so there the copy must be the one of the
// 6.0 side-by-side assembly, which only the dependency makes the process load.
TEST(DpiProcess, CommonControlsSixAreLoaded)
{
    HMODULE comctl = ::GetModuleHandleA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    const auto getVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(::GetProcAddress(comctl, "DllGetVersion")));
    ASSERT_NE(getVersion, nullptr);
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    ASSERT_EQ(getVersion(&info), S_OK);
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(comctl, path, sizeof path);
    std::string lower(path);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool assemblySix = lower.find("\\winsxs\\") != std::string::npos &&
        lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6.") != std::string::npos;
    const bool underWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine)
        EXPECT_TRUE(info.dwMajorVersion >= 6 || assemblySix) << path;
    else
        EXPECT_GE(info.dwMajorVersion, 6u) << path;
}
