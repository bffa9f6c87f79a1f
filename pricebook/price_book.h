// The price book: every package, cross-grade, support and other-item price the program knows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "money/money.h"
#include "money/vat.h"
#include "pricebook/effective_date.h"
#include "pricebook/table.h"

namespace corvane {

//! The vendor whose prices the built-in book holds.
inline constexpr std::string_view kBuiltInVendor = "Corvane";

//! The built-in book's telephone number, set when the program is built.
std::string_view BuiltInVendorPhone();

//! Columns of the two cross-grade tables.
enum PriceColumn : int {
  kFromColumn = 0,
  kToColumn = 1,
  kAgeBand0Column = 2,  // the base price, for the oldest traded-in package
  kAgeBand1Column = 3,
  kAgeBand2Column = 4,
};

//! All tables of the price book. Built once by FillPriceBook and read through a const reference
//! from then on; a test may build one of its own and set any entry.
struct PriceBook {
  // What the book says of itself: when its prices take effect, the VAT they carry, and whom a
  // dealer calls about a price it lacks. A book built by hand starts with the built-in book's.
  EffectiveDate effectiveDate;
  VatRate vat;
  std::string vendorName = std::string(kBuiltInVendor);
  std::string vendorPhone = std::string(BuiltInVendorPhone());
  std::optional<std::string> currency;  //!< e.g. "ZAR"; the built-in book names none

  Table<std::string, 70> PackageName;
  Table<Money, 70> PackagePrice;

  // Credit for a traded-in package, by catalogue index and age band. The start-up fill leaves
  // them all zero, so no quote depends on them today; they and the rules that read them stay for a
  // price book that credits trade-ins, which then changes rule quotes through them alone.
  Table2<Money, 70, 2> TradeInPercentA;
  Table2<Money, 70, 2> TradeInPercentB;
  Table2<Money, 70, 2> TradeInAmount;
  Table2<Money, 70, 2> TradeInPercentC;
  Table2<Money, 70, 2> TradeInPercentD;

  Table2<std::string, 200, 4> UpgradeTable;
  Table2<std::string, 200, 4> CrossGradeTable;

  Table<std::string, 100> SupportItem;
  Table<Money, 100> SupportPrice;
  Table<std::string, 100> OtherItem;
  Table<Money, 100> OtherPrice;
};

//! The start-up fill: the book's facts (28 May 2012, 14 %, the vendor), the catalogue,
//! UpgradeTable, CrossGradeTable, the support lists and the other-item lists, in that order. Throws
//! RangeError or OverflowError if the data outgrew a table.
PriceBook FillPriceBook();

}  // namespace corvane
