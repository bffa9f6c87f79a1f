#include "quote/discount.h"

#include "quote/leading_number.h"
#include "quote/rounding.h"

namespace corvane {

Money ApplyDiscount(Money price, std::string_view discountText) {
  const double discount = LeadingNumber(discountText);
  double x = 100.0 - discount;
  x = price.toDouble() * x;
  x = x / 100.0;
  return Money::fromDouble(RoundToCents(CheckedResult(x, "The discounted price")));
}

bool DiscountOutOfRange(std::string_view discountText) {
  const double discount = LeadingNumber(discountText);
  return !(discount >= 0.0 && discount <= 100.0);
}

}  // namespace corvane
