// The date from which the price book's prices apply, and the footnote that says so.
#pragma once

#include <string_view>

namespace corvane {

inline constexpr std::string_view kPricesEffective = "28 May 2012";

//! The footnote under every price the program shows or prints.
inline constexpr std::string_view kFootnoteText =
    "Prices are recommended retail prices and are subject to change without notice. Eff:  28 May "
    "2012";

}  // namespace corvane
