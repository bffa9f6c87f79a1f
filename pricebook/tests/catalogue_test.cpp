#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "price_book_fixture.h"

namespace corvane {
namespace {

using testing::FilledBook;

TEST(Catalogue, FillsIndexes2To32AndNothingElse) {
  const PriceBook& book = FilledBook();
  testing::ExpectFilledExactly(book.PackageName, book.PackagePrice, 2, 32);
}

TEST(Catalogue, NamesAndPricesTheRulesDependOn) {
  const PriceBook& book = FilledBook();
  const std::vector<std::pair<int, std::string>> names = {
      {2, "Windows PIPWICK"},
      {3, "Windows ZEPH (Strovane)"},
      {15, "Windows Tessaline 14"},
      {17, "Windows Dravon Builder 24"},
      {21, "Windows Dravon Builder 140"},
      {22, "Windows Garrowin Manager"},
      {32, "Warranty Rotavex module AddOn"},
  };
  for (const auto& [index, name] : names) {
    SCOPED_TRACE(index);
    EXPECT_EQ(book.PackageName[index], name);
  }
  EXPECT_EQ(book.PackagePrice[2].tenThousandths(), 7'886'000);  // 788.60
  EXPECT_EQ(book.PackagePrice[21], Money::fromInt32(220'000));
}

// Within a family with a terminal count the entries stand at consecutive indexes in ascending
// count order, and the new price rises with the count.
TEST(Catalogue, PricesRiseWithTheCountWithinAFamily) {
  const PriceBook& book = FilledBook();
  std::map<std::string, int> familySizes;
  std::string previousFamily;
  int previousCount = 0;
  for (int i = 2; i <= 32; ++i) {
    const std::string& name = book.PackageName[i];
    const std::string family = name.substr(0, name.rfind(' '));
    const std::string suffix = name.substr(name.rfind(' ') + 1);
    if (suffix[0] < '0' || suffix[0] > '9') {
      previousFamily.clear();
      continue;
    }
    const int count = std::stoi(suffix);
    SCOPED_TRACE(name);
    if (family == previousFamily) {
      EXPECT_GT(count, previousCount);
      EXPECT_GT(book.PackagePrice[i], book.PackagePrice[i - 1]);
    }
    ++familySizes[family];
    previousFamily = family;
    previousCount = count;
  }
  const std::map<std::string, int> expected = {
      {"Windows HB", 5}, {"Windows Tessaline", 8}, {"Windows Dravon Builder", 5}};
  EXPECT_EQ(familySizes, expected);
}

TEST(TradeInTables, EveryElementIsZero) {
  const PriceBook& book = FilledBook();
  for (const auto* table : {&book.TradeInPercentA, &book.TradeInPercentB, &book.TradeInAmount,
                            &book.TradeInPercentC, &book.TradeInPercentD}) {
    for (int index = 0; index <= 70; ++index) {
      for (int band = 0; band <= 2; ++band) {
        EXPECT_EQ((*table)(index, band), Money()) << "(" << index << ", " << band << ")";
      }
    }
  }
}

}  // namespace
}  // namespace corvane
