// The printed price list: every price the window can show, from the same quote the window asks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "money/money.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane {

enum class PriceKind { New, CrossGrade, Support, Other };

//! One price as the window shows it after one choice.
struct PriceListRow {
  PriceKind kind = PriceKind::New;
  std::string from;          //!< the From package, or the support contract or other item
  std::string to;            //!< the To package of a cross-grade; empty otherwise
  std::string discount;      //!< the discount text, on new-package and cross-grade rows
  std::string excludingVat;  //!< the excluding-VAT box's text; empty on a refusal
  std::string includingVat;  //!< the including-VAT box's text; empty on a refusal
  //! The first line of each warning the choice raised, joined with " | ", when it was refused.
  std::string refusal;
  //! Each warning in full, in the order shown; empty when priced.
  std::vector<std::string> warnings;
  //! Why it was refused, in the order shown; empty when priced or when an error stopped the quote.
  std::vector<Refusal> reasons;
  Money excludingAmount;  //!< the amounts behind the two texts; zero on a refusal
  double includingAmount = 0;

  bool Refused() const { return !refusal.empty(); }
};

//! For every package the price book lists: its new price at the discount; then for every listed
//! package each one listed after it, as a cross-grade at the discount; then each support contract
//! and each other item. Price texts use the given separators, as the window does with the
//! user's, and warnings give the book's vendor telephone number.
std::vector<PriceListRow> BuildPriceList(const PriceBook& book, std::string_view discount,
                                         const Separators& separators = {});

std::string_view KindName(PriceKind kind);

}  // namespace corvane
