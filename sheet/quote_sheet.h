// The customer quote being made: priced items as lines with quantities, the totals they add up
// to, the customer, the dates, and the number once the quote has been handed on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sheet/priced_item.h"
#include "sheet/quotation.h"

namespace corvane {

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 999;

//! Every change is checked whole before it is made: one that would take an amount out of range
//! throws OverflowError and changes nothing. A numbered quote is what was sent under its number:
//! any change to it makes a new quote, which gets a number of its own when it is handed on.
class QuoteSheet {
 public:
  //! Adds the item as a line with the quantity 1.
  void Add(const PricedItem& item);
  //! RangeError for a line it does not hold or a quantity outside 1..999.
  void SetQuantity(std::size_t line, int quantity);
  //! RangeError for a line it does not hold.
  void Remove(std::size_t line);
  void Clear();
  void SetCustomer(std::string customer);
  void SetReference(std::string reference);
  //! The day the quote is made and the day it holds until. On a numbered quote this makes a new
  //! quote of the same lines and customer.
  void SetDates(QuoteDate date, QuoteDate validUntil);
  void SetValidUntil(QuoteDate validUntil);

  //! The quotation as it is handed on now. A numbered one keeps the dealer's details and the
  //! terms it was first sent with; a new one takes those given.
  Quotation Document(const DealerDetails& dealer, const QuoteTerms& terms) const;
  //! The register kept the quotation under a number: from now on it is that quotation.
  void Numbered(const Quotation& sent);
  //! Reopens a quotation exactly as it was sent, number and all.
  void Open(const Quotation& sent);

  const std::vector<QuoteLine>& Lines() const { return lines_; }
  const SheetTotals& Totals() const { return totals_; }
  const std::string& Customer() const { return customer_; }
  const std::string& Reference() const { return reference_; }
  QuoteDate Date() const { return date_; }
  QuoteDate ValidUntil() const { return validUntil_; }
  //! Empty until the register numbers the quote, and again once it is changed.
  std::string Number() const { return sent_ ? sent_->number : std::string(); }
  bool Empty() const { return lines_.empty(); }

  //! Printed, saved or copied: closing need not ask until the sheet changes again.
  void MarkHandedOn() { handedOn_ = true; }
  //! Lines that would be lost without a word if the program ended now.
  bool HasUnsentLines() const { return !lines_.empty() && !handedOn_; }

 private:
  void Replace(std::vector<QuoteLine> lines);
  void Changed();

  std::vector<QuoteLine> lines_;
  SheetTotals totals_;
  std::string customer_;
  std::string reference_;
  QuoteDate date_{};
  QuoteDate validUntil_{};
  std::optional<Quotation> sent_;  //!< the quotation as numbered, while the sheet still is it
  bool handedOn_ = false;
};

}  // namespace corvane
