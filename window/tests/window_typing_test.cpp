// Choosing by typing and by stepping with the arrow keys: the price boxes show the price of what
// the fields show, or nothing, and stepping holds its warnings back until the dealer commits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quote/messages.h"
#include "window_test_support.h"

namespace corvane {
namespace {

using testing::Boxes;
using testing::ChooseFrom;
using testing::ChooseTo;
using testing::CrossGradeBoxes;
using testing::FilledBook;
using Warnings = std::vector<std::string>;

Boxes Notes(const HeadlessWindow& w) {
  return {w.txtExclPrice.Note(), w.txtInclPrice.Note()};
}
const Boxes kNoPrice("no price", "no price");

// Typing over any field a quote was computed for empties the boxes at once.
TEST(WindowTyping, EditingAnyFieldEmptiesTheBoxesAtOnce) {
  for (WindowField field : {WindowField::From, WindowField::To, WindowField::Discount}) {
    SCOPED_TRACE(static_cast<int>(field));
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows PIPWICK");
    ChooseTo(w, "Windows HB 1");
    ASSERT_EQ(CrossGradeBoxes(w), Boxes("3,600.00", "4,104.00"));
    if (field == WindowField::From) w.TypeFrom("Quay");
    if (field == WindowField::To) w.TypeTo("Windows HB 1x");
    if (field == WindowField::Discount) w.TypeDiscount("12.5%");
    EXPECT_EQ(CrossGradeBoxes(w), Boxes());
    EXPECT_EQ(Notes(w), Boxes());
    EXPECT_TRUE(w.messages.Warnings().empty());
  }
}

TEST(WindowTyping, EnterChoosesTheOneEntryATypedTextNames) {
  struct Case {
    const char* typed;
    int fromIndex;  // 0: nothing chosen
    Boxes shown;
  };
  const Case cases[] = {
      {"hb 3", 6, {"5,600.00", "6,384.00"}},
      {"windows tessaline 1", 9, {"6,500.00", "7,410.00"}},  // also in "...14" and "...19"
      {"tessaline 1", 9, {"6,500.00", "7,410.00"}},          // the whole words of one entry
      {"drav", 0, {}},
      {"xyz", 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows HB 1");
    w.TypeFrom(c.typed);
    w.PressEnter(WindowField::From);
    EXPECT_EQ(w.State().FromIndex, c.fromIndex == 0 ? 4 : c.fromIndex);
    EXPECT_EQ(w.Combo1.ListIndex() >= 0, c.fromIndex != 0);
    EXPECT_EQ(CrossGradeBoxes(w), c.shown);
  }
}

// Leaving a field commits to its text as Enter does; a text no entry holds, or one several hold
// when the field is left, leaves the boxes noting why, for a screen reader to say, and raises no
// message box. Enter on a text several hold leaves the finder to pick from.
TEST(WindowTyping, LeavingChoosesAsEnterAndATextOfNoEntrySaysWhy) {
  struct Case {
    const char* typed;
    bool leave;
    std::string chosen;
    std::string reason;
  };
  const Case cases[] = {{"Windows HB 3", true, "Windows HB 3", ""},
                        {"zzz", true, "", "No package matches 'zzz'"},
                        {"zzz", false, "", "No package matches 'zzz'"},
                        {"hb", false, "", ""},
                        {"hb", true, "", "4 packages match 'hb': choose one"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows HB 1");
    w.TypeTo(c.typed);
    c.leave ? w.Leave(WindowField::To) : w.PressEnter(WindowField::To);
    EXPECT_EQ(w.Combo2.ListIndex() >= 0 ? w.Combo2.ItemText(w.Combo2.ListIndex()) : "", c.chosen);
    EXPECT_EQ(Notes(w), c.reason.empty() ? Boxes() : kNoPrice);
    EXPECT_EQ(w.txtExclPrice.Reason(), c.reason);
    EXPECT_TRUE(w.messages.Warnings().empty());
  }
}

// Enter on the entry already chosen chooses nothing anew: the To package stays chosen.
TEST(WindowTyping, EnterOnTheChosenEntryKeepsTheQuote) {
  HeadlessWindow w(FilledBook());
  ChooseFrom(w, "Windows HB 1");
  w.TypeTo("HB 3");
  w.PressEnter(WindowField::To);
  ASSERT_EQ(CrossGradeBoxes(w), Boxes("1,600.00", "1,824.00"));
  w.PressEnter(WindowField::From);
  w.PressEnter(WindowField::To);
  EXPECT_EQ(w.Combo2.Text(), "Windows HB 3");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("1,600.00", "1,824.00"));
}

// A typed discount is applied by Enter or by leaving the field, as a chosen one; leaving an
// unedited field applies nothing again, so a refusal is not repeated.
TEST(WindowDiscount, ATypedDiscountAppliesOnEnterOrOnLeaving) {
  struct Case {
    const char* discount;
    Boxes shown;
    Warnings warnings;
  };
  const Case cases[] = {
      {"12,5%", {"1,400.00", "1,596.00"}, {}},
      {"12.5%", {"1,400.00", "1,596.00"}, {}},
      {"100,01%", {}, {std::string(kDiscountRangeMessage)}},
  };
  for (bool byEnter : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.discount) + (byEnter ? " Enter" : " leaving"));
      HeadlessWindow w(FilledBook());
      ChooseFrom(w, "Windows HB 1");
      ChooseTo(w, "Windows HB 3");
      w.TypeDiscount(c.discount);
      byEnter ? w.PressEnter(WindowField::Discount) : w.Leave(WindowField::Discount);
      EXPECT_EQ(CrossGradeBoxes(w), c.shown);
      w.Leave(WindowField::Discount);
      w.PressEnter(WindowField::Discount);
      EXPECT_EQ(w.messages.Warnings(), c.warnings);
    }
  }
}

// From "Windows PIPWICK" most To packages have no price. Stepping shows each priced entry as a
// click would, empties the boxes and notes "no price" at the others, and warns of nothing.
TEST(WindowStepping, StepsShowPricesAndHoldRefusalsBack) {
  HeadlessWindow stepped(FilledBook());
  ChooseFrom(stepped, "Windows PIPWICK");
  int refused = 0;
  for (int position = 0; position < stepped.Combo2.ListCount(); ++position) {
    SCOPED_TRACE(stepped.Combo2.ItemText(position));
    HeadlessWindow clicked(FilledBook());
    ChooseFrom(clicked, "Windows PIPWICK");
    clicked.ChooseTo(position);
    stepped.Step(WindowField::To, position);
    EXPECT_EQ(CrossGradeBoxes(stepped), CrossGradeBoxes(clicked));
    const bool warned = !clicked.messages.Warnings().empty();
    EXPECT_EQ(CrossGradeBoxes(stepped) == Boxes(), warned);
    EXPECT_EQ(Notes(stepped), warned ? kNoPrice : Boxes());
    refused += warned ? 1 : 0;
  }
  EXPECT_EQ(refused, 17);
  EXPECT_TRUE(stepped.messages.Warnings().empty());
}

TEST(WindowStepping, CommittingToARefusedEntryShowsItsWarningOnce) {
  const Warnings notListed = {NotInDatabaseMessage(VendorPhone())};
  for (bool byEnter : {true, false}) {
    SCOPED_TRACE(byEnter);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows PIPWICK");
    w.Step(WindowField::To, testing::PositionOf(w.Combo2, "Windows Tessaline 19"));
    ASSERT_TRUE(w.messages.Warnings().empty());
    byEnter ? w.PressEnter(WindowField::To) : w.Leave(WindowField::To);
    EXPECT_EQ(w.messages.Warnings(), notListed);
    w.PressEnter(WindowField::To);
    w.Leave(WindowField::To);
    EXPECT_EQ(w.messages.Warnings(), notListed);
    EXPECT_EQ(Notes(w), kNoPrice);
  }
}

// A held warning belongs to the entry stepped to: whatever the dealer does next in the field,
// other than committing to it, drops it.
TEST(WindowStepping, AWarningIsDroppedOnceTheFieldShowsAnotherEntry) {
  const auto stepToRefused = [](HeadlessWindow& w) {
    ChooseFrom(w, "Windows PIPWICK");
    w.Step(WindowField::To, testing::PositionOf(w.Combo2, "Windows Tessaline 19"));
  };
  const std::vector<void (*)(HeadlessWindow&)> nextActions = {
      [](HeadlessWindow& w) { w.Step(WindowField::To, 1); },
      [](HeadlessWindow& w) { ChooseTo(w, "Windows HB 1"); },
      [](HeadlessWindow& w) { w.TypeTo("Windows Tessaline 1"); },
  };
  for (auto next : nextActions) {
    HeadlessWindow w(FilledBook());
    stepToRefused(w);
    next(w);
    w.Leave(WindowField::To);
    EXPECT_TRUE(w.messages.Warnings().empty());
  }
}

}  // namespace
}  // namespace corvane
