#include "money/shown_price.h"

#include "money/vat.h"

namespace corvane {

ShownPrice PriceForDisplay(Money amount, const Separators& separators) {
  return PriceForDisplay(amount, AddVat(amount), separators);
}

ShownPrice PriceForDisplay(Money amount, double inclusive, const Separators& separators) {
  return ShownPrice{amount, inclusive, FormatPrice(amount, separators),
                    FormatPrice(inclusive, separators)};
}

}  // namespace corvane
