// The generated settings dialog: layout, data exchange, and the optional layout file.
#include "CFrameWnd.h"
#include "ClassPreset.h"
#include "Setup.h"
#include "TestSupport.h"
#include "iCheckBox.h"
#include "iCollectionDialog.h"
#include "iWnd.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using testing_support::ModalAnswerer;

namespace {

const DWORD kSetupStyle = 0x80C80084;

// Closes message boxes only: the dialog under test may be activated too and must stay open.
void CloseBoxes(HWND h)
{
    if (GetDlgItem(h, 0xFFFF)) PostMessageA(h, WM_COMMAND, IDOK, 0);
}

std::vector<ModalAnswerer::Seen> Boxes(const ModalAnswerer& answer)
{
    std::vector<ModalAnswerer::Seen> out;
    for (const auto& seen : answer.seen())
        if (!seen.text.empty()) out.push_back(seen);
    return out;
}

struct Child {
    HWND hwnd;
    std::string cls, text;
    RECT rect; // client coordinates of the dialog
    LONG style;
};

std::vector<Child> Children(HWND dialog)
{
    std::vector<Child> out;
    for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        Child c{ h, {}, {}, {}, GetWindowLongA(h, GWL_STYLE) };
        char buf[256] = "";
        GetClassNameA(h, buf, sizeof buf);
        c.cls = buf;
        GetWindowTextA(h, buf, sizeof buf);
        c.text = buf;
        GetWindowRect(h, &c.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c.rect), 2);
        out.push_back(c);
    }
    return out;
}

const Child* Find(const std::vector<Child>& all, const std::string& cls, const std::string& text)
{
    for (const Child& c : all)
        if (lstrcmpiA(c.cls.c_str(), cls.c_str()) == 0 && c.text == text) return &c;
    return nullptr;
}

std::string LayoutFile()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.size() - 4) + ".dlg";
}

// Writes the program's layout file; it is removed again when the test ends.
struct LayoutFileScope {
    explicit LayoutFileScope(const std::string& content)
    {
        FILE* f = std::fopen(LayoutFile().c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, LayoutFile().c_str());
    }
    ~LayoutFileScope()
    {
        DeleteFileA(LayoutFile().c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, LayoutFile().c_str());
    }
};

class SetupDialog : public ::testing::Test {
protected:
    SetupDialog()
    {
        DeleteFileA(LayoutFile().c_str());
        frame->Create(nullptr, "Votaroo!", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(100, 50, 740, 530));
    }
    ~SetupDialog() override { frame->DestroyWindow(); }

    iCollectionDialog* Open()
    {
        return new iCollectionDialog(frame, CRect(0, 0, 400, 200), kSetupStyle, "Setup", -1, &setup);
    }
    // The texts and boxes the layout file added.
    static size_t Extras(iCollectionDialog* d)
    {
        size_t n = 0;
        for (const auto& c : d->builder->controls) n += c.member == nullptr;
        return n;
    }
    static HWND Box(iCollectionDialog* d, int bit) { return GetDlgItem(d->m_hWnd, 1000 + bit); }
    static HWND Combo(iCollectionDialog* d, int index)
    {
        int seen = 0;
        for (const Child& c : Children(d->m_hWnd))
            if (c.cls == "ComboBox" && seen++ == index) return c.hwnd;
        return nullptr;
    }
    static void Select(HWND combo, const char* text)
    {
        SendMessageA(combo, CB_SETCURSEL, SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text)),
                     0);
    }
    static std::string Selected(HWND combo)
    {
        char buf[64] = "";
        int i = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
        if (i >= 0) SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        return buf;
    }

    CFrameWnd* frame = new CFrameWnd;
    Settings settings{};
    ::Setup setup{ settings };
};

TEST_F(SetupDialog, FreshStartShowsTheDefaultsInRows)
{
    iCollectionDialog* d = Open();
    ASSERT_NE(d->m_hWnd, nullptr);
    const auto all = Children(d->m_hWnd);
    const char* ops[] = { "Addition (+)", "Substraction (-)", "Multiplication (*)", "Division (/)" };
    const int step = 25;
    for (int bit = 0; bit < 4; ++bit) {
        const Child* box = Find(all, "Button", ops[bit]);
        ASSERT_NE(box, nullptr) << ops[bit];
        EXPECT_EQ(GetDlgCtrlID(box->hwnd), 1000 + bit);
        EXPECT_EQ(box->style & 0xF, BS_AUTOCHECKBOX);
        EXPECT_EQ(box->rect.left, 120);
        EXPECT_EQ(box->rect.top, 5 + bit * step);
        EXPECT_EQ(box->rect.bottom - box->rect.top, d->builder->controlHeight);
        EXPECT_EQ(SendMessageA(box->hwnd, BM_GETCHECK, 0, 0), bit < 2 ? BST_CHECKED : BST_UNCHECKED) << ops[bit];
    }
    EXPECT_EQ(Selected(Combo(d, 0)), " 5");
    EXPECT_EQ(Selected(Combo(d, 1)), "16");
    EXPECT_EQ(SendMessageA(Combo(d, 0), CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(Combo(d, 1), CB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(SendMessageA(Combo(d, 1), CB_GETITEMDATA, 0, 0), 9); // " 8" stands for the card code 9
    EXPECT_EQ(GetWindowLongA(Combo(d, 0), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(Selected(Combo(d, 2)), "Faster and faster");
    EXPECT_EQ(SendMessageA(Combo(d, 2), CB_GETCOUNT, 0, 0), 5);
    // Every control its own id, OK and Cancel aside from 1000 on, after the boxes' 1000 to 1003.
    std::set<int> ids;
    for (const Child& c : all) {
        EXPECT_TRUE(ids.insert(GetDlgCtrlID(c.hwnd)).second) << c.text;
        EXPECT_TRUE(GetDlgCtrlID(c.hwnd) <= IDCANCEL || GetDlgCtrlID(c.hwnd) >= 1000) << c.text;
    }
    const Child* sounds = Find(all, "Button", "Play sounds");
    ASSERT_NE(sounds, nullptr);
    EXPECT_EQ(SendMessageA(sounds->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    const Child* practice = Find(all, "Button", "Missed sums come back");
    ASSERT_NE(practice, nullptr);
    EXPECT_EQ(SendMessageA(practice->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Four boxes 20 pixels high take four steps of 25: the next row starts 100 lower.
    const int checkRows = (4 * d->builder->controlHeight / step + 1) * step;
    const char* labels[] = { "Operation", "Number of each", "Highest card", "Pace", "Sound", "Practice" };
    const int choiceRows = (d->builder->choiceHeight / step + 1) * step;
    const int boxRow = (d->builder->controlHeight / step + 1) * step;
    const int tops[] = { 5, 5 + checkRows, 5 + checkRows + choiceRows, 5 + checkRows + 2 * choiceRows,
                         5 + checkRows + 3 * choiceRows, 5 + checkRows + 3 * choiceRows + boxRow };
    for (int i = 0; i < 6; ++i) {
        const Child* label = Find(all, "Static", labels[i]);
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->rect.left, 5);
        EXPECT_EQ(label->rect.right, 115);
        EXPECT_EQ(label->rect.top, tops[i]);
        EXPECT_EQ(label->style & SS_TYPEMASK, SS_RIGHT);
    }
    // Each label stands just before its own control in the z-order, where a screen reader
    // looks for the name of a choice list.
    const HWND named[] = { Box(d, 0), Combo(d, 0), Combo(d, 1), Combo(d, 2), sounds->hwnd, practice->hwnd };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetWindow(named[i], GW_HWNDPREV), Find(all, "Static", labels[i])->hwnd) << labels[i];
    RECT combo{};
    GetWindowRect(Combo(d, 1), &combo);
    MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&combo), 2);
    EXPECT_EQ(combo.top, tops[2]);
    EXPECT_EQ(combo.left, 120);
    EXPECT_EQ(sounds->rect.top, tops[4]);
    EXPECT_EQ(sounds->rect.left, 120);

    const Child* ok = Find(all, "Button", "&OK");
    const Child* cancel = Find(all, "Button", "&Cancel");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(GetDlgCtrlID(ok->hwnd), IDOK);
    EXPECT_EQ(GetDlgCtrlID(cancel->hwnd), IDCANCEL);
    EXPECT_EQ(ok->rect.left, 310);
    EXPECT_EQ(ok->rect.right, 390);
    EXPECT_EQ(ok->rect.top, 5);
    EXPECT_EQ(cancel->rect.top, 30);

    // 400 wide, as tall as the content plus 40, centred on the game window.
    RECT w, parent;
    GetWindowRect(d->m_hWnd, &w);
    GetWindowRect(frame->m_hWnd, &parent);
    EXPECT_EQ(w.right - w.left, 400);
    EXPECT_EQ(w.bottom - w.top, tops[5] + boxRow + 40);
    EXPECT_NEAR((w.left + w.right) / 2, (parent.left + parent.right) / 2, 1);
    EXPECT_NEAR((w.top + w.bottom) / 2, (parent.top + parent.bottom) / 2, 1);
    delete d;
}

TEST_F(SetupDialog, StandardDialogFontSizesTheRowsAndCutsNoText)
{
    iCollectionDialog* d = Open();
    // The template's 8-point "MS Sans Serif", 13 pixels high, for the dialog and every control.
    HFONT font = reinterpret_cast<HFONT>(d->SendMessage(WM_GETFONT));
    ASSERT_NE(font, nullptr);
    {
        HDC dc = GetDC(d->m_hWnd);
        HGDIOBJ old = SelectObject(dc, font);
        char face[LF_FACESIZE] = "";
        GetTextFaceA(dc, sizeof face, face);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(d->m_hWnd, dc);
        EXPECT_STREQ(face, "MS Sans Serif");
        EXPECT_EQ(tm.tmHeight, 13);
    }
    EXPECT_EQ(d->builder->labelHeight, 17);
    EXPECT_EQ(d->builder->controlHeight, 20);
    EXPECT_EQ(d->builder->choiceHeight, 22);
    for (HWND c = GetWindow(d->m_hWnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), font);
    const auto cut = testing_support::CutTexts(d->m_hWnd);
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    delete d;
}

TEST_F(SetupDialog, OkWritesTheChoicesCancelAndCloseBoxLeaveTheRecord)
{
    {
        iCollectionDialog* d = Open();
        SendMessageA(Box(d, 2), BM_SETCHECK, BST_CHECKED, 0);
        Select(Combo(d, 0), " 8");
        Select(Combo(d, 1), " 8");
        Select(Combo(d, 2), "Steady");
        SendMessageA(FindWindowExA(d->m_hWnd, nullptr, "Button", "Play sounds"), BM_SETCHECK, BST_UNCHECKED, 0);
        PostMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(d->DoModal(), IDCANCEL);
        delete d;
        EXPECT_EQ(settings.operations, 3);
        EXPECT_EQ(settings.copies, 5);
        EXPECT_EQ(settings.highestCard, 17);
        EXPECT_EQ(settings.pace, PaceFaster);
        EXPECT_EQ(settings.sounds, 1);
    }
    {
        iCollectionDialog* d = Open();
        SendMessageA(Box(d, 0), BM_SETCHECK, BST_UNCHECKED, 0);
        Select(Combo(d, 0), "10");
        PostMessageA(d->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(d->DoModal(), IDCANCEL);
        delete d;
        EXPECT_EQ(settings.operations, 3);
        EXPECT_EQ(settings.copies, 5);
    }
    {
        // OK without changes writes the same values back.
        iCollectionDialog* d = Open();
        PostMessageA(d->m_hWnd, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(d->DoModal(), IDOK);
        delete d;
        EXPECT_EQ(settings.operations, 3);
        EXPECT_EQ(settings.copies, 5);
        EXPECT_EQ(settings.highestCard, 17);
    }
    {
        iCollectionDialog* d = Open();
        SendMessageA(Box(d, 2), BM_SETCHECK, BST_CHECKED, 0);
        Select(Combo(d, 0), " 8");
        Select(Combo(d, 1), " 8");
        Select(Combo(d, 2), "Slow");
        SendMessageA(FindWindowExA(d->m_hWnd, nullptr, "Button", "Play sounds"), BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(FindWindowExA(d->m_hWnd, nullptr, "Button", "Missed sums come back"), BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(GetDlgItem(d->m_hWnd, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(d->DoModal(), IDOK);
        delete d;
        EXPECT_EQ(settings.operations, 7) << "the sound box shares bit 0's id, not its member";
        EXPECT_EQ(settings.copies, 8);
        EXPECT_EQ(settings.highestCard, 9);
        EXPECT_EQ(settings.pace, PaceSlow);
        EXPECT_EQ(settings.sounds, 0);
        EXPECT_EQ(settings.practice, 1);
    }
    {
        // The next opening starts from the record, and clearing every box stores mask 0.
        iCollectionDialog* d = Open();
        EXPECT_EQ(Selected(Combo(d, 1)), " 8");
        for (int bit = 0; bit < 4; ++bit) SendMessageA(Box(d, bit), BM_SETCHECK, BST_UNCHECKED, 0);
        PostMessageA(d->m_hWnd, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(d->DoModal(), IDOK);
        delete d;
        EXPECT_EQ(settings.operations, 0);
    }
    EXPECT_TRUE(IsWindowEnabled(frame->m_hWnd));
}

// A class preset beside the program gives the values the dialog starts from; a value it cannot
// take keeps its default, and without the file the record keeps the defaults.
TEST_F(SetupDialog, ClassPresetGivesTheStartingValues)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string ini = path;
    ini = ini.substr(0, ini.rfind('\\') + 1) + "votaroo.ini";
    FILE* f = std::fopen(ini.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(
        "[Other]\r\nCopies=9\r\n[Votaroo]\r\nOperations=4\r\nCopies=70\r\nHighest=10\r\nPace=slow\r\nSounds=off\r\n",
        f);
    std::fclose(f);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    ApplyClassPreset(settings);
    DeleteFileA(ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    EXPECT_EQ(settings.operations, 4);
    EXPECT_EQ(settings.copies, 5);
    EXPECT_EQ(settings.highestCard, 11);
    EXPECT_EQ(settings.pace, PaceSlow);
    EXPECT_EQ(settings.sounds, 0);

    iCollectionDialog* d = Open();
    for (int bit = 0; bit < 4; ++bit)
        EXPECT_EQ(SendMessageA(Box(d, bit), BM_GETCHECK, 0, 0), bit == 2 ? BST_CHECKED : BST_UNCHECKED) << bit;
    EXPECT_EQ(Selected(Combo(d, 0)), " 5");
    EXPECT_EQ(Selected(Combo(d, 1)), "10");
    EXPECT_EQ(Selected(Combo(d, 2)), "Slow");
    EXPECT_EQ(SendMessageA(FindWindowExA(d->m_hWnd, nullptr, "Button", "Play sounds"), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
    PostMessageA(d->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(d->DoModal(), IDOK);
    delete d;
    EXPECT_EQ(settings.operations, 4);
    EXPECT_EQ(settings.highestCard, 11);
    EXPECT_EQ(settings.pace, PaceSlow);
    EXPECT_EQ(settings.sounds, 0);

    Settings fresh;
    ::Setup again(fresh);
    ApplyClassPreset(fresh);
    EXPECT_EQ(fresh.operations, 3);
    EXPECT_EQ(fresh.highestCard, 17);
    EXPECT_EQ(fresh.pace, PaceFaster);
    EXPECT_EQ(fresh.sounds, 1);
}

TEST_F(SetupDialog, ChoiceWithoutMatchingItemSelectsNothingAndStoresMinusOne)
{
    settings.copies = 42;
    iCollectionDialog* d = Open();
    EXPECT_EQ(SendMessageA(Combo(d, 0), CB_GETCURSEL, 0, 0), CB_ERR);
    PostMessageA(d->m_hWnd, WM_COMMAND, IDOK, 0);
    d->DoModal();
    delete d;
    EXPECT_EQ(settings.copies, -1);
}

TEST(DialogBuilder, FourBoxesOfTwentyPixelsAdvanceFourSteps)
{
    int32_t mask = 0;
    iType::Collection all(nullptr, &mask, sizeof mask, "All", "All");
    iType::TCheck<> check(&all, &mask, sizeof mask, "Ops", "Ops");
    for (int bit = 0; bit < 4; ++bit) check.AddItem(bit, "op");
    iWnd host;
    host.CreateEx(0, "Static", "host", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0);
    iTypeTableDialogBuilder builder(&host, &all, "All", "All", nullptr);
    builder.controlHeight = 20;
    RECT labels = { 5, 5, 115, 5 }, controls = { 120, 5, 305, 5 };
    ASSERT_TRUE(builder.Build(7, labels, controls, 25, false));
    EXPECT_EQ(controls.bottom, 5 + 100); // 80 rounded up to the next multiple of 25 above it
    EXPECT_EQ(labels.bottom, 5 + 100);
    ASSERT_EQ(builder.controls.size(), 4u);
    EXPECT_STREQ(builder.controls[0].name, "Ops");
    EXPECT_STREQ(builder.controls[1].name, "Opsop");
    RECT last;
    GetWindowRect(builder.controls[3].window->m_hWnd, &last);
    MapWindowPoints(nullptr, host.m_hWnd, reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.top, 5 + 75);
    EXPECT_EQ(last.bottom - last.top, 20);
    EXPECT_EQ(last.right - last.left, 120);

    // Read-only shows every control disabled; an empty collection builds nothing.
    iTypeTableDialogBuilder again(&host, &all, "All", "All", nullptr);
    RECT l2 = labels, c2 = { 120, 5, 305, 5 };
    again.Build(1, l2, c2, 25, true);
    EXPECT_FALSE(IsWindowEnabled(again.controls[0].window->m_hWnd));
    iType::Collection none(nullptr, "None", "None");
    iTypeTableDialogBuilder empty(&host, &none, "None", "None", nullptr);
    EXPECT_FALSE(empty.Build(7, l2, c2, 25, false));
    host.DestroyWindow();
}

struct Short {
    int32_t key;
    int32_t raw;
};

TEST_F(SetupDialog, ShortCollectionStillFitsBothButtons)
{
    Short record{};
    iType::Collection one(nullptr, &record, sizeof record, "One", "One");
    iType::TCheck<> flag(&one, &record.key, sizeof record.key, "Flag", "Flag");
    flag.AddItem(0, "on");
    iCollectionDialog d(frame, CRect(0, 0, 300, 200), kSetupStyle, "One", -1, &one);
    // One row of one box is at most two steps, so one more step is added.
    const int row = (d.builder->controlHeight / 25 + 1) * 25;
    ASSERT_LE(5 + row, 50);
    RECT w;
    GetWindowRect(d.m_hWnd, &w);
    EXPECT_EQ(w.bottom - w.top, 5 + row + 25 + 40);
    EXPECT_EQ(w.right - w.left, 300);
    const Child* cancel = Find(Children(d.m_hWnd), "Button", "&Cancel");
    ASSERT_NE(cancel, nullptr);
    RECT client;
    GetClientRect(d.m_hWnd, &client);
    EXPECT_LE(cancel->rect.bottom, client.bottom);
}

TEST_F(SetupDialog, KindWithoutExchangeIsReportedAndTheOthersStillExchange)
{
    Short record{ 0, 0 };
    iType::Collection two(nullptr, &record, sizeof record, "Two", "Two");
    iType::TCombo<> key(&two, &record.key, sizeof record.key, "Key", "Key");
    iType::Base raw(&two, &record.raw, sizeof record.raw, "Raw", nullptr);
    key.AddItem(4, "four");
    record.key = 4;
    ModalAnswerer answer(CloseBoxes);
    iCollectionDialog d(frame, CRect(0, 0, 300, 200), kSetupStyle, "Two", -1, &two);
    auto boxes = Boxes(answer);
    ASSERT_EQ(boxes.size(), 1u); // filling the controls
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].text, "Value of 'Raw' could not be stored or retrieved!");
    EXPECT_EQ(d.builder->controls.size(), 2u);
    // Each exchange reports it again; the choice list is still stored.
    SendMessageA(FindWindowExA(d.m_hWnd, nullptr, "ComboBox", nullptr), CB_SETCURSEL, 0, 0);
    record.key = 0;
    PostMessageA(d.m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(Boxes(answer).size(), 2u);
    EXPECT_EQ(record.key, 4);
}

TEST_F(SetupDialog, DisabledWhenReadableButNotWritable)
{
    setup.m_size.m_access = 1;
    iCollectionDialog* d = Open();
    EXPECT_FALSE(IsWindowEnabled(Combo(d, 0)));
    EXPECT_TRUE(IsWindowEnabled(Combo(d, 1)));
    delete d;
}

// --- the layout file --------------------------------------------------------------

TEST_F(SetupDialog, ExtraStaticsFollowTheirCount)
{
    const std::string note = "10 10 100 12, 50000000, Note";
    {
        LayoutFileScope file("[Setup]\nStatic_0000=" + note + "\n");
        iCollectionDialog d(frame, CRect(0, 0, 400, 200), kSetupStyle, "Setup", -1, &setup);
        EXPECT_EQ(Find(Children(d.m_hWnd), "Static", "Note"), nullptr) << "no count, nothing added";
    }
    {
        LayoutFileScope file("[Setup]\nStatic=2\nStatic_0001=" + note + "\n");
        iCollectionDialog d(frame, CRect(0, 0, 400, 200), kSetupStyle, "Setup", -1, &setup);
        const auto all = Children(d.m_hWnd);
        const Child* c = Find(all, "Static", "Note");
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->rect.left, 10);
        EXPECT_EQ(c->rect.top, 10);
        EXPECT_EQ(c->rect.right, 110);
        EXPECT_EQ(c->rect.bottom, 22);
        EXPECT_TRUE(c->style & WS_VISIBLE);
        EXPECT_TRUE(c->style & WS_CHILD);
        EXPECT_GT(GetDlgCtrlID(c->hwnd), 1003) << "its own id, after the members'";
        EXPECT_NE(d.builder->FindControl("Static_0001"), nullptr);
    }
}

TEST_F(SetupDialog, MalformedLinesShowTheErrorBoxWithThePosition)
{
    LayoutFileScope file("[Setup]\nStatic=3\n"
                         "Static_0000=10 10 100 12, 50000000\n"
                         "Static_0001=10 10 100 12, 50000000 Note\n"
                         "Static_0002=10 40 100 12, 50000000, Fine\n"
                         "GroupBox=1\nGroupBox_0000=1 2 3\n");
    ModalAnswerer answer(CloseBoxes);
    iCollectionDialog d(frame, CRect(0, 0, 400, 200), kSetupStyle, "Setup", -1, &setup);
    auto boxes = Boxes(answer);
    ASSERT_EQ(boxes.size(), 3u);
    for (const auto& seen : boxes) EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(boxes[0].text, "Error in:\n10 10 100 12, 50000000\nNear position 22");
    EXPECT_EQ(boxes[1].text, "Error in:\n10 10 100 12, 50000000 Note\nNear position 23");
    EXPECT_EQ(boxes[2].text, "Error in:\n1 2 3\nNear position 5");
    EXPECT_NE(Find(Children(d.m_hWnd), "Static", "Fine"), nullptr);
    EXPECT_EQ(Find(Children(d.m_hWnd), "Static", "Note"), nullptr);
}

TEST_F(SetupDialog, PerMemberRectanglesOnlyWithLayoutOn)
{
    const std::string keys = "Size:Dynamic=200 100 300 122\nSize:Static=5 100 190 117\n"
                             "Pace:Dynamic=130 260 330 282\nSounds:Static=0 300 60 317\n";
    {
        LayoutFileScope file("[Setup]\nLayout=0\n" + keys);
        iCollectionDialog* d = Open();
        const Child* label = Find(Children(d->m_hWnd), "Static", "Number of each");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->rect.right, 115);
        RECT r;
        GetWindowRect(Combo(d, 0), &r);
        MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 120);
        delete d;
    }
    {
        LayoutFileScope file("[Setup]\nLayout=1\n" + keys + "OK=10 150 90 172\nDY=30\n");
        iCollectionDialog* d = Open();
        const auto all = Children(d->m_hWnd);
        const Child* label = Find(all, "Static", "Number of each");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->rect.left, 5);
        EXPECT_EQ(label->rect.top, 100);
        EXPECT_EQ(label->rect.right, 190);
        RECT r;
        GetWindowRect(Combo(d, 0), &r);
        MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 200);
        EXPECT_EQ(r.top, 100);
        EXPECT_EQ(Find(all, "Button", "Substraction (-)")->rect.top, 5 + 30);
        EXPECT_EQ(Find(all, "Button", "&OK")->rect.top, 150);
        // The two later rows are placed by their names as well.
        GetWindowRect(Combo(d, 2), &r);
        MapWindowPoints(nullptr, d->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 130);
        EXPECT_EQ(r.top, 260);
        EXPECT_EQ(r.right, 330);
        const Child* sound = Find(all, "Static", "Sound");
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->rect.left, 0);
        EXPECT_EQ(sound->rect.top, 300);
        delete d;
    }
}

TEST_F(SetupDialog, ColumnsChangeOnlyAsAPair)
{
    {
        LayoutFileScope file("[Setup]\nStaticRect=0 5 60 5\n");
        iCollectionDialog* d = Open();
        EXPECT_EQ(Find(Children(d->m_hWnd), "Static", "Operation")->rect.right, 115);
        delete d;
    }
    {
        LayoutFileScope file("[Setup]\nStaticRect=0 5 60 5\nDynamicRect=70 5 250 5\n");
        iCollectionDialog* d = Open();
        const auto all = Children(d->m_hWnd);
        EXPECT_EQ(Find(all, "Static", "Operation")->rect.right, 60);
        EXPECT_EQ(Find(all, "Button", "Addition (+)")->rect.left, 70);
        delete d;
    }
}

TEST_F(SetupDialog, ZOrderPutsTheNamedControlsFirst)
{
    LayoutFileScope file("[Setup]\nZOrder=High  nobody Size Operation\n");
    iCollectionDialog* d = Open();
    HWND high = d->builder->FindControl("High")->window->m_hWnd;
    HWND size = d->builder->FindControl("Size")->window->m_hWnd;
    EXPECT_EQ(GetWindow(d->m_hWnd, GW_CHILD), high);
    EXPECT_EQ(GetWindow(high, GW_HWNDNEXT), size);
    EXPECT_EQ(GetWindow(size, GW_HWNDNEXT), Box(d, 0));
    delete d;
}

TEST_F(SetupDialog, GarbageAndHugeCountsNeitherCrashNorStall)
{
    std::string garbage = "[Setup]\nStatic=2000000000\nGroupBox=-5\n";
    unsigned seed = 12345;
    for (int line = 0; line < 100; ++line) {
        garbage += "Static_" + std::to_string(1000 + line) + "=";
        for (int i = 0; i < 30; ++i) {
            seed = seed * 1103515245u + 12345u;
            char c = static_cast<char>(32 + (seed >> 16) % 95);
            garbage += c == '[' ? '(' : c;
        }
        garbage += "\n";
    }
    garbage += "Static_0005=-1 -1 -2000000000 99999999999, FFFFFFFFFFFF, x\nDY=0\n";
    LayoutFileScope file(garbage);
    int boxes = 0;
    ModalAnswerer answer([&boxes](HWND h) {
        if (GetDlgItem(h, 0xFFFF)) {
            ++boxes;
            PostMessageA(h, WM_COMMAND, IDOK, 0);
        }
    });
    iCollectionDialog* d = Open();
    ASSERT_NE(d->m_hWnd, nullptr);
    // Each of the 100 random lines is read once, shown or reported in its box, and nothing
    // more: the work follows the lines present, not the two billion the count names. The line
    // whose style the system refuses shows nothing.
    EXPECT_EQ(static_cast<size_t>(boxes) + Extras(d), 100u);
    EXPECT_EQ(d->builder->FindControl("Static_0005"), nullptr);
    EXPECT_GE(boxes, 60); // nearly every random line is reported
    delete d;
}

TEST_F(SetupDialog, HostileLayoutFilesCostOnlyWhatTheyHold)
{
    std::vector<std::string> files;
    std::string bytes = "[Setup]\n";
    unsigned seed = 99;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    files.push_back(bytes);
    std::string many = "[Setup]\nStatic=2000000000\nGroupBox=2000000000\n";
    for (int i = 0; i < 10000; ++i) many += "Key" + std::to_string(i) + "=" + std::to_string(i) + " 1 2 3, 0, x\n";
    many += "Static_1999999999=10 10 100 12, 50000000, Last\n";
    files.push_back(many);
    files.push_back("[Setup]\nStatic=1\nStatic_0000=10 10 100 12, 50000000, " + std::string(70000, 'v') + "\n");
    for (size_t f = 0; f < files.size(); ++f) {
        LayoutFileScope file(files[f]);
        ModalAnswerer answer([](HWND h) {
            if (GetDlgItem(h, 0xFFFF)) PostMessageA(h, WM_COMMAND, IDOK, 0);
        });
        iCollectionDialog* d = Open();
        ASSERT_NE(d->m_hWnd, nullptr) << f;
        if (f == 1) {
            // Only the keys present are looked up, so the last of two billion is found at once.
            EXPECT_NE(d->builder->FindControl("Static_1999999999"), nullptr);
            EXPECT_EQ(Extras(d), 1u);
            EXPECT_EQ(Boxes(answer).size(), 0u);
        } else if (f == 2) {
            EXPECT_EQ(Extras(d), 1u);
        }
        PostMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(d->DoModal(), IDCANCEL);
        delete d;
        EXPECT_EQ(settings.operations, 3) << f;
    }
}

} // namespace
