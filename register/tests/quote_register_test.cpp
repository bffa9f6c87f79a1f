// Quote numbers and finding quotes by customer or number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/quote_register.h"

namespace corvane {
namespace {

TEST(QuoteNumber, IsThePrefixTheYearAndTheSerial) {
  const struct {
    std::string prefix;
    int year;
    std::int64_t serial;
    std::string number;
  } cases[] = {
      {"Q-", 2026, 1, "Q-2026-0001"},
      {"TS/", 2027, 9999, "TS/2027-9999"},
      {"", 2026, 12345, "2026-12345"},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteNumber(c.prefix, c.year, c.serial), c.number);
}

TEST(Matching, FindsByCustomerOrNumberIgnoringCase) {
  const std::vector<RegisterEntry> entries = {
      {"Q-2026-0003", "Bell & Sons", {}, {}},
      {"Q-2026-0002", "Tarn Systems", {}, {}},
      {"Q-2026-0001", "bellweather", {}, {}},
  };
  const struct {
    std::string text;
    std::vector<std::size_t> found;
  } cases[] = {
      {"", {0, 1, 2}},       {"BELL", {0, 2}}, {"0002", {1}},
      {"q-2026", {0, 1, 2}}, {"systems", {1}}, {"nobody", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Matching(entries, c.text), c.found) << c.text;
}

}  // namespace
}  // namespace corvane
