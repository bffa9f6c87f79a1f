// The printed price list: every price the window can show, from the same quote the window asks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pricebook/price_book.h"

namespace corvane {

enum class PriceKind { New, CrossGrade, Support, Other };

//! One price as the window shows it after one choice.
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

//! For every package of the From list: its new price at the discount, then each To package the
//! window's To list offers for it; then each support contract and each other item. Prices use ","
//! and "." as separators.
std::vector<PriceListRow> BuildPriceList(const PriceBook& book, std::string_view discount);

std::string_view KindName(PriceKind kind);

}  // namespace corvane
