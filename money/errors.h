// The money layer: exact amounts, the number reader, VAT, rounding and the price picture, with
// the errors that stop an operation. Nothing here knows of price books, quotes or windows.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

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

//! A read or store outside a table's bounds.
class RangeError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

//! The error in plain words, one sentence: what kind of error it is, and its own message.
std::string DescribeError(const std::exception& error);

}  // namespace corvane
