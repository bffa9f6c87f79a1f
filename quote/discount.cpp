#include "quote/discount.h"

#include <algorithm>
#include <string>

#include "money/leading_number.h"
#include "money/rounding.h"
#include "quote/percentage.h"

namespace corvane {

double DiscountPercent(std::string_view discountText) {
  std::string text(discountText);
  std::replace(text.begin(), text.end(), ',', '.');
  return LeadingNumber(text);
}

Money ApplyDiscount(Money price, std::string_view discountText) {
  const double discount = DiscountPercent(discountText);
  double x = 100.0 - discount;
  x = price.toDouble() * x;
  x = x / 100.0;
  return Money::fromDouble(RoundToCents(CheckedResult(x, "The discounted price")));
}

Money DiscountCrossGrade(Money quote, std::string_view discountText) {
  const double discount = DiscountPercent(discountText);
  if (discount == 0) return quote;
  const Money remaining = Money::fromInt16(100) - Money::fromDouble(discount);
  return PercentageOf(quote, remaining, "The discounted price");
}

bool DiscountOutOfRange(std::string_view discountText) {
  const double discount = DiscountPercent(discountText);
  return !(discount >= 0.0 && discount <= 100.0);
}

}  // namespace corvane
