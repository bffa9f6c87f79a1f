#include "money/vat.h"

#include "money/rounding.h"

namespace corvane {

double AddVat(Money amount) {
  const double inclusive = CheckedResult(amount.times(kVatFactor).toDouble() / kVatDivisor, "VAT");
  return RoundToCents(inclusive);
}

}  // namespace corvane
