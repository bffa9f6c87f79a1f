// The one presenter: what a surface shows for an answer. The price boxes' texts in the user's
// separators, each refusal's warning in its exact words, and the order in which the boxes are
// emptied and the warning shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "money/shown_price.h"
#include "quote/quote.h"

namespace corvane {

//! One screen effect of a refusal.
struct RefusalStep {
  enum class Action { ClearBoxes, Warn };
  Action action = Action::ClearBoxes;
  std::string message;  //!< the warning, lines separated by CR LF; empty for ClearBoxes
};

//! An answer as a surface shows it.
struct Presentation {
  Quote::Outcome outcome = Quote::Outcome::Unchanged;
  ShownPrice price;                //!< the two boxes' amounts and texts, when priced
  std::vector<RefusalStep> steps;  //!< when refused: the steps, in the order they are taken

  //! The warnings among the steps, in order.
  std::vector<std::string> Warnings() const;
};

//! The warning a refusal shows; those that send the dealer elsewhere give the vendor's telephone.
std::string WarningText(Refusal reason, std::string_view vendorPhone);

//! The presentation of the answer. A refusal to reduce the terminals warns before it empties the
//! boxes; every other refusal empties them first. Throws OverflowError or FloatingPointError
//! when an amount cannot be shown.
Presentation Present(const Quote& quote, const Separators& separators,
                     std::string_view vendorPhone);

}  // namespace corvane
