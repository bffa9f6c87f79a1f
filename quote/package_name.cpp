#include "quote/package_name.h"

#include <cmath>

#include "money/errors.h"
#include "money/leading_number.h"

namespace corvane {

std::size_t LastSpacePosition(std::string_view name) {
  const std::size_t space = name.rfind(' ');
  return space == std::string_view::npos ? 0 : space + 1;
}

std::string_view PackageFamily(std::string_view name) {
  const std::size_t position = LastSpacePosition(name);
  return position == 0 ? std::string_view() : name.substr(0, position - 1);
}

std::int16_t TerminalCount(std::string_view name) {
  const double count = std::nearbyint(LeadingNumber(name.substr(LastSpacePosition(name))));
  if (!(count >= -32768.0 && count <= 32767.0)) {
    throw OverflowError("the terminal count in a package name is too large");
  }
  return static_cast<std::int16_t>(count);
}

}  // namespace corvane
