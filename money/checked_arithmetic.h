// Exact 64-bit integer arithmetic that reports overflow instead of wrapping, for Money. GCC and
// Clang have overflow builtins and a 128-bit integer; MSVC has neither, so each operation also
// has a portable form in plain 64-bit arithmetic. Defining CORVANE_PORTABLE_ARITHMETIC selects
// the portable forms on every compiler, which is how they are tested where the others exist.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#if !defined(CORVANE_PORTABLE_ARITHMETIC) && defined(__SIZEOF_INT128__)
#define CORVANE_ARITHMETIC_INT128 1
#endif
#if !defined(CORVANE_PORTABLE_ARITHMETIC) && defined(__has_builtin)
#if __has_builtin(__builtin_add_overflow) && __has_builtin(__builtin_sub_overflow) && \
    __has_builtin(__builtin_mul_overflow)
#define CORVANE_ARITHMETIC_BUILTINS 1
#endif
#endif

namespace corvane::detail {

#if defined(CORVANE_ARITHMETIC_INT128) && defined(CORVANE_ARITHMETIC_BUILTINS)
inline constexpr bool kPortableArithmetic = false;
#else
inline constexpr bool kPortableArithmetic = true;
#endif

inline constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
inline constexpr std::int64_t kHighest = std::numeric_limits<std::int64_t>::max();

//! |v| as unsigned, so that the lowest value has one too.
constexpr std::uint64_t Magnitude(std::int64_t v) {
  return v < 0 ? ~static_cast<std::uint64_t>(v) + 1 : static_cast<std::uint64_t>(v);
}

//! The value of the given sign and magnitude, if an int64 holds it.
constexpr std::optional<std::int64_t> Signed(bool negative, std::uint64_t magnitude) {
  const std::uint64_t limit = Magnitude(negative ? kLowest : kHighest);
  if (magnitude > limit) return std::nullopt;
  // Conversion to a signed type is modular, so the lowest value comes out right as well.
  return negative ? static_cast<std::int64_t>(~magnitude + 1)
                  : static_cast<std::int64_t>(magnitude);
}

struct WideProduct {
  std::uint64_t high;
  std::uint64_t low;
};

//! The exact 128-bit product, from the four products of 32-bit halves (none of which overflows).
constexpr WideProduct Multiply(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kHalf = 0xFFFF'FFFF;
  const std::uint64_t lowLow = (a & kHalf) * (b & kHalf);
  const std::uint64_t lowHigh = (a & kHalf) * (b >> 32);
  const std::uint64_t highLow = (a >> 32) * (b & kHalf);
  const std::uint64_t highHigh = (a >> 32) * (b >> 32);
  // Three numbers below 2^32 each: the sum carries into the high word but cannot overflow.
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kHalf) + (highLow & kHalf);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & kHalf)};
}

constexpr std::optional<std::int64_t> CheckedSum(std::int64_t a, std::int64_t b) {
#ifdef CORVANE_ARITHMETIC_BUILTINS
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) return std::nullopt;
  return sum;
#else
  if (b > 0 ? a > kHighest - b : a < kLowest - b) return std::nullopt;
  return a + b;
#endif
}

constexpr std::optional<std::int64_t> CheckedDifference(std::int64_t a, std::int64_t b) {
#ifdef CORVANE_ARITHMETIC_BUILTINS
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(a, b, &difference)) return std::nullopt;
  return difference;
#else
  if (b < 0 ? a > kHighest + b : a < kLowest + b) return std::nullopt;
  return a - b;
#endif
}

constexpr std::optional<std::int64_t> CheckedProduct(std::int64_t a, std::int64_t b) {
#ifdef CORVANE_ARITHMETIC_BUILTINS
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return std::nullopt;
  return product;
#else
  const WideProduct product = Multiply(Magnitude(a), Magnitude(b));
  if (product.high != 0) return std::nullopt;
  return Signed((a < 0) != (b < 0), product.low);
#endif
}

//! a * b / scale rounded to the nearest integer, exact halves to even, if an int64 holds it.
constexpr std::optional<std::int64_t> RoundedScaledProduct(std::int64_t a, std::int64_t b,
                                                           std::uint32_t scale) {
#ifdef CORVANE_ARITHMETIC_INT128
  __extension__ typedef __int128 Int128;  // the keyword keeps -Wpedantic quiet
  const Int128 exact = static_cast<Int128>(a) * b;
  Int128 quotient = exact / scale;
  const Int128 remainder = exact % scale;
  const Int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
  if (twice > scale || (twice == scale && quotient % 2 != 0)) quotient += exact < 0 ? -1 : 1;
  if (quotient > kHighest || quotient < kLowest) return std::nullopt;
  return static_cast<std::int64_t>(quotient);
#else
  const WideProduct exact = Multiply(Magnitude(a), Magnitude(b));
  // A quotient of 2^64 or more overflows; below that, long division 32 bits at a time keeps
  // every partial dividend below scale * 2^32, within 64 bits.
  if (exact.high >= scale) return std::nullopt;
  const std::uint64_t upper = (exact.high << 32) | (exact.low >> 32);
  const std::uint64_t lower = ((upper % scale) << 32) | (exact.low & 0xFFFF'FFFF);
  std::uint64_t quotient = ((upper / scale) << 32) | (lower / scale);
  const std::uint64_t twice = (lower % scale) * 2;
  if (quotient > Magnitude(kLowest)) return std::nullopt;  // so that rounding up cannot wrap
  if (twice > scale || (twice == scale && quotient % 2 != 0)) ++quotient;
  return Signed((a < 0) != (b < 0), quotient);
#endif
}

}  // namespace corvane::detail

#undef CORVANE_ARITHMETIC_INT128
#undef CORVANE_ARITHMETIC_BUILTINS
