#include "sheet/quote_terms.h"

#include "pricebook/effective_date.h"
#include "quote/messages.h"

namespace corvane {

// The built-in book names none of these yet; its values are the program's own.
QuoteTerms TermsOfBook(const PriceBook& /*book*/) {
  return QuoteTerms{"14%", "ZAR", std::string(kPricesEffective), std::string(VendorPhone())};
}

}  // namespace corvane
