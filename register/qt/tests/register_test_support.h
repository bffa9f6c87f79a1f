// A quotation of many lines, as the tests and the writer keep it.
#pragma once

#include <string>

#include "sheet/quote_sheet.h"

namespace corvane {

inline Quotation TestQuotation(int lines) {
  QuoteSheet sheet;
  for (int i = 0; i < lines; ++i) {
    sheet.Add(PricedItem{"Line " + std::to_string(i),
                         ShownPrice{Money::fromDecimal("236.84"), 0, "", ""}});
  }
  if (lines > 0) sheet.SetQuantity(0, 12);
  sheet.SetCustomer("Bell & Sons");
  const QuoteDate day{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::December,
                                                  std::chrono::day(9)}};
  sheet.SetDates(day, day + std::chrono::days(30));
  DealerDetails dealer;
  dealer.companyName = "Tarn Systems";
  dealer.address = "12 Main Road\nCape Town";
  return sheet.Document(dealer, QuoteTerms{"14%", "ZAR", "28 May 2012", "(011) 555-0100"});
}

}  // namespace corvane
