#include "money/vat.h"

#include "money/errors.h"
#include "money/rounding.h"

namespace corvane {

double AddVat(Money amount, VatRate rate) {
  if (rate.hundredths < 0 || rate.hundredths > kMaxVatHundredths) {
    throw RangeError("a VAT rate must lie between 0 % and 100 %");
  }
  double inclusive = 0;
  if (rate.hundredths % 100 == 0) {
    const auto factor = static_cast<std::int16_t>(100 + rate.hundredths / 100);
    inclusive = amount.times(factor).toDouble() / 100.0;
  } else {
    const auto factor = static_cast<std::int16_t>(10'000 + rate.hundredths);
    inclusive = amount.times(factor).toDouble() / 10'000.0;
  }
  return RoundToCents(CheckedResult(inclusive, "VAT"));
}

std::string VatPercentText(VatRate rate) {
  std::string text = std::to_string(rate.hundredths / 100);
  const std::int32_t fraction = rate.hundredths % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace corvane
