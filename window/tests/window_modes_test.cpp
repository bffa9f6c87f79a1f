// The upgrade, other-item and support-contract modes, their item prices, and closing the window.
#include <gtest/gtest.h>

#include "window_test_support.h"

namespace corvane {
namespace {

using testing::Boxes;
using testing::CrossGradeBoxes;
using testing::FilledBook;
using testing::ItemBoxes;

void ExpectItemFrame(const HeadlessWindow& w, bool shown) {
  EXPECT_EQ(w.ItemFrameShown(), shown);
  for (const HeadlessFrame* covered : {&w.lblTitle, &w.fmeFrom, &w.fmeTo}) {
    EXPECT_EQ(covered->Visible(), !shown);
  }
}

// One window throughout: every press, of the same button too, refills the list and resets the
// item boxes that the previous case priced.
TEST(WindowModes, EachPressListsItsItemsAndEachItemShowsItsPrice) {
  struct Case {
    WindowButton mode;
    std::size_t listed;
    int position;
    const char* item;
    Boxes price;
  };
  const Case cases[] = {
      {WindowButton::Other,
       22,
       0,
       "Multi-Warehouse - Win.Tessaline 1 User",
       {"3,000.00", "3,420.00"}},
      {WindowButton::Support,
       36,
       0,
       "Support Contract (monthly): Tessaline 1",
       {"184.21", "210.00"}},
      {WindowButton::Support,
       36,
       7,
       "Support Contract (monthly): Tessaline 19",
       {"657.90", "750.00"}},
      {WindowButton::Other,
       22,
       21,
       "Convert Foreign Data files to Corvane (per ledger)",
       {"900.00", "1,026.00"}},
      {WindowButton::Support,
       36,
       20,
       "Support Contract (monthly): Garrowin (Pro DOS)",
       {"70.18", "80.00"}},
      {WindowButton::Support,
       36,
       35,
       "Support Contract (PA): Garrowin (Pro WIN)",
       {"912.28", "1,040.00"}},
  };
  HeadlessWindow w(FilledBook());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    w.Press(c.mode);
    EXPECT_EQ(ItemBoxes(w), Boxes("0.00", "0.00"));
    EXPECT_EQ(w.State().OtherMode, c.mode == WindowButton::Other);
    EXPECT_EQ(w.State().SupportMode, c.mode == WindowButton::Support);
    ExpectItemFrame(w, true);
    ASSERT_EQ(w.List1.Items().size(), c.listed);
    EXPECT_EQ(w.List1.ListIndex(), -1);
    w.ChooseItem(c.position);
    EXPECT_EQ(w.List1.Items()[static_cast<std::size_t>(c.position)], c.item);
    EXPECT_EQ(ItemBoxes(w), c.price);
  }
}

TEST(WindowModes, UpgradeHidesTheItemFrameAndKeepsWhatEveryBoxShows) {
  HeadlessWindow w(FilledBook());
  testing::ChooseFrom(w, "Windows HB 1");
  w.Press(WindowButton::Support);
  w.ChooseItem(0);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE(press);
    w.Press(WindowButton::Upgrade);
    EXPECT_FALSE(w.State().OtherMode || w.State().SupportMode);
    ExpectItemFrame(w, false);
    EXPECT_EQ(w.List1.Items().size(), 36u);
    EXPECT_EQ(ItemBoxes(w), Boxes("184.21", "210.00"));
    EXPECT_EQ(CrossGradeBoxes(w), Boxes("4,200.00", "4,788.00"));
    EXPECT_EQ(w.Combo1.Text(), "Windows HB 1");
  }
  w.ChooseItem(1);  // behind the hidden frame
  EXPECT_EQ(ItemBoxes(w), Boxes("184.21", "210.00"));
}

// The item frame covers the title and both package frames: their lists take no action, and a
// To-list event that still arrives quotes as it does in upgrade mode.
TEST(WindowModes, TheCoveredControlsTakeNoActionInTheListModes) {
  for (WindowButton mode : {WindowButton::Other, WindowButton::Support}) {
    SCOPED_TRACE(static_cast<int>(mode));
    HeadlessWindow w(FilledBook());
    testing::ChooseFrom(w, "Windows HB 1");
    w.Press(mode);
    w.ChooseFrom(4);
    w.ChooseTo(2);
    w.ChooseDiscount(3);
    w.TypeFrom("Windows HB 2");
    w.TypeTo("Windows HB 5");
    w.TypeDiscount("15%");
    EXPECT_EQ(w.Combo1.ListIndex(), 2);
    EXPECT_EQ(w.Combo1.Text(), "Windows HB 1");
    EXPECT_EQ(w.Combo2.ListIndex(), -1);
    EXPECT_EQ(w.Combo2.Text(), "");
    EXPECT_EQ(w.Combo3.Text(), "0%");
    EXPECT_EQ(w.State().FromIndex, 4);
    EXPECT_EQ(CrossGradeBoxes(w), Boxes("4,200.00", "4,788.00"));

    w.Combo2.SetListIndex(2);  // "Windows HB 3"; other item 2 would cost 3,500.00
    w.Behaviour().Combo2_Click();
    EXPECT_EQ(w.State().ToIndex, 6);
    EXPECT_EQ(CrossGradeBoxes(w), Boxes("1,600.00", "1,824.00"));
    EXPECT_TRUE(w.messages.Warnings().empty());
  }
}

TEST(WindowClose, UnloadsInEveryModeAndNothingReachesTheWindowAfterwards) {
  for (WindowButton mode : {WindowButton::Upgrade, WindowButton::Other, WindowButton::Support}) {
    SCOPED_TRACE(static_cast<int>(mode));
    HeadlessWindow w(FilledBook());
    w.Press(mode);
    const bool itemFrame = w.ItemFrameShown();
    const Boxes itemBoxes = ItemBoxes(w);
    w.Press(WindowButton::Close);
    EXPECT_TRUE(w.form.Unloaded());

    w.ChooseFrom(2);
    w.TypeFrom("Windows HB 2");
    w.ChooseItem(0);
    w.Press(itemFrame ? WindowButton::Upgrade : WindowButton::Support);
    EXPECT_EQ(w.Combo1.ListIndex(), -1);
    EXPECT_EQ(w.Combo1.Text(), "");
    EXPECT_EQ(w.List1.ListIndex(), -1);
    EXPECT_EQ(w.ItemFrameShown(), itemFrame);
    EXPECT_EQ(w.State().FromIndex, 0);
    EXPECT_EQ(CrossGradeBoxes(w), Boxes());
    EXPECT_EQ(ItemBoxes(w), itemBoxes);
  }
}

}  // namespace
}  // namespace corvane
