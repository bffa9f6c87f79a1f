// The quotation's words: seller, number, dates, currency, lines, totals, validity and terms, and
// the dates as the quotation and the register write them.
#include <gtest/gtest.h>

#include <string>

#include <memory>

#include "sheet/quote_sheet.h"
#include "sheet/sheet_text.h"

namespace corvane {
namespace {

constexpr QuoteDate Day(int year, unsigned month, unsigned day) {
  return QuoteDate{std::chrono::year_month_day{std::chrono::year(year), std::chrono::month(month),
                                               std::chrono::day(day)}};
}

Quotation Typical() {
  auto book = std::make_unique<PriceBook>();
  book->PackageName.Set(1, "Windows HB 3");
  book->PackagePrice.Set(1, Money::fromInt16(1440));
  book->SupportItem.Set(1, "Support Contract (monthly): Tessaline 3");
  book->SupportPrice.Set(1, Money::fromDecimal("236.84"));
  book->OtherItem.Set(1, "Multi-Warehouse - Win.Tessaline 1 User");
  book->OtherPrice.Set(1, Money::fromInt16(3000));
  QuoteSheet sheet;
  for (const QuoteKind kind : {QuoteKind::NewPackage, QuoteKind::Support, QuoteKind::Other}) {
    QuoteRequest request;
    request.kind = kind;
    request.from = 1;
    request.item = 1;
    sheet.Add(*book, request);
  }
  sheet.SetQuantity(1, 12);
  sheet.SetCustomer(Customer{"Bell & Sons <Pty>", "", "", "", "", ""});
  sheet.SetDates(Day(2026, 12, 9), Day(2027, 1, 8));
  DealerDetails dealer;
  dealer.companyName = "Tarn Systems";
  dealer.address = "12 Main Road\r\n\nCape Town 8001\n";
  dealer.telephone = "021 555 0100";
  dealer.email = "sales@tarn.example";
  dealer.vatNumber = "4123456789";
  dealer.terms = "Payment within 30 days.";
  Quotation quotation = sheet.Document(dealer);
  quotation.number = "Q-2026-0007";
  return quotation;
}

TEST(SheetText, ReadsAsAQuotationFromTheSeller) {
  const Separators separators{" ", ","};
  const std::string text = SheetPlainText(Typical(), separators);
  for (const std::string expected : {
           "Quotation Q-2026-0007\n\nTarn Systems\n12 Main Road\nCape Town 8001\nTel: 021 555 "
           "0100\nE-mail: sales@tarn.example\nVAT reg. no.: 4123456789\n\n",
           "Date: 9 December 2026\nValid until: 8 January 2027\nCustomer: Bell & Sons <Pty>\n\n",
           "12 x Support Contract (monthly): Tessaline 3 at 236,84 excl. VAT (VAT 14%): 2 842,08 "
           "excl. VAT\n",
           "1 x New package Windows HB 3 at 1 440,00",
           "Total excl. VAT (ZAR): 7 282,08\nVAT 14% on 7 282,08 (ZAR): 1 019,49\nTotal incl. "
           "VAT (ZAR): 8 301,57\n",
           "Valid until 8 January 2027.\nPayment within 30 days.\n",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  }
  for (const std::string absent : {"Reference:", "subject to change", "dealer discount"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }

  const std::string html = SheetHtml(Typical(), separators);
  for (const std::string expected : {
           "<h1>Quotation Q-2026-0007</h1>",
           "<p>Tarn Systems<br>12 Main Road<br>Cape Town 8001<br>",
           "Customer: Bell &amp; Sons &lt;Pty&gt;",
           "<thead><tr><th align=\"left\">Description</th>",
           "<th align=\"right\">Amount (ZAR)</th></tr></thead>",
           "VAT 14% on 7 282,08 (ZAR)</b></td><td align=\"right\"><b>1 019,49</b>",
           "<p>Valid until 8 January 2027.</p>",
       }) {
    EXPECT_NE(html.find(expected), std::string::npos) << expected << "\nin\n" << html;
  }
}

TEST(SheetText, AnUnnumberedQuoteFromNoNamedSellerSaysSo) {
  Quotation quotation = Typical();
  quotation.number.clear();
  quotation.dealer = DealerDetails{};
  const std::string text = SheetPlainText(quotation, Separators{});
  EXPECT_EQ(text.rfind("Quotation\n\nDate: 9 December 2026\n", 0), 0u) << text;
}

TEST(QuoteDate, WritesAndReadsDates) {
  const struct {
    QuoteDate date;
    std::string text, iso;
  } cases[] = {
      {Day(2026, 12, 9), "9 December 2026", "2026-12-09"},
      {Day(2012, 5, 28), "28 May 2012", "2012-05-28"},
      {Day(2028, 2, 29), "29 February 2028", "2028-02-29"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateText(c.date), c.text);
    EXPECT_EQ(IsoDate(c.date), c.iso);
    EXPECT_EQ(ParseQuoteDate(c.iso), c.date);
  }
  for (const char* bad :
       {"", "2026-02-30", "2026-1-01", "2026/01/01", "20x6-01-01", "2026-01-011"}) {
    EXPECT_FALSE(ParseQuoteDate(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace corvane
