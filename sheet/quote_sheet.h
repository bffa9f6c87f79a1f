// The customer quote being made: lines that know what priced them, with quantities, the totals
// and VAT summary they add up to, the customer, the dates, and the number once the quote has been
// handed on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pricebook/price_book.h"
#include "quotation/quotation.h"
#include "quote/quote.h"
#include "sheet/priced_line.h"

namespace corvane {

//! What pricing the lines again with another book did.
struct Repricing {
  BookIdentity book;
  std::vector<std::size_t> repriced;  //!< lines now at another price, their earlier one noted
  std::vector<std::size_t> kept;      //!< lines the book cannot price, keeping their price
};

//! Every change is checked whole before it is made: one that would take an amount out of range
//! throws OverflowError and changes nothing. A numbered quote is what was sent under its number:
//! changed and handed on again, it becomes that number's next revision.
class QuoteSheet {
 public:
  //! Adds the request as the book prices it, as a line with the quantity 1. RangeError when the
  //! book refuses it.
  void Add(const PriceBook& book, const QuoteRequest& request);
  //! The line at another quantity, at its own unit price and rate. RangeError for a line it does
  //! not hold or a quantity outside 1..999.
  void SetQuantity(std::size_t line, int quantity);
  //! RangeError for a line it does not hold.
  void Remove(std::size_t line);
  void Clear();
  void SetCustomer(Customer customer);
  void SetReference(std::string reference);
  //! The day the quote is made and the day it holds until.
  void SetDates(QuoteDate date, QuoteDate validUntil);
  void SetValidUntil(QuoteDate validUntil);

  //! The lines another book than this one priced: what "Re-price the N lines" counts.
  std::size_t LinesPricedElsewhere(const PriceBook& book) const;
  //! Prices every line again with the book. A line at another price notes the unit price it had;
  //! a line the book cannot price (its package gone, the move refused, or a line that never said
  //! what it priced) keeps its price and is marked.
  Repricing Reprice(const PriceBook& book);

  //! The quotation as it is handed on now: the one numbered while it is unchanged, else a draft
  //! under the earlier number (if any), with the dealer's details given.
  Quotation Document(const DealerDetails& dealer) const;
  //! The register kept the quotation: from now on it is that quotation.
  void Numbered(const Quotation& sent);
  //! Reopens a quotation exactly as it was sent, number and all.
  void Open(const Quotation& sent);
  //! The lines, customer and reference of a quotation as a new quote of its own, not numbered.
  void OpenAsNew(const Quotation& quotation);
  //! The sheet as a draft kept it: a sent one reopened, a draft as it was.
  void Restore(const Quotation& draft);

  const std::vector<QuoteLine>& Lines() const { return lines_; }
  const QuotationTotals& Totals() const { return totals_; }
  const Customer& Buyer() const { return customer_; }
  const std::string& Reference() const { return reference_; }
  QuoteDate Date() const { return date_; }
  QuoteDate ValidUntil() const { return validUntil_; }
  //! The price book's currency: that of the last book that priced a line.
  const std::string& Currency() const { return currency_; }
  //! The base number: empty until the register numbers the quote.
  const std::string& Number() const { return number_; }
  //! The revision the number last went out with.
  int Revision() const { return revision_; }
  //! The quotation as the register kept it, while the sheet is still it.
  const std::optional<Quotation>& Sent() const { return sent_; }
  bool Empty() const { return lines_.empty(); }

  //! Printed, saved or copied: closing need not ask until the sheet changes again.
  void MarkHandedOn() { handedOn_ = true; }
  //! Lines that would be lost without a word if the program ended now.
  bool HasUnsentLines() const { return !lines_.empty() && !handedOn_; }

 private:
  void Replace(std::vector<QuoteLine> lines);
  void Changed();
  void Take(const Quotation& quotation);

  std::vector<QuoteLine> lines_;
  QuotationTotals totals_;
  Customer customer_;
  std::string reference_;
  QuoteDate date_{};
  QuoteDate validUntil_{};
  std::string currency_ = "ZAR";
  std::string number_;
  int revision_ = 1;
  std::optional<Quotation> sent_;  //!< the quotation as numbered, while the sheet still is it
  bool handedOn_ = false;
};

}  // namespace corvane
