#include "pricebook/price_cell.h"

#include <cstdint>

#include "money/leading_number.h"

namespace corvane {

std::string PriceCellText(Money amount) {
  const std::int64_t raw = amount.tenThousandths();
  const std::string units = std::to_string(raw / Money::kScale);
  const std::int64_t fraction = raw % Money::kScale;
  if (fraction == 0) return units;
  std::string digits = std::to_string(fraction + Money::kScale).substr(1);
  while (digits.back() == '0') digits.pop_back();
  return units + "." + digits;
}

Money PriceCellAmount(std::string_view text) {
  return Money::fromDouble(LeadingNumber(text));
}

}  // namespace corvane
