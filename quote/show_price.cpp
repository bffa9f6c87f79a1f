#include "quote/show_price.h"

#include "quote/vat.h"

namespace corvane {

void ShowPrice(Money amount, PriceBox& excluding, PriceBox& including,
               const Separators& separators) {
  excluding.SetText(FormatPrice(amount, separators));
  including.SetText(FormatPrice(AddVat(amount), separators));
}

}  // namespace corvane
