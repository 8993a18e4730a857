#include "iWindowSet.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<int> deletions;

// A toolkit-like parent: owns the controls registered in its set.
class OwnerWnd : public CWnd, public iWindowSetOwner {
public:
    OwnerWnd() { CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr); }
    ~OwnerWnd() override { DeleteOwnedWindows(windows); }
    iWindowSet* GetWindowSet() override { return &windows; }
    iWindowSet windows;
};

// A control that registers itself and counts how often it is deleted.
class ControlWnd : public CWnd {
public:
    ControlWnd(CWnd* parent, int number) : tag(number)
    {
        CreateEx(0, "Static", "", WS_CHILD, CRect(0, 0, 10, 10), parent, 100 + static_cast<UINT>(tag));
        attached = access.Attach(this);
    }
    ~ControlWnd() override
    {
        ++deletions[static_cast<size_t>(tag)];
        delete alsoDelete;
    }
    int tag;
    bool attached = false;
    ControlWnd* alsoDelete = nullptr;
    iWindowSetAccess access;
};
} // namespace

class WindowSet : public ::testing::Test {
protected:
    void SetUp() override { deletions.assign(8, 0); }
};

TEST_F(WindowSet, OwnerDeletesEachRegisteredControlOnce)
{
    auto* owner = new OwnerWnd;
    ASSERT_NE(nullptr, owner->m_hWnd);
    std::vector<ControlWnd*> controls;
    for (int i = 0; i < 5; ++i) controls.push_back(new ControlWnd(owner, i));
    for (ControlWnd* c : controls) {
        EXPECT_TRUE(c->attached);
        EXPECT_EQ(c, c->access.window);
        EXPECT_EQ(&owner->windows, c->access.windowSet);
        EXPECT_EQ(nullptr, c->access.propertyPage);
    }
    EXPECT_EQ(5u, owner->windows.size());

    // One control takes a sibling with it; the sibling still dies only once.
    controls[1]->alsoDelete = controls[3];
    // A control deleted by its creator leaves the set.
    delete controls[4];
    EXPECT_EQ(4u, owner->windows.size());

    delete owner;
    EXPECT_EQ(std::vector<int>({ 1, 1, 1, 1, 1, 0, 0, 0 }), deletions);
}

TEST_F(WindowSet, ParentsWithoutASetDoNotOwn)
{
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, "plain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    auto* control = new ControlWnd(&plain, 0);
    EXPECT_TRUE(control->attached);
    EXPECT_EQ(nullptr, control->access.windowSet);
    delete control;
    EXPECT_EQ(1, deletions[0]);
}

TEST_F(WindowSet, NoParentObjectLeavesTheControlUnregistered)
{
    iWindowSetAccess access;
    EXPECT_FALSE(access.Attach(nullptr));

    // A parent window that no object is bound to.
    HWND raw = ::CreateWindowExA(0, "Static", "raw", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, raw);
    CWnd control;
    ASSERT_TRUE(control.CreateEx(0, "Static", "", WS_CHILD, 0, 0, 10, 10, raw, nullptr));
    EXPECT_FALSE(access.Attach(&control));
    EXPECT_EQ(nullptr, access.window);
    EXPECT_EQ(nullptr, access.windowSet);
    control.DestroyWindow();
    ::DestroyWindow(raw);
}
