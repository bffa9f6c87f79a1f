// What the window tests share: the filled price book, choosing entries by their text, and the
// texts of a pair of price boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "pricebook/price_book.h"
#include "window/headless/headless_window.h"

namespace corvane::testing {

inline const PriceBook& FilledBook() {
  static const PriceBook book = FillPriceBook();
  return book;
}

//! The position of the entry that shows text; a missing entry fails the test.
inline int PositionOf(const HeadlessComboBox& combo, std::string_view text) {
  for (int position = 0; position < combo.ListCount(); ++position) {
    if (combo.ItemText(position) == text) return position;
  }
  ADD_FAILURE() << "the list has no entry \"" << text << "\"";
  return -1;
}

inline void ChooseFrom(HeadlessWindow& window, std::string_view name) {
  window.ChooseFrom(PositionOf(window.Combo1, name));
}
inline void ChooseTo(HeadlessWindow& window, std::string_view name) {
  window.ChooseTo(PositionOf(window.Combo2, name));
}

//! Excluding and including VAT, as the two boxes of a pair show them.
using Boxes = std::pair<std::string, std::string>;

inline Boxes CrossGradeBoxes(const HeadlessWindow& window) {
  return {window.txtExclPrice.Text(), window.txtInclPrice.Text()};
}
inline Boxes ItemBoxes(const HeadlessWindow& window) {
  return {window.txtSuppExcl.Text(), window.txtSuppIncl.Text()};
}

}  // namespace corvane::testing
