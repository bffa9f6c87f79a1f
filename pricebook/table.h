// Fixed-bound tables with lower bound 0 and inclusive upper bounds, checked on every access.
#pragma once

#include <array>
#include <string>

#include "money/errors.h"

namespace corvane {

namespace detail {
[[noreturn]] void ThrowOutsideBounds(int index, int upperBound);

inline void CheckBounds(int index, int upperBound) {
  if (index < 0 || index > upperBound) ThrowOutsideBounds(index, upperBound);
}
}  // namespace detail

//! A one-dimensional table indexed 0..Upper. Unfilled entries hold T{} (empty text, zero amount).
template <typename T, int Upper>
class Table {
 public:
  //! Loops over a table take their limit from here, not from a constant of their own.
  constexpr int UpperBound() const { return Upper; }

  const T& operator[](int index) const {
    detail::CheckBounds(index, Upper);
    return entries_[static_cast<std::size_t>(index)];
  }
  void Set(int index, T value) {
    detail::CheckBounds(index, Upper);
    entries_[static_cast<std::size_t>(index)] = std::move(value);
  }

 private:
  std::array<T, std::size_t{Upper} + 1> entries_{};
};

//! A two-dimensional table indexed (0..Upper1, 0..Upper2).
template <typename T, int Upper1, int Upper2>
class Table2 {
 public:
  //! The upper bound of the first dimension.
  constexpr int UpperBound() const { return Upper1; }

  const T& operator()(int first, int second) const {
    detail::CheckBounds(first, Upper1);
    detail::CheckBounds(second, Upper2);
    return entries_[static_cast<std::size_t>(first)][static_cast<std::size_t>(second)];
  }
  void Set(int first, int second, T value) {
    detail::CheckBounds(first, Upper1);
    detail::CheckBounds(second, Upper2);
    entries_[static_cast<std::size_t>(first)][static_cast<std::size_t>(second)] = std::move(value);
  }

 private:
  std::array<std::array<T, std::size_t{Upper2} + 1>, std::size_t{Upper1} + 1> entries_{};
};

}  // namespace corvane
