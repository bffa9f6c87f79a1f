// The customer quote: priced items as lines with quantities, and the totals they add up to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "money/money.h"
#include "sheet/priced_item.h"

namespace corvane {

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 999;

//! One line. The unit prices are the amounts the window's boxes showed, to the cent, so the
//! line's totals are what a customer multiplies out from the quote.
struct QuoteLine {
  std::string description;
  std::int16_t quantity = 1;
  Money unitExcludingVat;
  Money unitIncludingVat;
  Money totalExcludingVat;  //!< quantity times the unit price excluding VAT
  Money totalIncludingVat;  //!< quantity times the unit price including VAT
  VatRate vat = VatRate{};  //!< the rate of the price book that priced it
};

struct SheetTotals {
  Money excludingVat;
  Money includingVat;
  Money vat;  //!< the difference of the two, so that the three always agree
  //! The rate all lines share; none while the sheet is empty or its lines came from books whose
  //! rates differ.
  std::optional<VatRate> rate;
};

//! The lines, the customer and reference the dealer gave, and whether the quote has been handed
//! on (printed, saved or copied) since it last changed. Every change is checked whole before it
//! is made: one that would take an amount out of range throws OverflowError and changes nothing.
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

  const std::vector<QuoteLine>& Lines() const { return lines_; }
  const SheetTotals& Totals() const { return totals_; }
  const std::string& Customer() const { return customer_; }
  const std::string& Reference() const { return reference_; }
  bool Empty() const { return lines_.empty(); }

  //! Printed, saved or copied: closing need not ask until the sheet changes again.
  void MarkHandedOn() { handedOn_ = true; }
  //! Lines that would be lost without a word if the program ended now.
  bool HasUnsentLines() const { return !lines_.empty() && !handedOn_; }

 private:
  void Replace(std::vector<QuoteLine> lines);

  std::vector<QuoteLine> lines_;
  SheetTotals totals_;
  std::string customer_;
  std::string reference_;
  bool handedOn_ = false;
};

}  // namespace corvane
