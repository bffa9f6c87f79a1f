#include "tools/pricelist/discount_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace {

TEST(DiscountCheck, SortsTextsAsTheToolTreatsThem) {
  using namespace std::string_literals;
  const std::vector<std::pair<std::string, DiscountCheck>> cases = {
      {"15%", DiscountCheck::Valid},
      {" 12.5 %", DiscountCheck::Valid},
      {".5", DiscountCheck::Valid},
      {"0", DiscountCheck::Valid},
      {"100%", DiscountCheck::Valid},
      {"15 % \xC3\xA9t\xC3\xA9", DiscountCheck::Valid},  // é, two bytes
      {"15\xE2\x80\xAF%", DiscountCheck::Valid},         // narrow no-break space, three
      {"15% \xF0\x9F\x98\x80", DiscountCheck::Valid},    // an emoji, four
      {"", DiscountCheck::NamesNoNumber},
      {"abc", DiscountCheck::NamesNoNumber},
      {"%15", DiscountCheck::NamesNoNumber},
      {"-", DiscountCheck::NamesNoNumber},
      {"150%", DiscountCheck::OutOfRange},
      {"-5%", DiscountCheck::OutOfRange},
      {"1e999", DiscountCheck::OutOfRange},
      {"15\xFF", DiscountCheck::NotUtf8},            // never in UTF-8
      {"15\xC3", DiscountCheck::NotUtf8},            // cut short
      {"15\x80%", DiscountCheck::NotUtf8},           // a stray continuation byte
      {"\xC0\xAF", DiscountCheck::NotUtf8},          // overlong "/"
      {"\xED\xA0\x80", DiscountCheck::NotUtf8},      // a surrogate
      {"\xF4\x90\x80\x80", DiscountCheck::NotUtf8},  // beyond U+10FFFF
      {"15%\n", DiscountCheck::ControlCharacter},
      {"15\t%", DiscountCheck::ControlCharacter},
      {"15%\x1B[2J", DiscountCheck::ControlCharacter},  // a terminal escape
      {"15%\x7F", DiscountCheck::ControlCharacter},
      {"15%\xC2\x85", DiscountCheck::ControlCharacter},  // next line, U+0085
      {"15%\0"s, DiscountCheck::ControlCharacter},
      {"15%\xE2\x80\xA8", DiscountCheck::LineSeparator},    // line separator, U+2028
      {"15%\xE2\x80\xA9", DiscountCheck::LineSeparator},    // paragraph separator, U+2029
      {"\xE2\x80\xAE%51", DiscountCheck::FormatCharacter},  // right-to-left override
      {"15\xE2\x80\x8B%", DiscountCheck::FormatCharacter},  // zero-width space
      {"\xEF\xBB\xBF"
       "15%",
       DiscountCheck::FormatCharacter},  // byte-order mark
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(CheckDiscount(text), expected) << "[" << text << "]";
  }
}

}  // namespace
}  // namespace corvane
