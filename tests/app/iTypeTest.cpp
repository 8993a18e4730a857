#include "iType.h"
#include <gtest/gtest.h>
#include <string>

namespace {

struct Record {
    int32_t mask;
    int32_t key;
};

class Items : public ::testing::Test {
protected:
    Items()
        : all(nullptr, &record, sizeof record, "All", "Everything"),
          check(&all, &record.mask, sizeof record.mask, "Mask", "Operations"),
          combo(&all, &record.key, sizeof record.key, "Key", nullptr)
    {}
    void AddOperations()
    {
        check.AddItem(0, "Addition (+)");
        check.AddItem(1, "Substraction (-)");
        check.AddItem(2, "Multiplication (*)");
        check.AddItem(3, "Division (/)");
    }
    Record record{ 77, 77 };
    iType::Collection all;
    iType::TCheck<> check;
    iType::TCombo<> combo;
};

TEST_F(Items, ConstructionClearsFieldsAndAdoptsInOrder)
{
    EXPECT_EQ(record.mask, 0);
    EXPECT_EQ(record.key, 0);
    ASSERT_EQ(all.Count(), 2);
    EXPECT_EQ(all.GetMember(0), &check);
    EXPECT_EQ(all.GetMember(1), &combo);
    EXPECT_EQ(all.GetMember(2), nullptr);
    EXPECT_EQ(all.GetMember(-1), nullptr);
    EXPECT_EQ(check.Parent(), &all);
    EXPECT_STREQ(combo.Caption(), "Key");
    EXPECT_STREQ(check.Caption(), "Operations");
}

TEST_F(Items, CheckSetTexts)
{
    EXPECT_EQ(std::string(check.GetText()), "0x00000000");
    record.mask = 0x1234ABCD;
    EXPECT_EQ(std::string(check.GetText()), "0x1234ABCD");

    AddOperations();
    record.mask = 5;
    EXPECT_EQ(std::string(check.GetText()), "Addition (+) & Multiplication (*)");
    record.mask = 0;
    EXPECT_EQ(std::string(check.GetText()), "");
    // A set bit without an item still takes its place between separators.
    record.mask = 1 | 16 | 8;
    EXPECT_EQ(std::string(check.GetText()), "Addition (+) & Division (/) & ");
}

TEST_F(Items, CheckSetIgnoresBitsOutsideItsWidth)
{
    check.AddItem(32, "too high");
    check.AddItem(-1, "too low");
    EXPECT_EQ(check.Items().Map(), nullptr);
    EXPECT_EQ(check.GetCount(), 32);

    check.SetChecked(32, true);
    check.SetChecked(-1, true);
    EXPECT_EQ(record.mask, 0);
    check.SetChecked(31, true);
    check.SetChecked(2, true);
    EXPECT_EQ(static_cast<uint32_t>(record.mask), 0x80000004u);
    EXPECT_TRUE(check.IsChecked(31));
    EXPECT_FALSE(check.IsChecked(32));
    EXPECT_FALSE(check.IsChecked(-1));
    check.SetChecked(2, false);
    EXPECT_EQ(static_cast<uint32_t>(record.mask), 0x80000000u);
}

TEST_F(Items, SetTextStoresTheKeyOfTheItem)
{
    AddOperations();
    record.mask = 15;
    EXPECT_TRUE(check.SetText("Multiplication (*)"));
    EXPECT_EQ(record.mask, 2);
    EXPECT_TRUE(check.SetText("multiplication (*)"));
    EXPECT_EQ(record.mask, 2);

    combo.AddItem(-4, "minus four");
    combo.AddItem(12, "twelve");
    EXPECT_TRUE(combo.SetText("minus four"));
    EXPECT_EQ(record.key, -4);
}

// Text read back from a file or a dialog may match nothing; the field must then keep its value.
TEST_F(Items, SetTextKeepsTheFieldWhenNothingMatches)
{
    record.mask = 9;
    record.key = 9;
    EXPECT_TRUE(check.SetText("Addition (+)"));
    EXPECT_TRUE(combo.SetText("anything"));
    EXPECT_EQ(record.mask, 9);
    EXPECT_EQ(record.key, 9);

    AddOperations();
    combo.AddItem(7, "same");
    combo.AddItem(-3, "same");
    combo.AddItem(0, "");
    EXPECT_TRUE(check.SetText(nullptr));
    EXPECT_TRUE(combo.SetText(nullptr));
    EXPECT_TRUE(check.SetText("Addition (+) & Division (/)"));
    EXPECT_EQ(record.mask, 9);
    EXPECT_EQ(record.key, 9);

    // Of two items with the text the smaller key wins, also below zero; the empty text is a text.
    EXPECT_TRUE(combo.SetText("same"));
    EXPECT_EQ(record.key, -3);
    EXPECT_TRUE(combo.SetText(""));
    EXPECT_EQ(record.key, 0);
    check.AddItem(4, "Division (/)");
    EXPECT_TRUE(check.SetText("Division (/)"));
    EXPECT_EQ(record.mask, 3);
}

TEST_F(Items, ChoiceListTexts)
{
    EXPECT_EQ(std::string(combo.GetText()), "*No String Map!*");
    combo.AddItem(9, " 8");
    combo.AddItem(17, "16");
    record.key = 17;
    EXPECT_EQ(std::string(combo.GetText()), "16");
    record.key = 12;
    EXPECT_EQ(std::string(combo.GetText()), "");
    combo.AddItem(17, "sixteen");
    record.key = 17;
    EXPECT_EQ(std::string(combo.GetText()), "sixteen");
}

TEST_F(Items, CopiesShareTheItemMap)
{
    combo.AddItem(5, " 5");
    combo.AddItem(10, "10");
    combo.SetText3("three");
    combo.m_access = 1;
    iType::Base* copy = combo.Clone();
    auto* list = dynamic_cast<iType::TCombo<>*>(copy);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Items().Map(), combo.Items().Map());
    EXPECT_FALSE(list->Items().Owned());
    EXPECT_STREQ(list->Name(), "Key");
    EXPECT_STREQ(list->Text3(), "three");
    EXPECT_EQ(list->m_access, 1);
    EXPECT_EQ(list->Parent(), nullptr);

    list->CopyValue(combo);
    record.key = 10;
    list->CopyValue(combo);
    EXPECT_EQ(list->GetValue(), 10);
    EXPECT_EQ(std::string(list->GetText()), "10");
    delete copy;

    // The source's map outlives the copy.
    ASSERT_NE(combo.Items().Map(), nullptr);
    EXPECT_EQ(combo.Items().Map()->Count(), 2);
    EXPECT_EQ(std::string(combo.GetText()), "10");
}

TEST_F(Items, AssignReplacesAnOwnedMap)
{
    iType::TCheck<> other(nullptr, "Other", "Other");
    other.AddItem(1, "own");
    AddOperations();
    other.Assign(check);
    EXPECT_EQ(other.Items().Map(), check.Items().Map());
    EXPECT_STREQ(other.Name(), "Mask");
    check.SetChecked(1, true);
    other.CopyValue(check);
    EXPECT_EQ(std::string(other.GetText()), "Substraction (-)");
}

TEST_F(Items, CollectionTextCompareAndLimits)
{
    AddOperations();
    combo.AddItem(3, "three");
    record = { 1, 3 };
    EXPECT_EQ(std::string(all.GetText()), "Addition (+)three");
    all.SetSeparator(", ");
    EXPECT_EQ(std::string(all.GetText()), "Addition (+), three");
    combo.m_flags &= ~1;
    EXPECT_EQ(std::string(all.GetText()), "Addition (+)");

    Record second{ 1, 4 };
    iType::Collection other(nullptr, &second, sizeof second, "All", "Everything");
    iType::TCheck<> otherCheck(&other, &second.mask, sizeof second.mask, "Mask", nullptr);
    iType::TCombo<> otherCombo(&other, &second.key, sizeof second.key, "Key", nullptr);
    second = { 1, 4 };
    EXPECT_EQ(all.Compare(other), -1);
    EXPECT_EQ(other.Compare(&all), 1);
    second.key = 3;
    EXPECT_EQ(all.Compare(other), 0);
    EXPECT_EQ(all.CompareData(other), 0);

    // The check set refuses limits, so the walk stops before the choice list.
    EXPECT_FALSE(all.SetLower());
    EXPECT_EQ(record.key, 3);
    EXPECT_TRUE(combo.SetUpper());
    EXPECT_EQ(record.key, INT32_MAX);
    EXPECT_TRUE(combo.SetLower());
    EXPECT_EQ(record.key, INT32_MIN);
}

TEST_F(Items, LookupByNameIsExact)
{
    EXPECT_EQ(all.GetMember("Key"), &combo);
    EXPECT_EQ(all.GetMember(iString("Mask")), &check);
    EXPECT_EQ(all.GetMember("key"), nullptr);
    EXPECT_EQ(all.GetMember(static_cast<LPCSTR>(nullptr)), nullptr);
    EXPECT_EQ(all.Find("Mask"), &check);
}

TEST(FullName, JoinsParentsWithSeparator)
{
    iType::Collection root(nullptr, "Setup", "Setup");
    iType::Collection inner(&root, "Inner", nullptr);
    iType::TCombo<> leaf(&inner, "Leaf", nullptr);
    iType::TCombo<> unnamed(&inner, nullptr, nullptr);
    EXPECT_EQ(std::string(root.FullName()), "Setup");
    EXPECT_EQ(std::string(leaf.FullName()), "Setup.Inner.Leaf");
    EXPECT_EQ(std::string(leaf.FullName("/")), "Setup/Inner/Leaf");
    EXPECT_EQ(std::string(unnamed.FullName()), "Setup.Inner");
}

TEST(Texts, ResultsStayValidForThreeMoreTexts)
{
    iType::TCombo<> a(nullptr, "A", nullptr);
    a.AddItem(0, "first");
    LPCSTR kept = a.GetText();
    iType::TCombo<> b(nullptr, "B", nullptr);
    b.AddItem(0, std::string(5000, 'x').c_str());
    b.GetText();
    b.GetText();
    b.GetText();
    EXPECT_STREQ(kept, "first");
    EXPECT_EQ(std::string(b.GetText()).size(), 5000u);
}

TEST(OwnedBlock, FreedWithItsDescription)
{
    iType::TCheck<> owned(nullptr, "Owned", nullptr);
    EXPECT_EQ(owned.StorageKind(), iType::DataBlock::Owned);
    EXPECT_EQ(owned.ByteCount(), 4);
    owned.SetDefault(9);
    owned.Reset();
    EXPECT_EQ(owned.GetValue(), 9);
    // A field too short for the value type is never written.
    int16_t small = 7;
    iType::TCombo<> tooShort(nullptr, &small, sizeof small, "Short", nullptr);
    tooShort.SetDefault(0x12345678);
    tooShort.Reset();
    EXPECT_EQ(small, 7);
}

} // namespace
