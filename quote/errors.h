// Error types the quote engine raises; each stops the operation that raised it.
#pragma once

#include <stdexcept>

namespace corvane {

//! An amount or counter left the range its type can hold.
class OverflowError : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

//! A floating-point step produced an invalid result, a division by zero or an overflow.
class FloatingPointError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace corvane
