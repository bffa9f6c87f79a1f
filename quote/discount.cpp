#include "quote/discount.h"

#include <algorithm>

#include "money/leading_number.h"
#include "money/rounding.h"
#include "quote/percentage.h"

namespace corvane {

Discount ReadDiscount(std::string_view text) {
  std::string decimalPoint(text);
  std::replace(decimalPoint.begin(), decimalPoint.end(), ',', '.');
  return Discount{LeadingNumber(decimalPoint), std::string(text)};
}

Money ApplyDiscount(Money price, const Discount& discount) {
  double x = 100.0 - discount.percent;
  x = price.toDouble() * x;
  x = x / 100.0;
  return Money::fromDouble(RoundToCents(CheckedResult(x, "The discounted price")));
}

Money DiscountCrossGrade(Money quote, const Discount& discount) {
  if (discount.percent == 0) return quote;
  const Money remaining = Money::fromInt16(100) - Money::fromDouble(discount.percent);
  return PercentageOf(quote, remaining, "The discounted price");
}

}  // namespace corvane
