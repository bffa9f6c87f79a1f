// The printed price list: every price the window can show, taken from the window's own behaviour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pricebook/price_book.h"

namespace corvane {

enum class PriceKind { New, CrossGrade, Support, Other };

//! One price as the window showed it after one choice.
struct PriceListRow {
  PriceKind kind = PriceKind::New;
  std::string from;      //!< the From package, or the support contract or other item
  std::string to;        //!< the To package of a cross-grade; empty otherwise
  std::string discount;  //!< the discount text, on new-package and cross-grade rows
  std::string excludingVat;
  std::string includingVat;
  //! The first line of each warning the choice raised, joined with " | ", when it was refused.
  std::string refusal;
};

//! Drives a headless window as a dealer would: for every From package, chooses it, types the
//! discount and chooses "Nothing Selected", then each To package the list offers; then each
//! support contract and each other item in its mode. Prices use "," and "." as separators.
std::vector<PriceListRow> BuildPriceList(const PriceBook& book, std::string_view discount);

std::string_view KindName(PriceKind kind);

}  // namespace corvane
