#include "window/event_boundary.h"

#include "pricebook/range_error.h"
#include "quote/errors.h"

namespace corvane {

std::string ErrorReport(const std::exception& error) {
  std::string kind = "An unexpected error occurred";
  if (dynamic_cast<const OverflowError*>(&error) != nullptr) {
    kind = "A number became too large for the calculator";
  } else if (dynamic_cast<const RangeError*>(&error) != nullptr) {
    kind = "An entry outside the price book was asked for";
  } else if (dynamic_cast<const FloatingPointError*>(&error) != nullptr) {
    kind = "A price could not be calculated";
  }
  return kind + " (" + error.what() +
         ").\r\n\r\nThe calculation was stopped; the prices shown are "
         "those written before it stopped.";
}

}  // namespace corvane
