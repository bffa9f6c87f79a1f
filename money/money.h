// Money: an exact amount in ten-thousandths held in a signed 64-bit integer, with checked
// arithmetic.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string_view>

#include "money/errors.h"

namespace corvane {

namespace detail {
// 128-bit integers hold the exact product of two amounts; the extension keyword keeps
// -Wpedantic quiet about a type the standard does not name.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

//! x * scale rounded to the nearest integer, exact halves to even. The product itself may have
//! been rounded onto a half; its exact error then tells on which side of the half the true value
//! lies, so the result is that of rounding the exact product.
inline double RoundScaledHalfEven(double x, double scale) {
  const double scaled = x * scale;
  double rounded = std::nearbyint(scaled);  // the default rounding mode sends halves to even
  if (std::fabs(scaled - std::trunc(scaled)) == 0.5) {
    const double error = std::fma(x, scale, -scaled);
    if (error > 0) rounded = std::floor(scaled) + 1;
    if (error < 0) rounded = std::floor(scaled);
  }
  return rounded;
}
}  // namespace detail

class Money {
 public:
  static constexpr std::int64_t kScale = 10'000;

  //! Zero, the value of every price the price book leaves unfilled.
  constexpr Money() = default;

  static constexpr Money fromTenThousandths(std::int64_t raw) { return Money(raw); }
  static constexpr Money fromInt16(std::int16_t n) { return Money(std::int64_t{n} * kScale); }
  static constexpr Money fromInt32(std::int32_t n) { return Money(std::int64_t{n} * kScale); }

  //! x * 10 000 rounded to the nearest integer, exact halves to even; overflow outside the range.
  static Money fromDouble(double x);

  //! An exact decimal literal such as "788.60" or "657.895", read at compile time.
  static consteval Money fromDecimal(std::string_view text);

  constexpr std::int64_t tenThousandths() const { return raw_; }
  constexpr double toDouble() const { return static_cast<double>(raw_) / kScale; }

  friend constexpr Money operator+(Money a, Money b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.raw_, b.raw_, &sum)) throw OverflowError("amount out of range");
    return Money(sum);
  }
  friend constexpr Money operator-(Money a, Money b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &difference)) {
      throw OverflowError("amount out of range");
    }
    return Money(difference);
  }
  //! Exact: the stored integer times n.
  constexpr Money times(std::int16_t n) const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(raw_, std::int64_t{n}, &product)) {
      throw OverflowError("amount out of range");
    }
    return Money(product);
  }
  //! The product of two amounts, rounded to the nearest ten-thousandth (exact halves to even).
  friend constexpr Money operator*(Money a, Money b) {
    const detail::Int128 exact = static_cast<detail::Int128>(a.raw_) * b.raw_;
    detail::Int128 quotient = exact / kScale;
    const detail::Int128 remainder = exact % kScale;
    const detail::Int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > kScale || (twice == kScale && quotient % 2 != 0)) {
      quotient += exact < 0 ? -1 : 1;
    }
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min()) {
      throw OverflowError("amount out of range");
    }
    return Money(static_cast<std::int64_t>(quotient));
  }

  friend constexpr auto operator<=>(Money, Money) = default;

 private:
  explicit constexpr Money(std::int64_t raw) : raw_(raw) {}

  std::int64_t raw_ = 0;
};

inline Money Money::fromDouble(double x) {
  constexpr double kScaleAsDouble = static_cast<double>(kScale);
  // 2^63 is a power of two, so the comparison is exact; NaN fails it too.
  constexpr double kLimit = 9223372036854775808.0;
  const double scaled = x * kScaleAsDouble;
  if (!(std::fabs(scaled) <= kLimit)) throw OverflowError("amount out of range");
  detail::Int128 rounded = 0;
  if (std::fabs(scaled) < 4503599627370496.0) {  // 2^52: below it a half is representable
    rounded = static_cast<detail::Int128>(detail::RoundScaledHalfEven(x, kScaleAsDouble));
  } else {
    // The product is a whole number here but may have been rounded by up to a few hundred
    // ten-thousandths; its exact error (representable, as a product's error always is) restores
    // the exact value, which is then rounded on its own fraction.
    const double error = std::fma(x, kScaleAsDouble, -scaled);
    const double wholeError = std::floor(error);
    const double fraction = error - wholeError;
    rounded = static_cast<detail::Int128>(scaled) + static_cast<detail::Int128>(wholeError);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
  }
  if (rounded > std::numeric_limits<std::int64_t>::max() ||
      rounded < std::numeric_limits<std::int64_t>::min()) {
    throw OverflowError("amount out of range");
  }
  return Money(static_cast<std::int64_t>(rounded));
}

consteval Money Money::fromDecimal(std::string_view text) {
  std::int64_t whole = 0;
  std::int64_t fraction = 0;
  int fractionDigits = 0;
  bool seenPoint = false;
  for (char c : text) {
    if (c == '.') {
      if (seenPoint) throw "more than one decimal point";
      seenPoint = true;
    } else if (c >= '0' && c <= '9') {
      if (seenPoint) {
        if (++fractionDigits > 4) throw "more than four decimal places";
        fraction = fraction * 10 + (c - '0');
      } else {
        whole = whole * 10 + (c - '0');
      }
    } else {
      throw "not a decimal amount";
    }
  }
  for (; fractionDigits < 4; ++fractionDigits) fraction *= 10;
  return Money(whole * kScale + fraction);
}

//! Prints the exact amount with all four decimals, for readable test failures.
inline void PrintTo(const Money& money, std::ostream* out) {
  const std::int64_t raw = money.tenThousandths();
  // Work on the magnitude as unsigned so that the smallest value prints too.
  const std::uint64_t magnitude =
      raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
  const std::uint64_t fraction = magnitude % Money::kScale;
  *out << (raw < 0 ? "-" : "") << magnitude / Money::kScale << '.'
       << static_cast<char>('0' + fraction / 1000) << static_cast<char>('0' + fraction / 100 % 10)
       << static_cast<char>('0' + fraction / 10 % 10) << static_cast<char>('0' + fraction % 10);
}

}  // namespace corvane
