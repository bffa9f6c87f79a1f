#include "money/shown_price.h"

#include "money/vat.h"

namespace corvane {

ShownPrice PriceForDisplay(Money amount, const Separators& separators) {
  const double inclusive = AddVat(amount);
  return ShownPrice{amount, inclusive, FormatPrice(amount, separators),
                    FormatPrice(inclusive, separators)};
}

}  // namespace corvane
