// The deck: filling from the settings, the neighbour rule of the draw, running dry.
#include "Deck.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

TEST(CardNames, WildCardThenTwoDigitValues)
{
    EXPECT_STREQ(CardNames[0], "KAZ");
    EXPECT_STREQ(CardNames[1], "00");
    EXPECT_STREQ(CardNames[10], "09");
    EXPECT_STREQ(CardNames[17], "16");
}

TEST(Deck, FilledFromCopiesAndKinds)
{
    Deck full(5, 18); // "Number of each" 5, highest card "16"
    EXPECT_EQ(full.Remaining(), 90);
    for (int c = 0; c < 18; ++c) EXPECT_EQ(full.Count(c), 5) << c;

    Deck small(10, 10); // highest card " 8" with 10 copies
    EXPECT_EQ(small.Remaining(), 100);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(small.Count(c), 10) << c;
    EXPECT_EQ(small.Count(10), 0);

    small.Reset(5, 18);
    EXPECT_EQ(small.Remaining(), 90);
    EXPECT_EQ(small.Copies(), 5);
    EXPECT_EQ(small.Kinds(), 18);
}

TEST(Deck, KindsOutsideTheArrayAreClamped)
{
    Deck deck(2, 40);
    EXPECT_EQ(deck.Kinds(), 18);
    EXPECT_EQ(deck.Remaining(), 36);
    deck.Reset(3, 0);
    EXPECT_EQ(deck.Kinds(), 1);
    EXPECT_EQ(deck.Remaining(), 3);
}

TEST(Deck, WholeDeckYieldsEveryCodeCopiesTimesThenMinusOne)
{
    for (unsigned seed : { 1u, 7u, 12345u }) {
        std::srand(seed);
        Deck deck(7, 18);
        int seen[18] = {};
        for (int n = 0; n < 7 * 18; ++n) {
            int code = deck.Draw();
            ASSERT_GE(code, 0);
            ASSERT_LT(code, 18);
            ++seen[code];
            EXPECT_EQ(deck.Remaining(), 7 * 18 - n - 1);
        }
        for (int c = 0; c < 18; ++c) EXPECT_EQ(seen[c], 7) << "code " << c << " seed " << seed;
        EXPECT_EQ(deck.Draw(), -1);
        EXPECT_EQ(deck.Draw(), -1);
        EXPECT_EQ(deck.Remaining(), 0);
    }
}

TEST(Deck, OneKindLeftIsAlwaysDrawn)
{
    for (unsigned seed = 1; seed < 60; ++seed) {
        std::srand(seed);
        Deck deck(1, 18);
        bool seen[18] = {};
        for (int n = 0; n < 17; ++n) seen[deck.Draw()] = true;
        int left = -1;
        for (int c = 0; c < 18; ++c)
            if (!seen[c]) left = c;
        ASSERT_GE(left, 0);
        ASSERT_EQ(deck.Count(left), 1);
        EXPECT_EQ(deck.Draw(), left) << seed;
        EXPECT_EQ(deck.Draw(), -1);
    }
    // A card chosen rather than drawn leaves the deck as a draw would, while it holds one.
    Deck deck(1, 3);
    EXPECT_TRUE(deck.Take(2));
    EXPECT_FALSE(deck.Take(2) || deck.Take(3) || deck.Take(-1));
    EXPECT_EQ(deck.Remaining() * 10 + deck.Count(2), 20);
}

TEST(Deck, ExhaustedKindFavoursItsNeighbours)
{
    // With one kind gone, each neighbour takes half of its share: 1.5 shares against 1.
    std::srand(4242);
    const int kinds = 18;
    const int trials = 36000;
    int byOffset[kinds] = {};
    for (int t = 0; t < trials; ++t) {
        Deck deck(1, kinds);
        int first = deck.Draw();
        int second = deck.Draw();
        ++byOffset[(second - first + kinds) % kinds];
    }
    const double share = static_cast<double>(trials) / kinds;
    EXPECT_EQ(byOffset[0], 0);
    EXPECT_NEAR(byOffset[1], 1.5 * share, 0.15 * share);
    EXPECT_NEAR(byOffset[kinds - 1], 1.5 * share, 0.15 * share);
    for (int o = 2; o < kinds - 1; ++o) EXPECT_NEAR(byOffset[o], share, 0.15 * share) << o;
}

} // namespace
