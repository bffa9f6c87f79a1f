#include "quote/vat.h"

#include "quote/rounding.h"

namespace corvane {

double AddVat(Money amount) {
  const double inclusive = CheckedResult(amount.times(kVatFactor).toDouble() / kVatDivisor, "VAT");
  return RoundToCents(inclusive);
}

}  // namespace corvane
