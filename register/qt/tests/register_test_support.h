// Quotations as the tests and the writer keep them, and the registers the suite runs against.
#pragma once

#include <chrono>
#include <string>

#include "quotation/amounts.h"
#include "quotation/quotation.h"

namespace corvane {

inline QuoteDate TestDay(int year, unsigned month, unsigned day) {
  return QuoteDate{std::chrono::year_month_day{std::chrono::year(year), std::chrono::month(month),
                                               std::chrono::day(day)}};
}

//! A quote of `lines` lines at two rates: whole-cent prices quoted excl. VAT and a price the book
//! set incl. VAT, with a subject, a book and a discount.
inline Quotation TestQuotation(int lines, std::string customer = "Bell & Sons") {
  Quotation q;
  q.date = TestDay(2026, 12, 9);
  q.validUntil = q.date + std::chrono::days(30);
  q.customer = Customer{std::move(customer), "Ann Bell",         "1 Long Street\nCape Town",
                        "4001234567",        "ann@bell.example", "(021) 555-0199"};
  q.reference = "PO-4711";
  q.currency = "ZAR";
  q.dealer.companyName = "Tarn Systems";
  q.dealer.address = "12 Main Road\nCape Town";
  q.dealer.paymentTerms = "30 days from invoice";
  q.dealer.bank = BankDetails{"Tarn Systems", "First Bank", "62001234567", "250655"};
  for (int i = 0; i < lines; ++i) {
    QuoteLine line;
    line.description = "Cross-grade Windows HB 1 to Windows HB " + std::to_string(i % 3 + 2);
    line.subject = LineSubject{QuoteKind::CrossGrade, "Windows HB 1",
                               "Windows HB " + std::to_string(i % 3 + 2), "", 0};
    line.book = BookIdentity{"Tessaline", i % 2 ? TestDay(2012, 5, 28) : TestDay(2013, 3, 1)};
    line.vat = VatRate{i % 2 ? 1400 : 1500};
    line.listPrice = Money::fromTenThousandths(i % 4 == 3 ? 6578947 : 2368400 + 10000 * i);
    if (i % 5 == 1) line.discount = DiscountPercent{125'000};
    const UnitPrice unit = QuotedUnitPrice(line.listPrice, line.vat);
    line.basis = unit.basis;
    line.unitPrice = unit.amount;
    line.quantity = static_cast<std::int16_t>(i == 0 ? 12 : i % 999 + 1);
    line.amounts = LineAmountsOf(unit, line.quantity, line.vat);
    q.lines.push_back(line);
  }
  q.totals = TotalsOf(q.lines);
  return q;
}

}  // namespace corvane
