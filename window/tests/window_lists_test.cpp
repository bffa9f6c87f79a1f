// The window as loaded, the To list each From choice fills, and the age question's layouts.
#include <gtest/gtest.h>

#include <string>

#include "window_test_support.h"

namespace corvane {
namespace {

using testing::Boxes;
using testing::CrossGradeBoxes;
using testing::FilledBook;

TEST(WindowLoad, FillsTheFromAndDiscountListsInUpgradeMode) {
  const PriceBook& book = FilledBook();
  HeadlessWindow w(book);
  ASSERT_EQ(w.Combo1.ListCount(), 31);
  EXPECT_EQ(w.Combo1.ItemText(0), "Windows PIPWICK");
  EXPECT_EQ(w.Combo1.ItemText(30), "Warranty Rotavex module AddOn");
  for (int position = 0; position < 31; ++position) {
    SCOPED_TRACE(position);
    EXPECT_EQ(w.Combo1.ItemText(position), book.PackageName[position + 2]);
    EXPECT_EQ(w.Combo1.ItemData(position), position + 2);
  }
  ASSERT_EQ(w.Combo3.ListCount(), 17);
  for (int position = 0; position < 17; ++position) {
    EXPECT_EQ(w.Combo3.ItemText(position), std::to_string(5 * position) + "%");
  }
  EXPECT_EQ(w.Combo3.Text(), "0%");
  EXPECT_EQ(w.Combo2.Text(), "Nothing Selected");
  EXPECT_EQ(w.Combo2.ListCount(), 0);
  for (const HeadlessComboBox* combo : {&w.Combo1, &w.Combo2, &w.Combo3}) {
    EXPECT_EQ(combo->ListIndex(), -1);
  }
  EXPECT_EQ(CrossGradeBoxes(w), Boxes());
  EXPECT_EQ(testing::ItemBoxes(w), Boxes());
  EXPECT_TRUE(w.List1.Items().empty());
  EXPECT_EQ(w.State().FromIndex, 0);
  EXPECT_EQ(w.State().ToIndex, 0);
  EXPECT_FALSE(w.State().OtherMode || w.State().SupportMode || w.ItemFrameShown());
  EXPECT_TRUE(w.lblTitle.Visible() && w.fmeFrom.Visible() && w.fmeTo.Visible());
  EXPECT_TRUE(w.messages.Warnings().empty() && w.messages.Errors().empty());
}

// One window for all three, so that each From choice has to replace the list the last one left,
// with a To entry chosen in it.
TEST(WindowToList, OffersNothingSelectedThenEveryLaterPackage) {
  const PriceBook& book = FilledBook();
  HeadlessWindow w(book);
  for (int from : {17, 2, 32}) {
    SCOPED_TRACE(book.PackageName[from]);
    testing::ChooseFrom(w, book.PackageName[from]);
    EXPECT_EQ(w.State().FromIndex, from);
    const int packages = 32 - from;
    ASSERT_EQ(w.Combo2.ListCount(), 1 + packages);
    EXPECT_EQ(w.Combo2.ListIndex(), -1);
    EXPECT_EQ(w.Combo2.ItemText(0), "Nothing Selected");
    EXPECT_EQ(w.Combo2.ItemData(0), packages > 0 ? from + 1 : 0);
    for (int position = 1; position <= packages; ++position) {
      EXPECT_EQ(w.Combo2.ItemText(position), book.PackageName[from + position]);
      EXPECT_EQ(w.Combo2.ItemData(position), from + position + 1);
    }
    if (packages > 0) {
      w.ChooseTo(packages);
      EXPECT_EQ(w.State().ToIndex, 32);
    }
  }
}

// Index 70 is never listed; a text of blanks is.
TEST(WindowToList, ScansUpToOneBelowTheUpperBound) {
  PriceBook book = FillPriceBook();
  book.PackageName.Set(69, " ");
  book.PackageName.Set(70, "Windows Never Listed");
  HeadlessWindow w(book);
  ASSERT_EQ(w.Combo1.ListCount(), 32);
  EXPECT_EQ(w.Combo1.ItemData(31), 69);
  testing::ChooseFrom(w, "Warranty Rotavex module AddOn");
  ASSERT_EQ(w.Combo2.ListCount(), 2);
  EXPECT_EQ(w.Combo2.ItemData(0), 69);
  EXPECT_EQ(w.Combo2.ItemText(1), " ");
  EXPECT_EQ(w.Combo2.ItemData(1), 70);
}

TEST(WindowAgeQuestion, TwoOrThreeBandsByTheFromPackageAndTheOldestBandStaysSelected) {
  struct Case {
    const char* from;
    bool threeBands;
    Boxes newPrice;
  };
  const Case cases[] = {
      {"Windows Garrowin Manager", true, {"3,000.00", "3,420.00"}},
      {"Windows HB 3", false, {"5,600.00", "6,384.00"}},
      {"SMS Manager AddOn", true, {"1,800.00", "2,052.00"}},
      {"Windows HB 1", false, {"4,200.00", "4,788.00"}},
  };
  HeadlessWindow w(FilledBook());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    testing::ChooseFrom(w, c.from);
    EXPECT_EQ(w.optAge0.Caption(), c.threeBands ? "Over 2 years" : "Over 1 year");
    EXPECT_EQ(w.optAge1.Caption(), c.threeBands ? "Between 1 and 2 years" : "Less than 1 year");
    EXPECT_EQ(w.optAge2.Caption(), "Less than 1 year");
    EXPECT_EQ(w.optAge2.Visible(), c.threeBands);
    EXPECT_EQ(CrossGradeBoxes(w), c.newPrice);
  }
  // After both layouts a quote still takes the oldest band's price (3300, not 3000).
  testing::ChooseFrom(w, "Windows ZEPH (Strovane)");
  testing::ChooseTo(w, "Windows HB 1");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("3,300.00", "3,762.00"));
}

}  // namespace
}  // namespace corvane
