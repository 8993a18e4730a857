// Modal dialogs from memory templates.
#include "CDialog.h"
#include "CFrameWnd.h"
#include "DialogTemplate.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using testing_support::ModalAnswerer;

namespace {

class CountingDialog : public CDialog {
public:
    using CDialog::CDialog;
    int inits = 0;
    int exchanges = 0;
    BOOL lastSave = -1;
    BOOL OnInitDialog() override
    {
        ++inits;
        return CDialog::OnInitDialog();
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        ++exchanges;
        lastSave = dx->m_bSaveAndValidate;
    }
};

CDialogTemplate OkCancelTemplate()
{
    CDialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 10, 10, 120, 60, "Test box",
                      0, 8, "MS Sans Serif");
    t.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 40, 40, 14, IDOK, 0x0080, "OK");
    t.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 40, 40, 14, IDCANCEL, 0x0080, "Cancel");
    return t;
}

TEST(Dialog, OkButtonEndsWithIdokAfterSavingData)
{
    CDialogTemplate t = OkCancelTemplate();
    EXPECT_EQ(t.ItemCount(), 2);
    auto* owner = new CFrameWnd;
    ASSERT_TRUE(owner->Create(nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    CountingDialog dlg(t.Get(), owner);
    bool ownerDisabled = false;
    ModalAnswerer answer([&](HWND h) {
        ownerDisabled = !IsWindowEnabled(owner->m_hWnd);
        PostMessageA(GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "Test box");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner->m_hWnd));
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_EQ(dlg.exchanges, 2); // to the controls at start, back on OK
    EXPECT_EQ(dlg.lastSave, TRUE);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    owner->DestroyWindow();
}

TEST(Dialog, CloseBoxEndsWithIdcancelWithoutSaving)
{
    CDialogTemplate t = OkCancelTemplate();
    CountingDialog dlg(t.Get(), nullptr);
    ModalAnswerer answer([](HWND h) { PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.exchanges, 1);
    EXPECT_EQ(dlg.lastSave, FALSE);
}

class SelfEndingDialog : public CDialog {
public:
    using CDialog::CDialog;
    BOOL OnInitDialog() override
    {
        EndDialog(42);
        return TRUE;
    }
};

TEST(Dialog, EndingDuringCreationSkipsTheLoop)
{
    CDialogTemplate t = OkCancelTemplate();
    SelfEndingDialog dlg(t.Get(), nullptr);
    EXPECT_EQ(dlg.DoModal(), 42);
}

TEST(DialogTemplate, CaptionAndItemsAreAlignedForTheDialogManager)
{
    // An odd-length caption forces padding before the first item.
    CDialogTemplate t(WS_POPUP, 0, 0, 0, 100, 50, "Odd", 7);
    t.AddItem(WS_CHILD, 0, 1, 2, 3, 4, 55, 0x0082, "x");
    const WORD* w = reinterpret_cast<const WORD*>(t.Get());
    EXPECT_EQ(w[4], 1); // item count
    EXPECT_EQ(w[9], 0xFFFF); // menu as an ordinal
    EXPECT_EQ(w[10], 7);
    const WORD* title = w + 12;
    EXPECT_EQ(title[0], 'O');
    EXPECT_EQ(title[3], 0);
    size_t itemOffset = (12 + 4) * sizeof(WORD);
    itemOffset = (itemOffset + 3) & ~size_t(3);
    const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(reinterpret_cast<const BYTE*>(t.Get()) + itemOffset);
    EXPECT_EQ(item->id, 55);
    EXPECT_EQ(item->cx, 3);
}

} // namespace
