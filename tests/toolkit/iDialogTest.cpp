// Dialogs built in memory: created at once, parent disabled, ended by OK or the close box.
#include "CButton.h"
#include "CFrameWnd.h"
#include "TestSupport.h"
#include "iDialog.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;

struct Owner {
    CFrameWnd* frame = new CFrameWnd;
    Owner() { frame->Create(nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)); }
    ~Owner() { frame->DestroyWindow(); }
};

class OkDialog : public iDialog {
public:
    OkDialog(CWnd* parent, LPCSTR caption) : iDialog(parent, CRect(0, 0, 120, 60), kStyle, caption)
    {
        ok = new CButton;
        CRect r(10, 40, 50, 54);
        MapDialogRect(&r);
        ok->Create("OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, r, this, IDOK);
    }
    ~OkDialog() override { delete ok; }
    CButton* ok;
};

TEST(iDialog, WindowExistsAtOnceAndTheParentIsDisabled)
{
    Owner owner;
    OkDialog dlg(owner.frame, "Made at once");
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindowEnabled(owner.frame->m_hWnd));
    EXPECT_EQ(dlg.disabledParent, owner.frame->m_hWnd);
    EXPECT_EQ(dlg.modalByHand, 1);
    EXPECT_TRUE(dlg.UsesDialogUnits());
    CString caption;
    dlg.GetWindowText(caption);
    EXPECT_STREQ(caption, "Made at once");
    // The toolkit's own style bit never reaches the template.
    const auto* t = reinterpret_cast<const DLGTEMPLATE*>(dlg.Template());
    EXPECT_EQ(t->style & 0x01000000u, 0u);
    EXPECT_EQ(t->cx, 120);
}

TEST(iDialog, OkAndCloseBoxEndTheLoopAndGiveTheParentBack)
{
    Owner owner;
    {
        OkDialog dlg(owner.frame, "About");
        PostMessageA(dlg.ok->m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.inModalLoop, 0);
        EXPECT_TRUE(IsWindowEnabled(owner.frame->m_hWnd));
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
    {
        OkDialog dlg(owner.frame, "Help");
        dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(IsWindowEnabled(owner.frame->m_hWnd));
    }
}

TEST(iDialog, DroppedWithoutItsLoopStillEnablesTheParent)
{
    Owner owner;
    {
        OkDialog dlg(owner.frame, "never run");
        EXPECT_FALSE(IsWindowEnabled(owner.frame->m_hWnd));
    }
    EXPECT_TRUE(IsWindowEnabled(owner.frame->m_hWnd));
}

} // namespace

namespace {

// A dialog that asks for pixel placement and holds an edit box as its first control.
class PixelDialog : public iDialog {
public:
    explicit PixelDialog(CWnd* parent) : iDialog(parent, CRect(0, 0, 300, 150), kStyle, "Pixels")
    {
        dialogUnits = 0;
        edit = new CWnd;
        edit->CreateEx(WS_EX_CLIENTEDGE, "EDIT", "some text", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                       CRect(10, 10, 200, 30), this, 100);
        OnInitDialog(); // again, now that the flag is off and the control exists
    }
    ~PixelDialog() override { delete edit; }
    CWnd* edit;
};

TEST(iDialog, PixelPlacementCentresOnTheParentAndSelectsTheEditText)
{
    Owner owner;
    PixelDialog dlg(owner.frame);
    CRect r, parent;
    dlg.GetWindowRect(&r);
    owner.frame->GetWindowRect(&parent);
    EXPECT_EQ(r.Width(), 300);
    EXPECT_EQ(r.Height(), 150);
    EXPECT_LE(std::abs(r.CenterPoint().x - parent.CenterPoint().x), 1);
    EXPECT_LE(std::abs(r.CenterPoint().y - parent.CenterPoint().y), 1);
    EXPECT_EQ(::GetFocus(), dlg.edit->m_hWnd);
    DWORD start = 0, end = 0;
    dlg.edit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);
}

} // namespace
