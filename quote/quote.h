// The quote as a value: one pure function from what the dealer asks, in the price book's terms,
// to the answer, in amounts or in the reasons for a refusal. It knows no window and no text the
// dealer sees; quote/present.h turns an answer into those.
#pragma once

#include <optional>
#include <vector>

#include "money/money.h"
#include "money/vat.h"
#include "pricebook/price_book.h"
#include "quote/discount.h"

namespace corvane {

enum class QuoteKind {
  CrossGrade,  //!< from the package the customer owns to the one they want
  NewPackage,  //!< the From package as a new sale
  Support,     //!< a support contract
  Other,       //!< an other item
};

//! What is asked. Packages are catalogue indexes; their names, where a rule compares names, are
//! the price book's.
struct QuoteRequest {
  QuoteKind kind = QuoteKind::CrossGrade;
  int from = 0;           //!< the From package (cross-grade, new package)
  std::optional<int> to;  //!< the To package of a cross-grade; none while none is chosen
  //! The dealer discount; a new package without one is priced at its list price.
  std::optional<Discount> discount;
  int ageBand = 0;  //!< 0 for the oldest traded-in package
  int item = 0;     //!< support contract or other item number (1 for the first)
};

//! Why a request is refused; each has its own warning.
enum class Refusal {
  SamePackage,         //!< a cross-grade to the package the customer owns
  ToPipwick,           //!< no package is upgraded to PIPWICK
  NotInDatabase,       //!< the tables serve the pair but list no price for it
  FewerTerminals,      //!< the move would reduce the number of terminals
  DiscountOutOfRange,  //!< the discount is below 0 % or above 100 %
};

//! The answer to a request.
struct Quote {
  enum class Outcome {
    Priced,     //!< the amounts below
    Refused,    //!< for the reasons below, in the order they are shown
    Unchanged,  //!< nothing to price: whatever was shown stays
  };
  Outcome outcome = Outcome::Unchanged;
  Money excludingVat;
  double includingVat = 0;  //!< rounded to cents; it stays a double, only ever shown
  VatRate vat;              //!< the price book's rate the VAT-inclusive amount is worked out at
  std::vector<Refusal> reasons;

  bool Priced() const { return outcome == Outcome::Priced; }
};

//! The only place where a price is computed. Throws OverflowError, RangeError or
//! FloatingPointError when an amount, index or step leaves its range.
Quote Price(const PriceBook& book, const QuoteRequest& request);

//! The answer that prices an amount excluding VAT, and the answer that refuses for a reason.
Quote PricedAt(Money excludingVat, VatRate rate);
Quote RefusedFor(Refusal reason);

}  // namespace corvane
