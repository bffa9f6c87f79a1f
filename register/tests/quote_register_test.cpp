// Quote numbers, the values schema 1 kept as text, and the register's JSON document: what it
// writes reads back the same, and every kind of fault is named with its place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quotation/amounts.h"
#include "register/quote_register.h"
#include "register/register_json.h"
#include "register/version1.h"

namespace corvane {
namespace {

TEST(QuoteNumber, IsThePrefixTheYearAndTheSerial) {
  const struct {
    std::string prefix;
    int year;
    std::int64_t serial;
    std::string number;
  } cases[] = {
      {"Q-", 2026, 1, "Q-2026-0001"},
      {"TS/", 2027, 9999, "TS/2027-9999"},
      {"", 2026, 12345, "2026-12345"},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteNumber(c.prefix, c.year, c.serial), c.number);
}

TEST(Version1, ReadsTheRateAndTheBookDateOrNothing) {
  EXPECT_EQ(Version1Rate("14%"), VatRate{1400});
  EXPECT_EQ(Version1Rate("12.5%"), VatRate{1250});
  EXPECT_EQ(Version1Rate("0%"), VatRate{0});
  for (const char* bad : {"", "14", "%", "fourteen%", "-1%", "101%", "14.555%", "1e1%"}) {
    EXPECT_FALSE(Version1Rate(bad)) << bad;
  }
  const QuoteDate may28{
      std::chrono::year_month_day{std::chrono::year(2012), std::chrono::May, std::chrono::day(28)}};
  EXPECT_EQ(Version1BookDate("28 May 2012"), may28);
  EXPECT_EQ(Version1BookDate("2012-05-28"), may28);
  for (const char* bad : {"", "28 Mai 2012", "31 February 2012", "May 2012", "x 28 May 2012"}) {
    EXPECT_FALSE(Version1BookDate(bad)) << bad;
  }
}

TEST(Version1, ALineWithAPriceSetIncludingVatIsQuotedAtWhatTheCustomerPays) {
  // 750.00 incl. VAT at 14 %, kept as 657.8947 excl.; 12 of them 7,894.74 + 1,105.26.
  const QuoteLine line = Version1Line("Support", 12, Money::fromTenThousandths(6578947),
                                      Money::fromTenThousandths(78947400),
                                      Money::fromTenThousandths(90000000), VatRate{1400}, {});
  EXPECT_EQ(line.basis, PriceBasis::IncludingVat);
  EXPECT_EQ(line.unitPrice, Money::fromTenThousandths(7500000));
  EXPECT_EQ(line.amounts.vat, Money::fromTenThousandths(11052600));
}

Quotation Sample() {
  Quotation q;
  q.number = "Q-2026-0007";
  q.revision = 2;
  q.status = QuoteStatus::Accepted;
  q.statusDate = QuoteDate{std::chrono::days(20500)};
  q.date = QuoteDate{std::chrono::days(20490)};
  q.validUntil = q.date + std::chrono::days(30);
  q.customer = Customer{"Müller GmbH", "Jörg", "Hauptstraße 1\nBerlin", "DE1", "j@m.de", "+49"};
  q.reference = "PO-4711";
  q.currency = "ZAR";
  q.dealer.bank.account = "DE89370400440532013000";
  for (int rate : {1400, 1500}) {
    QuoteLine line;
    line.description = "Cross-grade";
    line.subject = LineSubject{QuoteKind::CrossGrade, "Windows HB 1", "Windows HB 3", "", 0};
    line.vat = VatRate{rate};
    line.listPrice = Money::fromTenThousandths(6578947);
    line.discount = DiscountPercent{125'000};
    const UnitPrice unit = QuotedUnitPrice(line.listPrice, line.vat);
    line.basis = unit.basis;
    line.unitPrice = unit.amount;
    line.quantity = 12;
    line.amounts = LineAmountsOf(unit, 12, line.vat);
    line.earlierUnitPrice = Money::fromTenThousandths(10000);
    q.lines.push_back(line);
  }
  q.totals = TotalsOf(q.lines);
  return q;
}

TEST(RegisterJson, ReadsBackWhatItWrites) {
  const std::vector<Quotation> quotes = {Sample(), Quotation{}};
  EXPECT_EQ(QuotationsOfJson(RegisterJson(quotes)), quotes);
  EXPECT_EQ(QuotationOfJson(QuotationJson(Sample())), Sample());
  EXPECT_EQ(DecimalText(Money::fromTenThousandths(-500)), "-0.05");
  EXPECT_EQ(DecimalText(Money::fromTenThousandths(6578947)), "657.8947");
  EXPECT_EQ(DecimalText(Money::fromTenThousandths(90000000)), "9000.00");
}

TEST(RegisterJson, NamesTheFirstFaultAndItsPlace) {
  const std::string good = RegisterJson({Sample()});
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    std::string fault;
  } cases[] = {
      {"{", "not JSON"},
      {"[]", "document: not an object"},
      {replaced("\"version\": 1", "\"version\": 2"), "version: 2,"},
      {replaced("\"version\": 1", "\"version\": \"1\""), "document.version: not a whole number"},
      {replaced("\"corvane-register\"", "\"other\""), "format:"},
      {replaced("\"quantity\": 12", "\"quantity\": \"12\""), "quotes[0].lines[0].quantity:"},
      {replaced("\"quantity\": 12", "\"quantity\": 1000"), "quotes[0].lines[0].quantity: out"},
      {replaced("\"unitPrice\": \"750.00\"", "\"unitPrice\": \"750,00\""),
       "quotes[0].lines[0].unitPrice: not an amount"},
      {replaced("\"date\": \"", "\"date\": \"2026-02-30"), "quotes[0].date: not a date"},
      {replaced("\"includingVat\": \"18078.96\"", "\"includingVat\": \"18078.97\""),
       "quotes[0].totals.includingVat: is not the sum"},
      {replaced("\"reference\": \"PO-4711\",", ""), "quotes[0].reference: missing"},
  };
  for (const auto& c : cases) {
    try {
      QuotationsOfJson(c.text);
      ADD_FAILURE() << "read: " << c.fault;
    } catch (const RegisterFileError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.fault, 0), 0u) << error.what();
    }
  }
}

TEST(RegisterJson, RefusesAMillionQuotesBeforeReadingThem) {
  std::string text = R"({"format": "corvane-register", "version": 1, "quotes": [)";
  for (int i = 0; i < 1'000'000; ++i) text += i ? ",{}" : "{}";
  text += "]}";
  try {
    QuotationsOfJson(text);
    ADD_FAILURE() << "read";
  } catch (const RegisterFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("quotes: 1000000 quotes", 0), 0u) << error.what();
  }
}

}  // namespace
}  // namespace corvane
