#include "quotation/amounts.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "money/checked_arithmetic.h"
#include "money/errors.h"

namespace corvane {
namespace {

constexpr std::int64_t kTenThousandthsPerCent = Money::kScale / 100;

//! A count of cents as Money; OverflowError where Money cannot hold it.
Money FromCents(std::optional<std::int64_t> cents) {
  if (!cents) throw OverflowError("amount out of range");
  const auto raw = detail::CheckedProduct(*cents, kTenThousandthsPerCent);
  if (!raw) throw OverflowError("amount out of range");
  return Money::fromTenThousandths(*raw);
}

void CheckRate(VatRate rate) {
  if (rate.hundredths < 0 || rate.hundredths > kMaxVatHundredths) {
    throw RangeError("a VAT rate must lie between 0 % and 100 %");
  }
}

// Each amount below is rounded to the cent straight from the exact product or quotient: going
// through ten-thousandths first would round twice and could move a value just short of a half
// cent onto it.

//! amount x factor / divisor, to the cent, halves to even.
Money CentsOfScaled(Money amount, std::int64_t factor, std::uint32_t divisor) {
  return FromCents(detail::RoundedScaledProduct(amount.tenThousandths(), factor,
                                                divisor * static_cast<std::uint32_t>(100)));
}

}  // namespace

Money CentsHalfEven(Money amount) {
  return CentsOfScaled(amount, 1, 1);
}

Money VatOnExcluding(Money excludingVat, VatRate rate) {
  CheckRate(rate);
  return CentsOfScaled(excludingVat, rate.hundredths, 10'000);
}

Money VatWithinIncluding(Money includingVat, VatRate rate) {
  CheckRate(rate);
  return CentsOfScaled(includingVat, rate.hundredths,
                       static_cast<std::uint32_t>(10'000 + rate.hundredths));
}

UnitPrice QuotedUnitPrice(Money exactExcludingVat, VatRate rate) {
  CheckRate(rate);
  if (exactExcludingVat.tenThousandths() % kTenThousandthsPerCent == 0) {
    return {PriceBasis::ExcludingVat, exactExcludingVat};
  }
  return {PriceBasis::IncludingVat,
          CentsOfScaled(exactExcludingVat, 10'000 + rate.hundredths, 10'000)};
}

LineAmounts LineAmountsOf(UnitPrice unit, int quantity, VatRate rate) {
  if (quantity < std::numeric_limits<std::int16_t>::min() ||
      quantity > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("amount out of range");
  }
  const Money amount = unit.amount.times(static_cast<std::int16_t>(quantity));
  if (unit.basis == PriceBasis::ExcludingVat) {
    const Money vat = VatOnExcluding(amount, rate);
    return {amount, vat, amount + vat};
  }
  const Money vat = VatWithinIncluding(amount, rate);
  return {amount - vat, vat, amount};
}

QuotationTotals TotalsOf(const std::vector<QuoteLine>& lines) {
  QuotationTotals totals;
  for (const QuoteLine& line : lines) {
    auto row = std::find_if(totals.rates.begin(), totals.rates.end(),
                            [&](const VatRow& r) { return r.rate == line.vat; });
    if (row == totals.rates.end()) {
      row = totals.rates.insert(
          std::find_if(totals.rates.begin(), totals.rates.end(),
                       [&](const VatRow& r) { return r.rate.hundredths > line.vat.hundredths; }),
          VatRow{line.vat, {}, {}, {}});
    }
    row->base = row->base + line.amounts.excludingVat;
    row->vat = row->vat + line.amounts.vat;
    row->including = row->including + line.amounts.includingVat;
  }
  for (const VatRow& row : totals.rates) {
    totals.excludingVat = totals.excludingVat + row.base;
    totals.vat = totals.vat + row.vat;
  }
  totals.includingVat = totals.excludingVat + totals.vat;
  return totals;
}

}  // namespace corvane
