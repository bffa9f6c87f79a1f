// Money arithmetic against exact 128-bit integer arithmetic: every operation gives the exact
// result when it lies within Money's range and stops with OverflowError otherwise, never with a
// wrong value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include "money/errors.h"
#include "money/money.h"

namespace {

using corvane::Money;
// The reference arithmetic is the compiler's own 128-bit integers, whichever way Money computes.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

constexpr Int128 kScale = 10'000;
constexpr Int128 kLowest = std::numeric_limits<std::int64_t>::min();
constexpr Int128 kHighest = std::numeric_limits<std::int64_t>::max();

[[noreturn]] void Fail(const char* what, std::int64_t a, std::int64_t b) {
  std::fprintf(stderr, "check failed: %s (a=%lld b=%lld)\n", what, static_cast<long long>(a),
               static_cast<long long>(b));
  std::abort();
}

// Runs the operation; it must give `expected` when that lies within range and throw
// OverflowError when it does not.
template <typename Operation>
void Expect(Operation operation, Int128 expected, const char* what, std::int64_t a,
            std::int64_t b) {
  const bool inRange = expected >= kLowest && expected <= kHighest;
  std::optional<Money> result;
  try {
    result = operation();
  } catch (const corvane::OverflowError&) {
    if (inRange) Fail(what, a, b);  // overflow reported for a result within range
    return;
  }
  if (!inRange) Fail(what, a, b);  // a value given for a result beyond range
  if (result->tenThousandths() != static_cast<std::int64_t>(expected)) Fail(what, a, b);
}

// numerator / 2^shift rounded to the nearest integer, exact halves to even, for numerator >= 0.
UInt128 DivideByPowerOfTwoHalfEven(UInt128 numerator, int shift) {
  if (shift == 0) return numerator;
  if (shift > 127) return 0;
  const UInt128 quotient = numerator >> shift;
  const UInt128 remainder = numerator - (quotient << shift);
  const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1) != 0)) return quotient + 1;
  return quotient;
}

// The product of two amounts in ten-thousandths, exact halves to even, by floor division.
Int128 ProductReference(std::int64_t a, std::int64_t b) {
  const Int128 exact = static_cast<Int128>(a) * b;
  Int128 quotient = exact / kScale;
  Int128 remainder = exact % kScale;
  if (remainder < 0) {  // make it a floor division with 0 <= remainder < 10 000
    remainder += kScale;
    quotient -= 1;
  }
  if (remainder * 2 > kScale || (remainder * 2 == kScale && quotient % 2 != 0)) quotient += 1;
  return quotient;
}

// x * 10 000 rounded half to even, from x's exact binary value; nullopt beyond 64 bits.
std::optional<Int128> FromDoubleReference(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  if (x == 0.0) return 0;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = fraction * 2^exponent
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = exponent - 53;  // |x| = mantissa * 2^shift exactly
  const UInt128 scaled = static_cast<UInt128>(mantissa) * 10'000;  // below 2^67
  UInt128 magnitude = 0;
  if (shift >= 0) {
    if (shift > 64) return std::nullopt;
    magnitude = scaled << shift;
    if ((magnitude >> shift) != scaled) return std::nullopt;
  } else {
    magnitude = DivideByPowerOfTwoHalfEven(scaled, -shift);
  }
  if (magnitude > static_cast<UInt128>(kHighest) + 1) return std::nullopt;
  const Int128 value = static_cast<Int128>(magnitude);
  return x < 0 ? -value : value;
}

void CheckFromDouble(double x, std::int64_t a, std::int64_t b) {
  const std::optional<Int128> expected = FromDoubleReference(x);
  // A result the reference cannot hold is beyond range all the same.
  Expect([x] { return Money::fromDouble(x); }, expected.value_or(kHighest + 1), "fromDouble", a, b);
}

std::int64_t Read64(const std::uint8_t* data) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, sizeof bits);
  return static_cast<std::int64_t>(bits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kRecord = 1 + 8 + 8;
  for (; size >= kRecord; data += kRecord, size -= kRecord) {
    const std::uint8_t op = data[0];
    const std::int64_t a = Read64(data + 1);
    const std::int64_t b = Read64(data + 9);
    const Money x = Money::fromTenThousandths(a);
    const Money y = Money::fromTenThousandths(b);
    switch (op % 8) {
      case 0:
        Expect([&] { return x + y; }, static_cast<Int128>(a) + b, "a + b", a, b);
        break;
      case 1:
        Expect([&] { return x - y; }, static_cast<Int128>(a) - b, "a - b", a, b);
        break;
      case 2: {
        const auto n = static_cast<std::int16_t>(b);
        Expect([&] { return x.times(n); }, static_cast<Int128>(a) * n, "a.times(n)", a, b);
        break;
      }
      case 3:
        Expect([&] { return x * y; }, ProductReference(a, b), "a * b", a, b);
        break;
      case 4: {
        // Any bit pattern: infinities, NaNs, the far ends of the exponent range.
        double bits = 0.0;
        std::memcpy(&bits, &a, sizeof bits);
        CheckFromDouble(bits, a, b);
        break;
      }
      case 5:
        // a * 2^-k: binary fractions, among them exact halves of a ten-thousandth (odd / 32).
        CheckFromDouble(std::ldexp(static_cast<double>(a), -static_cast<int>(b & 127)), a, b);
        break;
      case 6:
        // Near the ends of the range, where the last representable doubles sit.
        CheckFromDouble(std::ldexp(static_cast<double>(a), static_cast<int>(b & 15)), a, b);
        break;
      case 7:
        // An amount converted to double and back: exact while the double holds it to a quarter of
        // a ten-thousandth.
        if (a > -(std::int64_t{1} << 52) && a < (std::int64_t{1} << 52)) {
          if (Money::fromDouble(x.toDouble()) != x) Fail("fromDouble(toDouble(a))", a, b);
        }
        CheckFromDouble(x.toDouble(), a, b);
        break;
    }
  }
  return 0;
}
