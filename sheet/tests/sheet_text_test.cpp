// The dates as the quotation and the register write them. (The quotation's words are tested in
// document_text_test.cpp.)
#include <gtest/gtest.h>

#include <string>

#include "quotation/quote_date.h"

namespace corvane {
namespace {

constexpr QuoteDate Day(int year, unsigned month, unsigned day) {
  return QuoteDate{std::chrono::year_month_day{std::chrono::year(year), std::chrono::month(month),
                                               std::chrono::day(day)}};
}

TEST(QuoteDate, WritesAndReadsDates) {
  const struct {
    QuoteDate date;
    std::string text, iso;
  } cases[] = {
      {Day(2026, 12, 9), "9 December 2026", "2026-12-09"},
      {Day(2012, 5, 28), "28 May 2012", "2012-05-28"},
      {Day(2028, 2, 29), "29 February 2028", "2028-02-29"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateText(c.date), c.text);
    EXPECT_EQ(IsoDate(c.date), c.iso);
    EXPECT_EQ(ParseQuoteDate(c.iso), c.date);
  }
  for (const char* bad : {"", "2026-02-30", "2026-1-01", "2026/01/01", "20x6-01-01", "2026-01-011",
                          "0000-01-01", "1899-12-31"}) {
    EXPECT_FALSE(ParseQuoteDate(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace corvane
