// The date from which the price book's prices apply.
#pragma once

#include <string_view>

namespace corvane {

inline constexpr std::string_view kPricesEffective = "28 May 2012";

}  // namespace corvane
