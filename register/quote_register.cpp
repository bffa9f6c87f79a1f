#include "register/quote_register.h"

namespace corvane {

std::string QuoteNumber(std::string_view prefix, int year, std::int64_t serial) {
  std::string digits = std::to_string(serial);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return std::string(prefix) + std::to_string(year) + "-" + digits;
}

}  // namespace corvane
