#include "money/shown_price.h"

#include "money/vat.h"

namespace corvane {

ShownPrice PriceForDisplay(Money amount, const Separators& separators, VatRate rate) {
  return PriceForDisplay(amount, AddVat(amount, rate), separators, rate);
}

ShownPrice PriceForDisplay(Money amount, double inclusive, const Separators& separators,
                           VatRate rate) {
  return ShownPrice{amount, inclusive, FormatPrice(amount, separators),
                    FormatPrice(inclusive, separators), rate};
}

}  // namespace corvane
