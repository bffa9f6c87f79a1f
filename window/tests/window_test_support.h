// What the window tests share: the filled price book, choosing entries by their text, and the
// texts of a pair of price boxes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pricebook/price_book.h"
#include "window/find_entry.h"
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

//! The texts a dealer types to name an entry by its words: the beginnings of some of its words,
//! in order, one blank between ("w t 1", "t 1", "tess"), shortest first.
inline std::vector<std::string> WordBeginnings(const std::string& entry) {
  std::vector<std::string> words;
  std::istringstream in(FoldForFinding(entry));
  for (std::string word; in >> word;) words.push_back(word);
  std::vector<std::string> texts;
  const auto extend = [&](auto& self, std::size_t from, const std::string& typed) -> void {
    for (std::size_t i = from; i < words.size(); ++i) {
      for (std::size_t length = 1; length <= words[i].size(); ++length) {
        const std::string longer = (typed.empty() ? "" : typed + " ") + words[i].substr(0, length);
        texts.push_back(longer);
        self(self, i + 1, longer);
      }
    }
  };
  extend(extend, 0, "");
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  return texts;
}

//! The shortest text of word beginnings that Enter on it turns into the entry at the position;
//! empty when none names it.
inline std::string ShortestNamingText(const std::vector<std::string>& entries, int position) {
  for (const std::string& typed : WordBeginnings(entries.at(static_cast<std::size_t>(position)))) {
    if (TypedChoice(entries, typed) == position) return typed;
  }
  return {};
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
