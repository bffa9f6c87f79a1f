#include "money/format_price.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "money/errors.h"

namespace corvane {
namespace {

std::string Picture(bool negative, std::uint64_t cents, const Separators& separators) {
  const std::string digits = cents >= 100 ? std::to_string(cents / 100) : std::string();
  std::string text = negative && cents != 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) text += separators.thousands;
    text += digits[i];
  }
  const auto fraction = static_cast<unsigned>(cents % 100);
  text += separators.decimal;
  text += static_cast<char>('0' + fraction / 10);
  text += static_cast<char>('0' + fraction % 10);
  return text;
}

// The magnitude in cents, rounded half away from zero on the double's exact binary value.
std::uint64_t CentsOf(double magnitude) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = exponent - 53;  // magnitude = mantissa * 2^shift exactly
  // The mantissa is below 2^53, so a hundred of it is below 2^60, and every magnitude shown is
  // below 2^64 cents: all of this fits in 64 bits.
  const std::uint64_t hundredfold = mantissa * 100;
  if (shift >= 0) return hundredfold << shift;
  if (shift < -62) return 0;  // below a quarter of a cent
  const std::uint64_t whole = hundredfold >> -shift;
  const std::uint64_t rest = hundredfold - (whole << -shift);
  const std::uint64_t half = std::uint64_t{1} << (-shift - 1);
  return rest >= half ? whole + 1 : whole;
}

// The magnitude of an amount in cents, rounded half away from zero on its exact decimal value.
std::uint64_t CentsOf(Money amount) {
  return (detail::Magnitude(amount.tenThousandths()) + 50) / 100;
}

}  // namespace

std::string FormatPrice(Money amount, const Separators& separators) {
  return Picture(amount < Money(), CentsOf(amount), separators);
}

Money ShownCents(Money amount) {
  constexpr auto kMaxCents =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / 100;
  const std::uint64_t cents = CentsOf(amount);
  if (cents > kMaxCents) throw OverflowError("amount out of range");
  const auto rounded = static_cast<std::int64_t>(cents * 100);
  return Money::fromTenThousandths(amount < Money() ? -rounded : rounded);
}

std::string FormatPrice(double amount, const Separators& separators) {
  if (!std::isfinite(amount)) throw FloatingPointError("a price could not be calculated");
  // Well above the largest VAT-inclusive amount (Money's limit times 1.14), well below 2^64 cents.
  constexpr double kLargestShown = 1e17;
  const double magnitude = std::fabs(amount);
  if (magnitude >= kLargestShown) throw OverflowError("a price is too large to show");
  return Picture(amount < 0, CentsOf(magnitude), separators);
}

}  // namespace corvane
