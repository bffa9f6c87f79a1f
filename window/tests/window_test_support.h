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

//! The shortest text that Enter on it turns into the entry at the position, among the parts of the
//! entry's folded text and the beginnings of two of its words ("v a"); empty when none names it.
inline std::string ShortestNamingText(const std::vector<std::string>& entries, int position) {
  const std::string folded = FoldForFinding(entries.at(static_cast<std::size_t>(position)));
  std::vector<std::string> texts;
  for (std::size_t at = 0; at < folded.size(); ++at) {
    for (std::size_t length = 1; at + length <= folded.size(); ++length) {
      texts.push_back(folded.substr(at, length));
    }
  }
  std::vector<std::string> words;
  std::istringstream in(folded);
  for (std::string word; in >> word;) words.push_back(word);
  for (std::size_t i = 0; i < words.size(); ++i) {
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      for (std::size_t a = 1; a <= words[i].size(); ++a) {
        for (std::size_t b = 1; b <= words[j].size(); ++b) {
          texts.push_back(words[i].substr(0, a) + " " + words[j].substr(0, b));
        }
      }
    }
  }
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  for (const std::string& typed : texts) {
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
