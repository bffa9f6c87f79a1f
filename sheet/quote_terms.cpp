#include "sheet/quote_terms.h"

#include "money/vat.h"
#include "pricebook/effective_date.h"

namespace corvane {

// A book that names no currency, the built-in one among them, prices in rand.
QuoteTerms TermsOfBook(const PriceBook& book) {
  return QuoteTerms{VatPercentText(book.vat) + "%", book.currency.value_or("ZAR"),
                    LongDate(book.effectiveDate), book.vendorPhone};
}

}  // namespace corvane
