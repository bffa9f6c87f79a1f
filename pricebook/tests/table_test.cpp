#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "price_book_fixture.h"
#include "pricebook/row_counter.h"

namespace corvane {
namespace {

using testing::FilledBook;

// Readers take their loop limits from these, so they are part of what the tables promise.
TEST(TableBounds, UpperBoundsAtRunTime) {
  const PriceBook& book = FilledBook();
  EXPECT_EQ(book.PackageName.UpperBound(), 70);
  EXPECT_EQ(book.PackagePrice.UpperBound(), 70);
  EXPECT_EQ(book.TradeInAmount.UpperBound(), 70);
  EXPECT_EQ(book.UpgradeTable.UpperBound(), 200);
  EXPECT_EQ(book.CrossGradeTable.UpperBound(), 200);
  EXPECT_EQ(book.SupportItem.UpperBound(), 100);
  EXPECT_EQ(book.OtherPrice.UpperBound(), 100);
}

TEST(TableBounds, ReadsOutsideTheBoundsThrowRangeError) {
  const PriceBook& book = FilledBook();
  const std::vector<std::pair<const char*, std::function<void()>>> reads = {
      {"PackageName[71]", [&] { (void)book.PackageName[71]; }},
      {"PackageName[-1]", [&] { (void)book.PackageName[-1]; }},
      {"TradeInPercentD(71, 0)", [&] { (void)book.TradeInPercentD(71, 0); }},
      {"TradeInPercentD(0, 3)", [&] { (void)book.TradeInPercentD(0, 3); }},
      {"UpgradeTable(201, 0)", [&] { (void)book.UpgradeTable(201, 0); }},
      {"UpgradeTable(0, 5)", [&] { (void)book.UpgradeTable(0, 5); }},
      {"CrossGradeTable(0, -1)", [&] { (void)book.CrossGradeTable(0, -1); }},
      {"SupportItem[101]", [&] { (void)book.SupportItem[101]; }},
      {"OtherPrice[101]", [&] { (void)book.OtherPrice[101]; }},
  };
  for (const auto& [name, read] : reads) {
    SCOPED_TRACE(name);
    EXPECT_THROW(read(), RangeError);
  }
}

TEST(TableBounds, StoreOutsideTheBoundsThrowsAndSpillsNowhere) {
  Table2<std::string, 3, 1> table;
  EXPECT_THROW(table.Set(0, 2, "x"), RangeError);
  EXPECT_THROW(table.Set(4, 0, "x"), RangeError);
  EXPECT_EQ(table(1, 0), "");
}

TEST(TableBounds, RangeErrorNamesTheIndexAndTheBounds) {
  try {
    (void)FilledBook().PackageName[71];
    FAIL() << "no RangeError";
  } catch (const RangeError& error) {
    EXPECT_STREQ(error.what(), "index 71 is outside the table's bounds 0..70");
  }
}

TEST(RowCounter, CountsUpToTheLargestSigned16BitRowThenOverflows) {
  EXPECT_EQ(NextRow(0), 1);
  EXPECT_EQ(NextRow(32766), 32767);
  EXPECT_THROW(NextRow(32767), OverflowError);
}

}  // namespace
}  // namespace corvane
