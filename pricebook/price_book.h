// The price book: every package, cross-grade, support and other-item price the program knows.
#pragma once

#include <string>

#include "money/money.h"
#include "pricebook/table.h"

namespace corvane {

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

//! The start-up fill: the catalogue, UpgradeTable, CrossGradeTable, the support lists and the
//! other-item lists, in that order. Throws RangeError or OverflowError if the data outgrew a table.
PriceBook FillPriceBook();

}  // namespace corvane
