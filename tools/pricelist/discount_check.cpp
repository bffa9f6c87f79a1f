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
  switch (FindTextFault(text)) {
    case TextFault::NotUtf8:
      return DiscountCheck::NotUtf8;
    case TextFault::ControlCharacter:
      return DiscountCheck::ControlCharacter;
    case TextFault::LineSeparator:
      return DiscountCheck::LineSeparator;
    case TextFault::FormatCharacter:
      return DiscountCheck::FormatCharacter;
    case TextFault::None:
      break;
  }
  if (!NamesNumber(text)) return DiscountCheck::NamesNoNumber;
  if (ReadDiscount(text).OutOfRange()) return DiscountCheck::OutOfRange;
  return DiscountCheck::Valid;
}

}  // namespace corvane
