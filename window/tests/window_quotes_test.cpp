// Quotes and new-package prices through the window, its refusals, typed texts, the errors a
// handler can raise and the locale's separators.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "money/errors.h"
#include "quote/messages.h"
#include "window/event_boundary.h"
#include "window_test_support.h"

namespace corvane {
namespace {

using testing::Boxes;
using testing::ChooseFrom;
using testing::ChooseTo;
using testing::CrossGradeBoxes;
using testing::FilledBook;
using Warnings = std::vector<std::string>;

std::string WithReferral(const std::string& firstLine) {
  return firstLine + "\r\n\r\nRefer to the printed Corvane Price List or contact Corvane on " +
         std::string(VendorPhone()) + ".";
}
const std::string kReduction = WithReferral("YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.");
const std::string kNotListed = WithReferral("SORRY! THAT PRICE IS NOT IN THE DATABASE.");
const std::string kDiscountRange = "THE DISCOUNT MUST BE BETWEEN 0% AND 100%.";

TEST(WindowQuote, TheRoadOfOneQuote) {
  HeadlessWindow w(FilledBook());
  w.ChooseFrom(2);
  EXPECT_EQ(w.Combo1.Text(), "Windows HB 1");
  EXPECT_EQ(w.State().FromIndex, 4);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("4,200.00", "4,788.00"));
  ChooseTo(w, "Windows HB 3");
  EXPECT_EQ(w.State().ToIndex, 6);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("1,600.00", "1,824.00"));
  w.ChooseDiscount(2);
  EXPECT_EQ(w.Combo3.Text(), "10%");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("1,440.00", "1,641.60"));
  EXPECT_TRUE(w.messages.Warnings().empty() && w.messages.Errors().empty());
}

TEST(WindowQuote, ListedAndRulePricesAndRefusals) {
  struct Case {
    const char* from;
    const char* to;
    Boxes shown;
    Warnings warnings;
  };
  const Case cases[] = {
      {"Windows HB 2", "Windows Tessaline 1", {}, {kReduction}},
      {"Windows Dravon Builder 24", "SMS Manager AddOn", {}, {kReduction}},
      {"Windows PIPWICK", "Windows Tessaline 19", {}, {kNotListed}},
      {"Windows Dravon Builder 24", "Windows Dravon Builder 29", {"6,000.00", "6,840.00"}, {}},
      {"Windows PIPWICK", "Windows HB 1", {"3,600.00", "4,104.00"}, {}},
      {"Windows Tollbane Manager", "Quaymart Manager AddOn", {"5,000.00", "5,700.00"}, {}},
      {"Windows Tollbane Manager", "Warranty Rotavex module AddOn", {"2,500.00", "2,850.00"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " to " + c.to);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, c.from);
    ChooseTo(w, c.to);
    EXPECT_EQ(CrossGradeBoxes(w), c.shown);
    EXPECT_EQ(w.messages.Warnings(), c.warnings);
  }
}

TEST(WindowNewPackage, NothingSelectedShowsTheFromPackageLessTheDiscount) {
  HeadlessWindow w(FilledBook());
  ChooseFrom(w, "Windows PIPWICK");
  w.ChooseTo(0);
  w.ChooseDiscount(3);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("670.31", "764.15"));
  w.ChooseDiscount(0);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("788.60", "899.00"));
  EXPECT_TRUE(w.messages.Warnings().empty());
}

// A typed discount applies when a To entry is then chosen; one outside 0..100 % is refused.
TEST(WindowDiscount, ATypedDiscountAppliesAndOneOutOfRangeIsRefused) {
  struct Case {
    const char* discount;
    const char* to;
    Boxes shown;
    Warnings warnings;
  };
  const Case cases[] = {
      {"12.5%", "Windows HB 3", {"1,400.00", "1,596.00"}, {}},
      {"12.5%", "Nothing Selected", {"3,675.00", "4,189.50"}, {}},
      {"100%", "Windows HB 3", {".00", ".00"}, {}},
      {"100%", "Nothing Selected", {".00", ".00"}, {}},
      {"150%", "Windows HB 3", {}, {kDiscountRange}},
      {"150%", "Nothing Selected", {}, {kDiscountRange}},
      {"-5%", "Nothing Selected", {}, {kDiscountRange}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.discount) + " with " + c.to);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows HB 1");
    w.TypeDiscount(c.discount);
    ChooseTo(w, c.to);
    EXPECT_EQ(CrossGradeBoxes(w), c.shown);
    EXPECT_EQ(w.messages.Warnings(), c.warnings);
  }
}

// The discount goes back to "0%" only once the To list is refilled, so the old To package is not
// quoted against the new From package.
TEST(WindowFrom, ANewFromPackageResetsTheDiscountWithoutRequoting) {
  HeadlessWindow w(FilledBook());
  ChooseFrom(w, "Windows HB 1");
  ChooseTo(w, "Windows HB 3");
  w.ChooseDiscount(3);
  ASSERT_EQ(CrossGradeBoxes(w), Boxes("1,360.00", "1,550.40"));
  ChooseFrom(w, "Windows HB 3");
  EXPECT_TRUE(w.messages.Warnings().empty());
  EXPECT_EQ(w.Combo3.Text(), "0%");
  EXPECT_EQ(w.Combo3.ListIndex(), 0);
  EXPECT_EQ(w.Combo2.ListIndex(), -1);
  EXPECT_EQ(w.Combo2.ItemText(0), "Nothing Selected");
  EXPECT_EQ(w.Combo2.ItemText(1), "Windows HB 4");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("5,600.00", "6,384.00"));
}

// A typed From text is no package: the To and discount handlers then only clear the boxes.
TEST(WindowTyping, WithATypedFromTextNothingIsPriced) {
  struct Case {
    void (HeadlessWindow::*choose)(int);
    int position;
  };
  for (const Case& c :
       {Case{&HeadlessWindow::ChooseTo, 3}, Case{&HeadlessWindow::ChooseDiscount, 2},
        Case{&HeadlessWindow::ChooseTo, 0}}) {
    SCOPED_TRACE(c.position);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows HB 1");
    ChooseTo(w, "Windows HB 3");
    w.TypeFrom("Windows HB 2");
    EXPECT_EQ(w.Combo1.ListIndex(), -1);
    EXPECT_EQ(w.Combo1.Text(), "Windows HB 2");
    (w.*c.choose)(c.position);
    EXPECT_EQ(CrossGradeBoxes(w), Boxes());
    EXPECT_EQ(w.State().ToIndex, 6);
    EXPECT_TRUE(w.messages.Warnings().empty());
  }
}

TEST(WindowTyping, WithATypedToTextADiscountPricesTheFromPackageNew) {
  HeadlessWindow w(FilledBook());
  ChooseFrom(w, "Windows HB 1");
  ChooseTo(w, "Windows HB 3");
  w.TypeTo("Windows HB 5");
  EXPECT_EQ(w.Combo2.ListIndex(), -1);
  w.ChooseDiscount(1);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("3,990.00", "4,548.60"));
  EXPECT_TRUE(w.messages.Warnings().empty());
}

// No user reaches the age buttons; the platform's event still re-quotes the chosen pair. For
// "Nothing Selected" it changes nothing: the boxes stay as the typed discount left them, empty.
TEST(WindowAgeQuestion, AnAgeEventRequotesAChosenPackageOnly) {
  for (bool package : {true, false}) {
    SCOPED_TRACE(package);
    HeadlessWindow w(FilledBook());
    ChooseFrom(w, "Windows HB 1");
    ChooseTo(w, package ? "Windows HB 3" : "Nothing Selected");
    w.TypeDiscount("20%");
    w.Behaviour().optAge_Click(1);
    EXPECT_EQ(CrossGradeBoxes(w), package ? Boxes("1,280.00", "1,459.20") : Boxes());
  }
}

TEST(WindowErrors, AnOverflowStopsTheHandlerAndTheWindowCarriesOn) {
  PriceBook book = FillPriceBook();
  // 10,000,000,000,000.00: representable, but not once multiplied by 114 for the VAT.
  book.PackagePrice.Set(2, Money::fromTenThousandths(100'000'000'000'000'000));
  HeadlessWindow w(book);
  ChooseFrom(w, "Windows HB 1");
  ChooseFrom(w, "Windows PIPWICK");
  // The price is worked out in full before it is shown, so no half of it reaches the boxes.
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("4,200.00", "4,788.00"));
  ASSERT_EQ(w.messages.Errors().size(), 1u);
  EXPECT_TRUE(w.messages.Errors()[0].starts_with("A number became too large for the calculator"));
  ChooseTo(w, "Windows HB 1");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("3,600.00", "4,104.00"));
  EXPECT_EQ(w.messages.Errors().size(), 1u);
}

TEST(WindowErrors, ARangeErrorIsReportedAndWhatWasWrittenStays) {
  HeadlessWindow w(FilledBook());
  DeliverEvent(w.messages, [&] { w.Behaviour().FillToList(-1); });
  ASSERT_EQ(w.messages.Errors().size(), 1u);
  EXPECT_TRUE(w.messages.Errors()[0].starts_with("An entry outside the price book was asked for"));
  ASSERT_EQ(w.Combo2.ListCount(), 1);
  EXPECT_EQ(w.Combo2.ItemText(0), "Nothing Selected");
  ChooseFrom(w, "Windows HB 1");
  EXPECT_EQ(w.Combo2.ListCount(), 29);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("4,200.00", "4,788.00"));
}

TEST(WindowErrors, EachKindOfErrorIsNamedInItsReport) {
  struct Case {
    std::function<void()> raise;
    std::string opening;
  };
  const Case cases[] = {
      {[] { throw OverflowError("x"); }, "A number became too large for the calculator (x)."},
      {[] { throw RangeError("x"); }, "An entry outside the price book was asked for (x)."},
      {[] { throw FloatingPointError("x"); }, "A price could not be calculated (x)."},
      {[] { throw std::logic_error("x"); }, "An unexpected error occurred (x)."},
      {[] { throw 7; }, "The calculation was stopped by an unexpected error."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.opening);
    RecordingMessageSink messages;
    DeliverEvent(messages, c.raise);
    ASSERT_EQ(messages.Errors().size(), 1u);
    EXPECT_TRUE(messages.Errors()[0].starts_with(c.opening)) << messages.Errors()[0];
  }
}

TEST(WindowDisplay, TheLocaleSeparatorsReachEveryPriceBox) {
  HeadlessWindow w(FilledBook(), Separators{".", ","});
  ChooseFrom(w, "Windows HB 1");
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("4.200,00", "4.788,00"));
  ChooseTo(w, "Windows HB 3");
  w.ChooseDiscount(2);
  EXPECT_EQ(CrossGradeBoxes(w), Boxes("1.440,00", "1.641,60"));
  w.Press(WindowButton::Support);
  EXPECT_EQ(testing::ItemBoxes(w), Boxes("0,00", "0,00"));
  w.ChooseItem(0);
  EXPECT_EQ(testing::ItemBoxes(w), Boxes("184,21", "210,00"));
  w.Press(WindowButton::Other);
  EXPECT_EQ(testing::ItemBoxes(w), Boxes("0,00", "0,00"));
  w.ChooseItem(0);
  DeliverEvent(w.messages, [&] { w.Behaviour().BookChanged(); });
  EXPECT_EQ(testing::ItemBoxes(w), Boxes("0,00", "0,00"));
}

}  // namespace
}  // namespace corvane
