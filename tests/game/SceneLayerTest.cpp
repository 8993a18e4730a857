// The kept composition of background and stacks: after any change it must hold exactly what
// painting everything afresh would, and it paints everything afresh only when it has to.
#include "SceneLayer.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <vector>

namespace {

const int Width = 320;
const int Height = 200;

void Base(CDC* dc)
{
    for (int band = 0; band < 8; ++band)
        dc->FillSolidRect(0, band * 25, Width, 25, RGB(band * 30, 200 - band * 20, 90));
}

CRect Place(int side, const DealtCard& card)
{
    const int left = (side == 0 ? 20 : 170) + card.dx;
    const int top = 40 + card.dy;
    return CRect(left, top, left + 100, top + 120);
}

void Card(CDC* dc, int side, const DealtCard& card)
{
    const CRect r = Place(side, card);
    dc->RoundRect(r.left, r.top, r.right, r.bottom, 20, 20);
    dc->FillSolidRect(r.left + 10, r.top + 10, 80, 100, RGB(card.code * 14, 255 - card.code * 14, side * 200));
}

// The scene painted afresh, in the order of a whole repaint.
void Fresh(CDC* dc, const std::vector<DealtCard> (&stacks)[2])
{
    Base(dc);
    for (int side = 0; side < 2; ++side)
        for (const DealtCard& c : stacks[side]) Card(dc, side, c);
}

std::vector<DWORD> Pixels(CDC* dc)
{
    HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(*dc, OBJ_BITMAP));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(Width * Height);
    ::GetDIBits(*dc, bitmap, 0, Height, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

class Layer : public ::testing::Test {
protected:
    void Update(long key = 1) { layer.Update(stacks, key, &Base, &Card, &Place); }
    void ExpectSameAsFresh(const char* when)
    {
        Fresh(&fresh, stacks);
        ASSERT_EQ(Pixels(layer.Canvas()), Pixels(&fresh)) << when;
    }
    void Deal(int side, int code, int dx, int dy) { stacks[side].push_back(DealtCard{ code, dx, dy }); }

    iCDC reference{ nullptr, Width, Height };
    SceneLayer layer{ &reference, Width, Height };
    iCDC fresh{ &reference, Width, Height };
    std::vector<DealtCard> stacks[2];
};

TEST_F(Layer, GrowingStacksArePaintedOnTopWithoutStartingAgain)
{
    std::srand(5);
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 1);
    for (int n = 0; n < 60; ++n) {
        Deal(n % 2, std::rand() % 18, std::rand() % 11 - 5, std::rand() % 11 - 5);
        if (n % 3 == 0) Update(); // several deals between two repaints now and then
    }
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 1);
    ExpectSameAsFresh("after 60 deals");
}

TEST_F(Layer, AnyOtherChangeStartsAgain)
{
    for (int n = 0; n < 10; ++n) Deal(n % 2, n, n - 5, 5 - n);
    Update();
    ExpectSameAsFresh("first");

    // A refill: each stack down to its top card.
    for (auto& stack : stacks) stack.erase(stack.begin(), stack.end() - 1);
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 2);
    ExpectSameAsFresh("after the stacks were cut down");

    // A new game: the same number of cards, others.
    stacks[0].back() = DealtCard{ 3, 0, 0 };
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 3);
    ExpectSameAsFresh("after a card below the top changed");

    // Something else the painting depends on.
    Update(2);
    EXPECT_EQ(layer.WholeRepaints(), 4);
    ExpectSameAsFresh("after the key changed");
}

// A new left card lying over right cards belongs under them: that needs a whole repaint.
TEST_F(Layer, ANewLeftCardOverTheRightStackStartsAgain)
{
    Deal(0, 1, 0, 0);
    Deal(1, 2, 0, 0);
    Update();
    Deal(0, 4, 60, 0); // reaches into the right stack's place
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 2);
    ExpectSameAsFresh("left card under the right stack");
    Deal(1, 5, 3, 3); // right cards go on top anyway
    Update();
    EXPECT_EQ(layer.WholeRepaints(), 2);
    ExpectSameAsFresh("right card on top");
}

} // namespace
