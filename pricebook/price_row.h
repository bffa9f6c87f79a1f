// One row of a cross-grade table as the constant data gives it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvane {

//! The five cells of a row, in column order (see PriceColumn). Prices are whole-unit decimal
//! texts; an empty text is a column the row does not have.
struct PriceRow {
  std::string_view from;
  std::string_view to;
  std::string_view ageBand0;
  std::string_view ageBand1;
  std::string_view ageBand2;
};

//! True for the empty text or a text of decimal digits only, the two forms a price cell takes.
constexpr bool IsPriceText(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

//! True when every row names both packages and a column-2 price, has column 4 only where it has
//! column 3, and holds nothing but digits in its price cells.
template <std::size_t N>
constexpr bool RowsAreWellFormed(const std::array<PriceRow, N>& rows) {
  for (const PriceRow& row : rows) {
    if (row.from.empty() || row.to.empty() || row.ageBand0.empty()) return false;
    if (row.ageBand1.empty() && !row.ageBand2.empty()) return false;
    if (!IsPriceText(row.ageBand0) || !IsPriceText(row.ageBand1) || !IsPriceText(row.ageBand2)) {
      return false;
    }
  }
  return true;
}

}  // namespace corvane
