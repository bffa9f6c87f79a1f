// Any text read as a discount or a price cell: LeadingNumber never fails and agrees with strtod on
// the number it finds; the amount it gives is shown in the display picture, with and without VAT;
// the discount rules either give a value or stop with one of the calculator's own errors.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/display_picture.h"
#include "money/errors.h"
#include "money/format_price.h"
#include "money/leading_number.h"
#include "money/money.h"
#include "money/vat.h"
#include "quote/discount.h"

namespace {

using corvane::Money;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

// The number at the start of the text with every blank taken out, in the form strtod reads:
// an optional sign, digits with at most one ".", at least one digit, and an exponent only when a
// digit follows its letter and sign. Empty when the text has no leading number.
std::string LeadingNumberText(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (!IsBlank(c)) compact += c;
  }
  std::size_t at = 0;
  const auto digitsFrom = [&](std::size_t from) {
    std::size_t to = from;
    while (to < compact.size() && corvane::fuzz::IsDigit(compact[to])) ++to;
    return to;
  };
  if (at < compact.size() && (compact[at] == '+' || compact[at] == '-')) ++at;
  const std::size_t integerEnd = digitsFrom(at);
  std::size_t mantissaEnd = integerEnd;
  if (mantissaEnd < compact.size() && compact[mantissaEnd] == '.') {
    mantissaEnd = digitsFrom(mantissaEnd + 1);
  }
  const bool hasDigit = integerEnd > at || mantissaEnd > integerEnd + 1;
  if (!hasDigit) return {};
  std::size_t end = mantissaEnd;
  if (end < compact.size() && (compact[end] == 'e' || compact[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < compact.size() && (compact[exponent] == '+' || compact[exponent] == '-')) {
      ++exponent;
    }
    const std::size_t exponentEnd = digitsFrom(exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  return compact.substr(0, end);
}

// The value strtod gives, when it is one the comparison can rely on: zero, a normal number or an
// infinity. Subnormal results are left out; how close to zero a reader rounds is not fixed.
bool ReferenceValue(const std::string& number, double& value) {
  if (number.empty()) {
    value = 0.0;
    return true;
  }
  errno = 0;
  value = std::strtod(number.c_str(), nullptr);
  const int kind = std::fpclassify(value);
  return kind == FP_ZERO || kind == FP_NORMAL || kind == FP_INFINITE;
}

void CheckMoneyPicture(Money amount) {
  const std::string shown = corvane::FormatPrice(amount);
  Check(corvane::fuzz::InDisplayPicture(shown), "FormatPrice(Money) left the display picture");
  // The shown cents are the magnitude rounded half away from zero on the exact decimal value.
  const std::int64_t raw = amount.tenThousandths();
  const std::uint64_t magnitude =
      raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
  const std::uint64_t cents = (magnitude + 50) / 100;
  std::uint64_t shownCents = 0;
  for (char c : shown) {
    if (corvane::fuzz::IsDigit(c)) shownCents = shownCents * 10 + static_cast<unsigned>(c - '0');
  }
  Check(shownCents == cents, "FormatPrice(Money) shows another amount");
  Check((shown.front() == '-') == (raw < 0 && cents != 0), "FormatPrice(Money) has the wrong sign");
}

void CheckVatPicture(Money amount) {
  double inclusive = 0.0;
  try {
    inclusive = corvane::AddVat(amount, corvane::VatRate{});
  } catch (const corvane::OverflowError&) {
    return;  // the amount times 114 is beyond Money's range
  }
  Check(std::isfinite(inclusive), "AddVat gave an infinity or NaN");
  const std::string shown = corvane::FormatPrice(inclusive);
  Check(corvane::fuzz::InDisplayPicture(shown), "FormatPrice(AddVat) left the display picture");
  Check(shown.front() != '-' || inclusive < 0, "FormatPrice(AddVat) shows a minus sign");
  Check(!(amount < Money()) || inclusive <= 0, "AddVat of a negative amount is positive");
  Check(!(amount > Money()) || inclusive >= 0, "AddVat of a positive amount is negative");
}

void CheckDiscount(Money price, std::string_view text, double discount) {
  Money discounted;
  try {
    discounted = corvane::ApplyDiscount(price, corvane::ReadDiscount(text));
  } catch (const corvane::OverflowError&) {
    return;
  } catch (const corvane::FloatingPointError&) {
    return;
  }
  CheckMoneyPicture(discounted);
  if (discount == 0.0) Check(discounted == price, "a discount of 0 changed a listed price");
  if (discount >= 0.0 && discount <= 100.0) {
    Check(discounted >= Money() && discounted <= price,
          "a discount within 0..100 gave a price outside 0..the listed price");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = corvane::LeadingNumber(text);
  Check(!std::isnan(value), "LeadingNumber gave NaN");
  double reference = 0.0;
  if (ReferenceValue(LeadingNumberText(text), reference)) {
    Check(value == reference, "LeadingNumber disagrees with strtod");
  }

  // A discount reads "," as a decimal point; nothing else sets it apart from a price cell.
  std::string pointed(text);
  std::replace(pointed.begin(), pointed.end(), ',', '.');
  const double discount = corvane::LeadingNumber(pointed);
  const corvane::Discount read = corvane::ReadDiscount(text);
  Check(read.percent == discount, "ReadDiscount disagrees with the number the text starts with");
  Check(read.OutOfRange() == (discount < 0.0 || discount > 100.0),
        "Discount::OutOfRange disagrees with the number the text starts with");

  try {
    const Money amount = Money::fromDouble(value);
    CheckMoneyPicture(amount);
    CheckVatPicture(amount);
  } catch (const corvane::OverflowError&) {
    Check(!(std::fabs(value) < 9e14), "an amount well within Money's range overflowed");
  }

  // Listed prices: the smallest and largest package, a support price with three decimals.
  for (const Money price : {Money::fromDecimal("788.60"), Money::fromDecimal("220000.00"),
                            Money::fromDecimal("184.21"), Money()}) {
    CheckDiscount(price, text, discount);
  }
  return 0;
}
