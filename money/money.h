// Money: an exact amount in ten-thousandths held in a signed 64-bit integer, with checked
// arithmetic.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

#include "money/checked_arithmetic.h"
#include "money/errors.h"

namespace corvane {

namespace detail {
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
    return Checked(detail::CheckedSum(a.raw_, b.raw_));
  }
  friend constexpr Money operator-(Money a, Money b) {
    return Checked(detail::CheckedDifference(a.raw_, b.raw_));
  }
  //! Exact: the stored integer times n.
  constexpr Money times(std::int16_t n) const {
    return Checked(detail::CheckedProduct(raw_, std::int64_t{n}));
  }
  //! The product of two amounts, rounded to the nearest ten-thousandth (exact halves to even).
  friend constexpr Money operator*(Money a, Money b) {
    return Checked(detail::RoundedScaledProduct(a.raw_, b.raw_, kScale));
  }

  friend constexpr auto operator<=>(Money, Money) = default;

 private:
  explicit constexpr Money(std::int64_t raw) : raw_(raw) {}
  static constexpr Money Checked(std::optional<std::int64_t> raw) {
    if (!raw) throw OverflowError("amount out of range");
    return Money(*raw);
  }

  std::int64_t raw_ = 0;
};

inline Money Money::fromDouble(double x) {
  constexpr double kScaleAsDouble = static_cast<double>(kScale);
  // 2^63 is a power of two, so the comparison is exact; NaN fails it too.
  constexpr double kLimit = 9223372036854775808.0;
  const double scaled = x * kScaleAsDouble;
  if (!(std::fabs(scaled) <= kLimit)) throw OverflowError("amount out of range");
  if (std::fabs(scaled) < 4503599627370496.0) {  // 2^52: below it a half is representable
    return Money(static_cast<std::int64_t>(detail::RoundScaledHalfEven(x, kScaleAsDouble)));
  }
  // The product is a whole number here but may have been rounded by up to a few hundred
  // ten-thousandths; its exact error (representable, as a product's error always is) restores
  // the exact value, which is then rounded on its own fraction. 1024 is a multiple of the
  // product's spacing, so moving it 1024 towards zero is exact and brings even 2^63 into range.
  const double towardsZero = std::copysign(1024.0, scaled);
  const auto base = static_cast<std::int64_t>(scaled - towardsZero);
  const double error = std::fma(x, kScaleAsDouble, -scaled);
  const double wholeError = std::floor(error);
  const double fraction = error - wholeError;
  auto adjustment = static_cast<std::int64_t>(wholeError + towardsZero);  // a few thousand at most
  const bool odd = ((base ^ adjustment) & 1) != 0;
  if (fraction > 0.5 || (fraction == 0.5 && odd)) ++adjustment;
  return Checked(detail::CheckedSum(base, adjustment));
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
  const std::uint64_t magnitude = detail::Magnitude(raw);
  const std::uint64_t fraction = magnitude % Money::kScale;
  *out << (raw < 0 ? "-" : "") << magnitude / Money::kScale << '.'
       << static_cast<char>('0' + fraction / 1000) << static_cast<char>('0' + fraction / 100 % 10)
       << static_cast<char>('0' + fraction / 10 % 10) << static_cast<char>('0' + fraction % 10);
}

}  // namespace corvane
