// Quotations to print in tests and benchmarks: every block filled, lines at two rates, one of
// them a price the book set including VAT (the Tessaline 19 support contract, 750.00 incl.).
#pragma once

#include <chrono>
#include <string>
#include <utility>

#include "quotation/amounts.h"
#include "quotation/quotation.h"

namespace corvane {

inline QuoteDate DocumentDay(int year, unsigned month, unsigned day) {
  return QuoteDate{std::chrono::year_month_day{std::chrono::year(year), std::chrono::month(month),
                                               std::chrono::day(day)}};
}

//! A line as the sheet makes it: the exact price the quote function gave, quoted by the one rule.
inline QuoteLine DocumentLine(std::string description, Money listPrice, Money exactPrice,
                              std::optional<DiscountPercent> discount, int quantity, VatRate rate) {
  QuoteLine line;
  line.description = std::move(description);
  line.subject = LineSubject{};
  line.book = BookIdentity{"Corvane", DocumentDay(2012, 5, 28)};
  line.vat = rate;
  line.listPrice = listPrice;
  line.discount = discount;
  const UnitPrice unit = QuotedUnitPrice(exactPrice, rate);
  line.basis = unit.basis;
  line.unitPrice = unit.amount;
  line.quantity = static_cast<std::int16_t>(quantity);
  line.amounts = LineAmountsOf(unit, quantity, rate);
  return line;
}

//! Q-2026-0007 rev. 2 for Bell & Sons: a discounted cross-grade and the Tessaline 19 contract at
//! 14 %, two items of a 15 % book; `extraLines` more lines alternating between the two rates.
inline Quotation TwoRateQuotation(int extraLines = 0) {
  Quotation q;
  q.number = "Q-2026-0007";
  q.revision = 2;
  q.status = QuoteStatus::Sent;
  q.date = DocumentDay(2026, 12, 9);
  q.validUntil = DocumentDay(2027, 1, 8);
  q.customer = Customer{"Bell & Sons <Pty>", "Jo Bell",         "4 Dock Street\nDurban 4001",
                        "4987654321",        "jo@bell.example", "031 555 0199"};
  q.reference = "PO-4711";
  q.dealer.companyName = "Tarn Systems";
  q.dealer.address = "12 Main Road\r\n\nCape Town 8001\n";
  q.dealer.telephone = "021 555 0100";
  q.dealer.email = "sales@tarn.example";
  q.dealer.vatNumber = "4123456789";
  q.dealer.terms = "Payment within 30 days.";
  q.dealer.paymentTerms = "30 days from invoice";
  q.dealer.bank =
      BankDetails{"Tarn Systems (Pty) Ltd", "First Bank", "GB82 WEST 1234 5698 7654 32", "250655"};
  q.currency = "ZAR";
  const VatRate low{1400};
  const VatRate high{1500};
  q.lines.push_back(DocumentLine("Cross-grade from Windows HB 1 to Windows HB 3",
                                 Money::fromInt16(1600), Money::fromInt16(1400),
                                 DiscountPercent{125'000}, 1, low));
  // 750.00 including 14 % VAT, as the book sets it: 657.8947... excluding.
  q.lines.push_back(DocumentLine("Support Contract (monthly): Tessaline 19",
                                 Money::fromTenThousandths(6'578'947),
                                 Money::fromTenThousandths(6'578'947), std::nullopt, 12, low));
  q.lines.push_back(DocumentLine("Other item Multi-Warehouse - Win.Tessaline 1 User",
                                 Money::fromInt16(3000), Money::fromInt16(3000), std::nullopt, 2,
                                 high));
  for (int i = 0; i < extraLines; ++i) {
    q.lines.push_back(
        DocumentLine("Office " + std::to_string(i) + ": Windows HB " + std::to_string(i % 9 + 1),
                     Money::fromInt16(2360), Money::fromTenThousandths(2'123'4),
                     DiscountPercent{100'000}, i % 7 + 1, i % 2 ? low : high));
  }
  q.totals = TotalsOf(q.lines);
  return q;
}

}  // namespace corvane
