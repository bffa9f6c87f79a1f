// The display picture "###,###.00" with "," and ".": what every price box may show.
#pragma once

#include <cstddef>
#include <string_view>

namespace corvane::fuzz {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

//! An optional "-", then nothing or a digit 1-9 followed by digits grouped in threes with ",",
//! then "." and exactly two digits.
inline bool InDisplayPicture(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.size() < 3) return false;
  const std::string_view cents = text.substr(text.size() - 3);
  if (cents[0] != '.' || !IsDigit(cents[1]) || !IsDigit(cents[2])) return false;
  const std::string_view whole = text.substr(0, text.size() - 3);
  if (whole.empty()) return true;
  if (whole.front() < '1' || whole.front() > '9') return false;
  // From the right: three digits, a comma, three digits, ..., and one to three digits at the left.
  std::size_t digitsInGroup = 0;
  for (std::size_t i = whole.size(); i-- > 0;) {
    if (whole[i] == ',') {
      if (digitsInGroup != 3 || i == 0) return false;
      digitsInGroup = 0;
    } else if (IsDigit(whole[i])) {
      if (++digitsInGroup > 3) return false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace corvane::fuzz
