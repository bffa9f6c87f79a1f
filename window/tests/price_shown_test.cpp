// The price the window remembers as shown follows what the visible price boxes show.
#include <gtest/gtest.h>

#include <string>

#include "window/tests/window_test_support.h"

namespace corvane::testing {
namespace {

// What the window remembers, with its texts, or empty texts for nothing.
std::pair<std::string, Boxes> Remembered(HeadlessWindow& window) {
  const auto& shown = window.Behaviour().PriceShown();
  if (!shown) return {};
  return {shown->description, {shown->price.excludingText, shown->price.includingText}};
}

TEST(PriceShown, IsWhatTheVisibleBoxesShowAndNothingOnceTheyAreClearedOrReset) {
  HeadlessWindow window(FilledBook());
  EXPECT_EQ(Remembered(window), (std::pair<std::string, Boxes>{}));

  ChooseFrom(window, "Windows HB 1");
  EXPECT_EQ(Remembered(window),
            std::make_pair(std::string("New package Windows HB 1"), CrossGradeBoxes(window)));
  ChooseTo(window, "Windows HB 3");
  window.ChooseDiscount(2);
  const auto crossGrade =
      std::make_pair(std::string("Cross-grade from Windows HB 1 to Windows HB 3, discount 10%"),
                     Boxes{"1,440.00", "1,641.60"});
  EXPECT_EQ(Remembered(window), crossGrade);

  // An item list starts with "0.00" in its boxes: no price until an item is chosen.
  window.Press(WindowButton::Support);
  EXPECT_FALSE(window.Behaviour().PriceShown().has_value());
  window.ChooseItem(0);
  EXPECT_EQ(
      Remembered(window),
      std::make_pair(std::string("Support Contract (monthly): Tessaline 1"), ItemBoxes(window)));
  window.Press(WindowButton::Other);
  EXPECT_FALSE(window.Behaviour().PriceShown().has_value());
  window.ChooseItem(0);
  EXPECT_EQ(Remembered(window).first, "Other item Multi-Warehouse - Win.Tessaline 1 User");

  // Back in the upgrade mode the cross-grade boxes show what they showed before.
  window.Press(WindowButton::Upgrade);
  EXPECT_EQ(Remembered(window), crossGrade);
  // A refusal clears them (fewer terminals).
  ChooseFrom(window, "Windows HB 2");
  ChooseTo(window, "Windows Tessaline 1");
  ASSERT_EQ(window.messages.Warnings().size(), 1u);
  EXPECT_EQ(CrossGradeBoxes(window), Boxes("", ""));
  EXPECT_FALSE(window.Behaviour().PriceShown().has_value());
}

}  // namespace
}  // namespace corvane::testing
