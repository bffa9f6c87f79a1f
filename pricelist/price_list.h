// The printed price list: every price the window can show, from the same quote the window asks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "money/money.h"
#include "money/vat.h"
#include "pricebook/effective_date.h"
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

//! Which cross-grades a list holds: those with a price, or every pair of listed packages.
enum class Moves { Priced, All };

//! What a list says about itself in its title: whose list, which book and on what terms.
struct PriceListTitle {
  std::string dealer;  //!< the dealer's company name; empty when none is given
  EffectiveDate effective;
  std::string currency;  //!< the book's, or "ZAR" for a book that names none
  VatRate vat;
  std::string discount;  //!< as typed
};

//! The cross-grades a list leaves out for one reason the window refuses them.
struct LeftOutMoves {
  Refusal reason = Refusal::SamePackage;
  int count = 0;
};

struct PriceList {
  PriceListTitle title;
  std::vector<PriceListRow> rows;
  //! With Moves::Priced, the moves never priced, by reason in the order of Refusal; else empty.
  std::vector<LeftOutMoves> leftOut;
  std::string vendorPhone;  //!< the book's, for the note on what is left out
  Separators separators;    //!< those the price texts are in, for the list's own numbers too
};

//! For every package the price book lists: its new price at the discount; then for every listed
//! package each one listed after it, as a cross-grade at the discount; then each support contract
//! and each other item. Price texts use the given separators, as the window does with the
//! user's, and warnings give the book's vendor telephone number. With Moves::Priced a
//! cross-grade the window refuses for what the move is (to the same package, to PIPWICK, to
//! fewer terminals, not in the book's tables) is left out and counted; one refused only for the
//! discount, or by an error, stays, since it says something the dealer must know.
PriceList BuildPriceList(const PriceBook& book, std::string_view discount,
                         const Separators& separators = {}, Moves moves = Moves::Priced);

//! One paragraph saying which moves the list leaves out and why, in the window's words; empty
//! when it leaves none out.
std::string LeftOutNote(const PriceList& list);

//! "Corvane Price List", then "for DEALER" when a dealer is named.
std::string TitleText(const PriceListTitle& title);

//! "Prices effective 28 May 2012, in ZAR, VAT 14%. Dealer discount on new packages and
//! cross-grades: 10%", the VAT rate in the list's separators ("12,5%").
std::string TermsText(const PriceList& list);

std::string_view KindName(PriceKind kind);

}  // namespace corvane
