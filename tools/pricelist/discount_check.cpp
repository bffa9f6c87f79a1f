#include "tools/pricelist/discount_check.h"

#include "money/escaped_text.h"
#include "quote/discount.h"

namespace corvane {
namespace {

// Whether the discount reader finds a number: blanks are skipped wherever they stand, then a sign
// may come, then a digit, or a decimal separator and a digit.
bool NamesNumber(std::string_view text) {
  std::string digitsAndSigns;
  for (char c : text) {
    if (c != ' ') digitsAndSigns += c;
  }
  std::string_view rest = digitsAndSigns;
  if (rest.starts_with('+') || rest.starts_with('-')) rest.remove_prefix(1);
  if (rest.starts_with('.') || rest.starts_with(',')) rest.remove_prefix(1);
  return !rest.empty() && rest.front() >= '0' && rest.front() <= '9';
}

}  // namespace

DiscountCheck CheckDiscount(std::string_view text) {
  for (std::string_view rest = text; !rest.empty();) {
    char32_t code = 0;
    const std::size_t length = Utf8Sequence(rest, code);
    if (length == 0) return DiscountCheck::NotUtf8;
    if (IsControlCharacter(code)) return DiscountCheck::ControlCharacter;
    if (IsFormatCharacter(code)) return DiscountCheck::FormatCharacter;
    rest.remove_prefix(length);
  }
  if (!NamesNumber(text)) return DiscountCheck::NamesNoNumber;
  if (ReadDiscount(text).OutOfRange()) return DiscountCheck::OutOfRange;
  return DiscountCheck::Valid;
}

}  // namespace corvane
