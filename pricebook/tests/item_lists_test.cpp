#include <gtest/gtest.h>

#include "price_book_fixture.h"

namespace corvane {
namespace {

using testing::FilledBook;

TEST(ItemLists, FillIndexesFrom1WithoutAGapAndNothingElse) {
  const PriceBook& book = FilledBook();
  testing::ExpectFilledExactly(book.SupportItem, book.SupportPrice, 1, 36);
  testing::ExpectFilledExactly(book.OtherItem, book.OtherPrice, 1, 22);
}

TEST(ItemLists, EntriesAndExactPrices) {
  const PriceBook& book = FilledBook();
  EXPECT_EQ(book.SupportItem[1], "Support Contract (monthly): Tessaline 1");
  EXPECT_EQ(book.SupportItem[8], "Support Contract (monthly): Tessaline 19");
  EXPECT_EQ(book.SupportPrice[8].tenThousandths(), 6'578'950);  // 657.895, not 657.90
  EXPECT_EQ(book.SupportItem[36], "Support Contract (PA): Garrowin (Pro WIN)");
  EXPECT_EQ(book.OtherItem[22], "Convert Foreign Data files to Corvane (per ledger)");
  EXPECT_EQ(book.OtherPrice[22], Money::fromInt32(900));
}

// The DOS and the WIN variant of each Garrowin contract stand next to each other at one price.
TEST(ItemLists, GarrowinVariantsCostTheSame) {
  const PriceBook& book = FilledBook();
  for (int dos : {21, 35}) {
    SCOPED_TRACE(book.SupportItem[dos]);
    EXPECT_TRUE(book.SupportItem[dos].ends_with("Garrowin (Pro DOS)"));
    EXPECT_TRUE(book.SupportItem[dos + 1].ends_with("Garrowin (Pro WIN)"));
    EXPECT_EQ(book.SupportPrice[dos], book.SupportPrice[dos + 1]);
  }
  EXPECT_EQ(book.SupportPrice[21].tenThousandths(), 701'750);  // 70.175
}

}  // namespace
}  // namespace corvane
