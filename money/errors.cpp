#include "money/errors.h"

#include <string>

namespace corvane {

std::string DescribeError(const std::exception& error) {
  std::string kind = "An unexpected error occurred";
  if (dynamic_cast<const OverflowError*>(&error) != nullptr) {
    kind = "A number became too large for the calculator";
  } else if (dynamic_cast<const RangeError*>(&error) != nullptr) {
    kind = "An entry outside the price book was asked for";
  } else if (dynamic_cast<const FloatingPointError*>(&error) != nullptr) {
    kind = "A price could not be calculated";
  }
  return kind + " (" + error.what() + ").";
}

}  // namespace corvane
