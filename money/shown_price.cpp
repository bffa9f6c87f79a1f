#include "money/shown_price.h"

#include "money/vat.h"

namespace corvane {

ShownPrice PriceForDisplay(Money amount, const Separators& separators, VatRate rate) {
  const double inclusive = AddVat(amount, rate);
  return ShownPrice{amount, inclusive, FormatPrice(amount, separators),
                    FormatPrice(inclusive, separators), rate};
}

}  // namespace corvane
