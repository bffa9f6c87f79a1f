// The quote as a value: one pure function from what the dealer asks to what the window then
// shows, the prices or the refusals in the order they are shown. It reads no window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "money/format_price.h"
#include "money/shown_price.h"
#include "pricebook/price_book.h"

namespace corvane {

enum class QuoteKind {
  CrossGrade,  //!< from the package the customer owns to the one they want
  NewPackage,  //!< the From package as a new sale
  Support,     //!< a support contract
  Other,       //!< an other item
};

//! What is asked, as the window's fields and lists give it.
struct QuoteRequest {
  QuoteKind kind = QuoteKind::CrossGrade;
  std::string fromText;        //!< the From field's text (cross-grade)
  std::string toText;          //!< the To field's text (cross-grade)
  std::int16_t fromIndex = 0;  //!< catalogue index of the From package
  std::int16_t toIndex = 0;    //!< catalogue index of the To package (cross-grade)
  int toListPosition = 1;      //!< the To list's selection: -1 none, 0 "Nothing Selected"
  //! The discount field's text; a new package without one is priced at its list price.
  std::optional<std::string> discountText;
  int ageBand = 0;        //!< 0 for the oldest traded-in package, as the window asks
  std::int16_t item = 0;  //!< support contract or other item number (1 for the first)
  Separators separators;  //!< for the price texts
};

//! One screen effect of a refusal.
struct RefusalStep {
  enum class Action { ClearBoxes, Warn };
  Action action = Action::ClearBoxes;
  std::string message;  //!< the warning, lines separated by CR LF; empty for ClearBoxes
};

//! What the window shows for a request.
struct Quote {
  enum class Outcome {
    Priced,     //!< both boxes show `price`
    Refused,    //!< `steps` clear the boxes and warn, in this order
    Unchanged,  //!< the boxes keep what they show
  };
  Outcome outcome = Outcome::Unchanged;
  ShownPrice price;
  std::vector<RefusalStep> steps;

  bool Priced() const { return outcome == Outcome::Priced; }
};

//! The only place where a price is computed. Throws OverflowError, RangeError or
//! FloatingPointError when an amount, index or step leaves its range; nothing is shown then.
Quote Price(const PriceBook& book, const QuoteRequest& request);

//! A refusal that clears the boxes and then shows the message, or shows it and then clears them.
Quote ClearThenWarn(std::string message);
Quote WarnThenClear(std::string message);

}  // namespace corvane
