#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "money/errors.h"
#include "quote/look_up_cross_grade.h"
#include "quote/messages.h"
#include "quote/package_name.h"
#include "quote/quote_cross_grade.h"
#include "quote_test_support.h"

namespace corvane::testing {
namespace {

const std::string kZeph = "Windows ZEPH (Strovane)", kPip = "Windows PIPWICK";
const std::string kHB1 = "Windows HB 1", kHB2 = "Windows HB 2", kHB3 = "Windows HB 3";
const std::string kTess1 = "Windows Tessaline 1", kDravon24 = "Windows Dravon Builder 24";
const std::string kGarrowin = "Windows Garrowin Manager", kTollbane = "Windows Tollbane Manager";
const std::string kQuaymart = "Quaymart Manager AddOn", kSms = "SMS Manager AddOn";
const std::string kSame(kSamePackageMessage), kToPip(kPipwickMessage);
const std::string kRange(kDiscountRangeMessage), kNotListed = NotInDatabaseMessage(VendorPhone());
const std::string kFewer = ReductionMessage(VendorPhone());

// The catalogue index of a package name; 0 for a name the catalogue does not hold.
std::int16_t IndexOf(const std::string& name) {
  for (int i = 2; i <= FilledBook().PackageName.UpperBound(); ++i) {
    if (FilledBook().PackageName[i] == name) return static_cast<std::int16_t>(i);
  }
  return 0;
}

Lookup LookUp(const PriceBook& book, const std::string& from, const std::string& to, int age) {
  return LookUpCrossGrade(book, from, to, age);
}

// The effects the window shows for a cross-grade of two catalogue packages.
EffectLog Quoted(const std::string& from, const std::string& to, int age, std::string discount) {
  return LogOf(Price(FilledBook(),
                     CrossGrade(from, to, IndexOf(from), IndexOf(to), age, std::move(discount))));
}

TEST(LookUpCrossGrade, StatusAndPriceForPairsOfTheFilledPriceBook) {
  const std::string kDosPro = "DOS PRO Garrowin Manager";
  // clang-format off
  using enum LookupStatus;
  const struct { std::string from, to; int age; LookupStatus status; int price; } cases[] = {
      {kHB1, kHB3, 2, Found, 1600}, {kZeph, kHB1, 2, Found, 3300},  // no age-2 price
      {kDosPro, kTollbane, 2, Found, 1700},
      {"DOS CorvPLUS Garrowin Manager", kDosPro, 1, Found, 2500},
      {kGarrowin, kTollbane, 0, NotListed, 0},
      {"VAULTA Manager AddOn", "VAULTA Manager Stand-Alone", 0, NotListed, 0},
      {kDravon24, kGarrowin, 0, NotApplicable, 0}, {"", kHB1, 0, NotApplicable, 0},
      {kHB1, "Nothing", 0, NotApplicable, 0}, {kHB1, "DOS HB 2", 0, NotApplicable, 0},
      {"DOS Pro ZEPH", "DOS Garrowin 5", 0, NotApplicable, 0},
      {kHB3, kHB2, 0, FewerTerminals, 0}, {kHB2, kTess1, 0, FewerTerminals, 0},
      {kTess1, kGarrowin, 0, FewerTerminals, 0}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to + ", age " + std::to_string(c.age));
    const Lookup found = LookUp(FilledBook(), c.from, c.to, c.age);
    EXPECT_EQ(found.status, c.status);
    EXPECT_EQ(found.price, Units(c.price));
  }
}

// Which price column a matching row answers with, by its table (upgrade rows serve DOS To
// packages across families) and the selected age button; an empty cell has no price.
TEST(LookUpCrossGrade, ColumnRulesAndRowScan) {
  // clang-format off
  const struct { bool upgrade; const char *band1, *band2; int age, price; } cases[] = {
      {true, "80", "60", 0, 100}, {true, "80", "60", 1, 80}, {true, "80", "60", 2, 60},
      {true, "", "60", 2, 100}, {true, "0", "60", 1, 100},
      {false, "80", "60", 0, 100}, {false, "80", "60", 1, 80}, {false, "80", "60", 2, 60},
      {false, "80", "", 1, 80}, {false, "80", "", 2, 100}, {false, "", "", 1, 100},
      {false, "", "60", 2, 60}, {false, "0", "", 1, 0}};
  // clang-format on
  for (const auto& c : cases) {
    const std::string to = c.upgrade ? "DOS Other 2" : "Windows Other 2";
    SCOPED_TRACE(to + ": " + c.band1 + "/" + c.band2 + ", age " + std::to_string(c.age));
    auto book = std::make_unique<PriceBook>();
    auto& table = c.upgrade ? book->UpgradeTable : book->CrossGradeTable;
    for (int column = 0;
         const char* cell : {"DOS Garrowin 1", to.c_str(), "100", c.band1, c.band2}) {
      table.Set(7, column++, cell);
    }
    EXPECT_EQ(LookUp(*book, "DOS Garrowin 1", to, c.age).price, Units(c.price));
  }
  // Rows 0 to 199 are examined, and a later match wins.
  auto book = std::make_unique<PriceBook>();
  for (const auto& [row, price] : {std::pair{200, "300"}, {0, "100"}, {199, "200"}}) {
    for (int column = 0; const char* cell : {kHB1.c_str(), kHB2.c_str(), price}) {
      book->UpgradeTable.Set(row, column++, cell);
    }
    if (row == 200) {
      EXPECT_EQ(LookUp(*book, kHB1, kHB2, 0).status, LookupStatus::NotListed);
    }
  }
  EXPECT_EQ(LookUp(*book, kHB1, kHB2, 0).price, Units(200));
}

// Each kind of request, with the order of its messages and cleared boxes.
TEST(Price, QuotesAndRefusalsOfTheFilledPriceBook) {
  const struct {
    std::string from, to, discount;
    int age;
    EffectLog log;
  } cases[] = {
      {kZeph, kHB1, "0%", 0, Shown("3,300.00", "3,762.00")},
      {kZeph, kHB1, "0%", 1, Shown("3,000.00", "3,420.00")},
      {kZeph, kHB1, "10%", 0, Shown("2,970.00", "3,385.80")},
      {kHB1, kHB3, "0%", 1, Shown("1,600.00", "1,824.00")},
      {kHB1, kHB3, "10%", 0, Shown("1,440.00", "1,641.60")},
      {kHB1, kHB3, "12.5%", 0, Shown("1,400.00", "1,596.00")},
      {kHB1, kHB3, "100%", 0, Shown(".00", ".00")},
      {kTollbane, kQuaymart, "0%", 0, Shown("5,000.00", "5,700.00")},
      {kTollbane, "Warranty Rotavex module AddOn", "0%", 0, Shown("2,500.00", "2,850.00")},
      {kPip, kZeph, "0%", 0, Shown("1,700.00", "1,938.00")},
      {kPip, kZeph, "0%", 1, Shown("1,600.00", "1,824.00")},
      {kDravon24, "Windows Dravon Builder 29", "0%", 0, Shown("6,000.00", "6,840.00")},
      {"Windows Dravon Builder 99", "Windows Dravon Builder 140", "0%", 0,
       Shown("50,000.00", "57,000.00")},
      {kTess1, kDravon24, "0%", 1, Shown("32,500.00", "37,050.00")},  // no age-1 price
      {"DOS PRO Garrowin Manager", kGarrowin, "0%", 1, Shown("1,800.00", "2,052.00")},
      {kDravon24, kZeph, "0%", 0, Shown("2,200.00", "2,508.00")},  // Strovane: fewer is allowed
      {kHB1, kHB1, "0%", 0, ClearThenWarn(kSame)},
      {kHB1, kPip, "0%", 0, ClearThenWarn(kToPip)},
      {kGarrowin, kTollbane, "0%", 0, ClearThenWarn(kNotListed)},
      {kDravon24, kSms, "0%", 0, WarnThenClear(kFewer)},
      {kHB3, kHB2, "0%", 0, WarnThenClear(kFewer)},
      {kHB2, kTess1, "0%", 0, WarnThenClear(kFewer)},
      {kHB1, kHB3, "150%", 0, ClearThenWarn(kRange)},
      {kHB1, kHB3, "-5%", 0, ClearThenWarn(kRange)},
      {kTollbane, kQuaymart, "1e999%", 0, ClearThenWarn(kRange)},
      // A pair refused for a reason of its own shows only that refusal.
      {kHB1, kHB1, "150%", 0, ClearThenWarn(kSame)},
      {kGarrowin, kTollbane, "150%", 0, ClearThenWarn(kNotListed)},
      {kHB2, kTess1, "150%", 0, WarnThenClear(kFewer)},
      {kDravon24, kSms, "150%", 0, WarnThenClear(kFewer)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to + " at " + c.discount + ", age " + std::to_string(c.age));
    EXPECT_EQ(Quoted(c.from, c.to, c.age, c.discount), c.log);
  }
}

TEST(Price, NewPackagesSupportContractsAndOtherItems) {
  const auto request = [](QuoteKind kind, std::int16_t index, std::optional<std::string> discount) {
    QuoteRequest r;
    r.kind = kind;
    r.fromIndex = index;
    r.item = index;
    r.discountText = std::move(discount);
    return r;
  };
  using enum QuoteKind;
  const struct {
    QuoteRequest request;
    EffectLog log;
  } cases[] = {{request(NewPackage, IndexOf(kPip), "15%"), Shown("670.31", "764.15")},
               {request(NewPackage, IndexOf(kHB1), "5%"), Shown("3,990.00", "4,548.60")},
               {request(NewPackage, IndexOf(kHB1), std::nullopt), Shown("4,200.00", "4,788.00")},
               {request(NewPackage, IndexOf(kHB1), "abc"), Shown("4,200.00", "4,788.00")},
               {request(NewPackage, IndexOf(kHB1), "150%"), ClearThenWarn(kRange)},
               {request(Support, 1, std::nullopt), Shown("184.21", "210.00")},
               {request(Other, 1, std::nullopt), Shown("3,000.00", "3,420.00")},
               {request(Support, 0, std::nullopt), Shown(".00", ".00")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.request.kind) * 100 + c.request.item);
    EXPECT_EQ(LogOf(Price(FilledBook(), c.request)), c.log);
  }
  for (QuoteKind kind : {Support, Other}) {
    EXPECT_THROW(Price(FilledBook(), request(kind, 101, std::nullopt)), RangeError);
  }
  EXPECT_THROW(Price(FilledBook(), request(NewPackage, 71, "0%")), RangeError);
  // The separators reach both texts.
  QuoteRequest german = request(NewPackage, IndexOf(kHB1), "0%");
  german.separators = {".", ","};
  EXPECT_EQ(LogOf(Price(FilledBook(), german)), Shown("4.200,00", "4.788,00"));
}

TEST(Price, MessagesNothingSelectedAndErrors) {
  const std::string referral =
      "\r\n\r\nRefer to the printed Corvane Price List or contact Corvane on " +
      std::string(VendorPhone()) + ".";
  EXPECT_EQ(kNotListed, "SORRY! THAT PRICE IS NOT IN THE DATABASE." + referral);
  EXPECT_EQ(kFewer, "YOU MAY NOT REDUCE THE NUMBER OF TERMINALS." + referral);

  QuoteRequest nothing = CrossGrade(kHB1, "Nothing Selected", 4, 0);
  for (int position : {0, -1}) {
    nothing.toListPosition = position;
    EXPECT_EQ(Price(FilledBook(), nothing).outcome, Quote::Outcome::Unchanged);
  }
  for (const auto& [from, to] : {std::pair{23, 71}, {23, -1}, {71, 24}}) {
    const auto fromIndex = static_cast<std::int16_t>(from), toIndex = static_cast<std::int16_t>(to);
    EXPECT_THROW(Price(FilledBook(), CrossGrade(kTollbane, kQuaymart, fromIndex, toIndex)),
                 RangeError);
  }
  EXPECT_THROW(Price(FilledBook(), CrossGrade(kHB1, "Windows HB 40000", 4, 8)), OverflowError);
}

// Trade-in credits for package 10 (new price 2000.00): the percentages A 10, B 20, C 30 and D 40
// and the amount 500.00, each 1 percent or 100.00 more per age band.
std::unique_ptr<PriceBook> TradeInBook() {
  auto book = std::make_unique<PriceBook>();
  book->PackagePrice.Set(10, Units(2000));
  for (int band = 0; band <= 2; ++band) {
    book->TradeInPercentA.Set(10, band, Units(10 + band));
    book->TradeInPercentB.Set(10, band, Units(20 + band));
    book->TradeInPercentC.Set(10, band, Units(30 + band));
    book->TradeInPercentD.Set(10, band, Units(40 + band));
    book->TradeInAmount.Set(10, band, Units(500 + 100 * band));
  }
  return book;
}

TEST(TradeInValue, EachRuleOfTheRuleTable) {
  const auto book = TradeInBook();
  // clang-format off
  const struct { const char* from; std::int16_t toIndex; int band, credit; } cases[] = {
      {"Other", 1, 0, 200}, {"Other", 5, 2, 240}, {"Other", 11, 1, 220},      // percentage A
      {"Other", 12, 0, 400}, {"Other", 12, 1, 500},                           // amount - 100
      {"ZEPH", 13, 0, 200}, {"ZEPH", 17, 2, 700},                             // amount (- 300)
      {"Other", 13, 0, 600}, {"Other", 17, 1, 620},                           // percentage C
      {"ZEPH", 18, 0, 250}, {"ZEPH", 31, 1, 600},                             // amount (- 250)
      {"Hobbleda", 18, 0, 700}, {"Hobbleda", 31, 1, 920},                     // C + 5, C + 15
      {"Tessa", 20, 0, 900}, {"Tessa", 20, 2, 940},                           // D + 5
      {"Other", 18, 0, 400}, {"Other", 31, 1, 420},                           // percentage B
      {"ZEPH Hobbleda Tessa", 25, 0, 250}, {"Hobbleda Tessa", 25, 0, 700},    // first test holds
      {"DOS Pro ZEPH", 32, 0, 200}, {"DOS Pro ZEPH", 32, 1, 300},             // amount - 300
      {"ZEPH", 32, 0, 500}, {"Other", 32, 2, 700},                            // amount
      {"Other", 33, 0, 600}, {"Other", 37, 2, 640},                           // percentage C
      {"Other", 38, 0, 800}, {"Other", 50, 1, 820},                           // percentage D
      {"Other", 0, 0, 2000}, {"Other", 51, 1, 2000}, {"Other", 70, 2, 2000}}; // the new price
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + std::to_string(c.toIndex) + ", band " +
                 std::to_string(c.band));
    EXPECT_EQ(TradeInValue(*book, c.from, 10, c.toIndex, c.band), Units(c.credit));
  }
  // A percentage credit is rounded to the cent, exact halves to even: 1 % of 12.50 and of 37.50.
  book->PackagePrice.Set(11, Dec("12.50"));
  book->PackagePrice.Set(12, Dec("37.50"));
  book->TradeInPercentA.Set(11, 0, Units(1));
  book->TradeInPercentA.Set(12, 0, Units(1));
  EXPECT_EQ(TradeInValue(*book, "Other", 11, 5, 0), Dec("0.12"));
  EXPECT_EQ(TradeInValue(*book, "Other", 12, 5, 0), Dec("0.38"));
  EXPECT_THROW(TradeInValue(*book, "Other", 71, 5, 0), RangeError);
}

// Pairs the tables do not serve (no space in a name, or a DOS package into Windows) are priced by
// the rules: the To package's new price less the credit for package 10, then the discount.
TEST(QuoteCrossGrade, RuleQuotesCreditTheTradeIn) {
  const auto book = TradeInBook();
  book->PackagePrice.Set(24, Units(5000));
  book->PackagePrice.Set(32, Units(2500));
  book->PackagePrice.Set(51, Units(9000));
  const struct {
    std::string from, to;
    std::int16_t toIndex;
    int age;
    std::string discount;
    EffectLog log;
  } cases[] = {
      {"Hobbledale", "Quaymart", 24, 1, "0%", Shown("4,080.00", "4,651.20")},  // 46 % credited
      {"Hobbledale", "Quaymart", 24, 1, "10%", Shown("3,672.00", "4,186.08")},
      {"DOS Pro ZEPH", "Windows Warranty", 32, 0, "0%", Shown("2,300.00", "2,622.00")},
      {"Tollbane", "Other", 51, 0, "0%", Shown("7,000.00", "7,980.00")},  // price difference
      // Fewer terminals are refused unless a name lacks a space or the To package is Strovane.
      {"Windows Tollbane 5", "Windows Other 2", 24, 0, "0%", WarnThenClear(kFewer)},
      {"5", "Windows Other 2", 24, 0, "0%", Shown("4,600.00", "5,244.00")},
      {"Windows Tollbane 5", "Windows zeph (strovane)", 24, 0, "0%",
       Shown("4,600.00", "5,244.00")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to + " at " + c.discount);
    EXPECT_EQ(LogOf(Price(*book, CrossGrade(c.from, c.to, 10, c.toIndex, c.age, c.discount))),
              c.log);
  }
  // No discount leaves a quote in fractions of a cent as it is, for the display to round.
  book->TradeInAmount.Set(10, 0, Dec("0.015"));
  const Quote quote = Price(*book, CrossGrade("Other", "Warranty", 10, 32));
  EXPECT_EQ(LogOf(quote), Shown("2,499.99", "2,849.98"));
  EXPECT_EQ(quote.price.excludingVat, Dec("2499.985"));
}

TEST(PackageName, FamilyAndTerminalCount) {
  EXPECT_EQ(PackageFamily("Windows ZEPH (Strovane)"), "Windows ZEPH");
  EXPECT_EQ(PackageFamily("Nothing"), "");
  EXPECT_EQ(LastSpacePosition("Windows HB 3"), 11u);
  // clang-format off
  const std::pair<const char*, int> counts[] = {
      {"Windows Tessaline 14", 14}, {"Windows Dravon Builder 140", 140}, {"HB 3.5", 4},
      {"Windows ZEPH (Strovane)", 0}, {"SMS Manager AddOn", 0}, {"22", 22}, {"HB 2.5", 2},
      {"HB 32767", 32767}, {"HB -32768", -32768}};
  // clang-format on
  for (const auto& [name, count] : counts) {
    SCOPED_TRACE(name);
    EXPECT_EQ(TerminalCount(name), count);
  }
  for (const char* name : {"Windows HB 40000", "HB 32768", "HB -32769", "HB 1e999"}) {
    EXPECT_THROW(TerminalCount(name), OverflowError) << name;
  }
}

}  // namespace
}  // namespace corvane::testing
