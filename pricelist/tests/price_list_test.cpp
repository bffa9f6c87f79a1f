#include "pricelist/price_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "pricelist/price_list_csv.h"
#include "pricelist/price_list_text.h"
#include "quote/messages.h"

namespace corvane {
namespace {

using Record = std::vector<std::string>;

// Splits RFC 4180 text into records of fields, so the tests read the CSV as any reader would.
std::vector<Record> ParseCsv(const std::string& text) {
  std::vector<Record> records(1, Record(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        records.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        records.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      records.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      records.emplace_back(1);
      ++i;
    } else {
      records.back().back() += c;
    }
  }
  if (records.back() == Record(1)) records.pop_back();
  return records;
}

std::string WithoutCommas(std::string text) {
  std::erase(text, ',');
  return text;
}

class PriceListCsv : public ::testing::Test {
 protected:
  // Every pair of packages by default, as --all-moves lists them: the moves never priced too.
  static std::vector<Record> Csv(const std::string& discount, Moves moves = Moves::All) {
    std::ostringstream out;
    WriteCsv(BuildPriceList(FillPriceBook(), discount, {}, moves), out);
    return ParseCsv(out.str());
  }

  // The record for (kind, from, to); fails the test when there is not exactly one.
  static Record Find(const std::vector<Record>& csv, const std::string& kind,
                     const std::string& from, const std::string& to = "") {
    std::vector<Record> found;
    for (const Record& record : csv) {
      if (record.size() == 9 && record[0] == kind && record[1] == from && record[2] == to) {
        found.push_back(record);
      }
    }
    EXPECT_EQ(found.size(), 1u) << kind << " " << from << " -> " << to;
    return found.empty() ? Record(9) : found.front();
  }
};

TEST_F(PriceListCsv, HasTheHeaderAndOneRowPerPriceInListOrder) {
  const std::vector<Record> csv = Csv("0%");
  ASSERT_EQ(csv.size(), 555u);
  EXPECT_EQ(csv[0], (Record{"kind", "from", "to", "discount", "excl_vat", "incl_vat", "refusal",
                            "excl_vat_amount", "incl_vat_amount"}));
  std::map<std::string, int> kinds;
  for (std::size_t i = 1; i < csv.size(); ++i) {
    ASSERT_EQ(csv[i].size(), 9u) << "row " << i;
    ++kinds[csv[i][0]];
  }
  EXPECT_EQ(kinds, (std::map<std::string, int>{
                       {"new", 31}, {"crossgrade", 465}, {"support", 36}, {"other", 22}}));
  // Rows come in the order new, crossgrade, support, other.
  EXPECT_EQ(csv[1][0], "new");
  EXPECT_EQ(csv[32][0], "crossgrade");
  EXPECT_EQ(csv[497][0], "support");
  EXPECT_EQ(csv[533][0], "other");
  EXPECT_EQ(csv[1][1], "Windows PIPWICK");
  EXPECT_EQ(csv[32][1], "Windows PIPWICK");
  EXPECT_EQ(csv[32][2], "Windows ZEPH (Strovane)");
  EXPECT_EQ(csv[554][1], "Convert Foreign Data files to Corvane (per ledger)");
}

TEST_F(PriceListCsv, AgreesWithTheWindowsPrices) {
  const std::vector<Record> csv = Csv("0%");
  const std::string notListed = "SORRY! THAT PRICE IS NOT IN THE DATABASE.";
  const std::string reduction = "YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.";
  const std::vector<
      std::tuple<std::string, std::string, std::string, std::string, std::string, std::string>>
      cases = {
          {"new", "Windows HB 1", "", "4,200.00", "4,788.00", ""},
          {"new", "Windows PIPWICK", "", "788.60", "899.00", ""},
          {"crossgrade", "Windows ZEPH (Strovane)", "Windows HB 1", "3,300.00", "3,762.00", ""},
          {"crossgrade", "Windows HB 1", "Windows HB 3", "1,600.00", "1,824.00", ""},
          {"crossgrade", "Windows Tollbane Manager", "Quaymart Manager AddOn", "5,000.00",
           "5,700.00", ""},
          {"crossgrade", "Windows Tollbane Manager", "Warranty Rotavex module AddOn", "2,500.00",
           "2,850.00", ""},
          // Moves within the Dravon tier are quoted.
          {"crossgrade", "Windows Dravon Builder 24", "Windows Dravon Builder 29", "6,000.00",
           "6,840.00", ""},
          {"crossgrade", "Windows Dravon Builder 99", "Windows Dravon Builder 140", "50,000.00",
           "57,000.00", ""},
          // A reduction found by the lookup raises its own warning and no other.
          {"crossgrade", "Windows HB 2", "Windows Tessaline 1", "", "", reduction},
          {"crossgrade", "Windows Dravon Builder 24", "SMS Manager AddOn", "", "", reduction},
          {"crossgrade", "Windows Garrowin Manager", "Windows Tollbane Manager", "", "", notListed},
          {"crossgrade", "Windows HB 1", "Windows Tessaline 19", "", "", notListed},
          {"support", "Support Contract (monthly): Tessaline 1", "", "184.21", "210.00", ""},
          {"support", "Support Contract (monthly): Garrowin (Pro DOS)", "", "70.18", "80.00", ""},
          {"other", "Multi-Warehouse - Win.Tessaline 1 User", "", "3,000.00", "3,420.00", ""},
      };
  for (const auto& [kind, from, to, excluding, including, refusal] : cases) {
    SCOPED_TRACE(kind + " " + from + " -> " + to);
    const Record record = Find(csv, kind, from, to);
    EXPECT_EQ(record[3], kind == "new" || kind == "crossgrade" ? "0%" : "");
    EXPECT_EQ(record[4], excluding);
    EXPECT_EQ(record[5], including);
    EXPECT_EQ(record[6], refusal);
    // The amounts columns hold the same amounts as plain decimals, and nothing on a refusal.
    EXPECT_EQ(record[7], WithoutCommas(excluding));
    EXPECT_EQ(record[8], WithoutCommas(including));
  }
}

// By default a cross-grade the window never prices is left out, and one note, the last record,
// counts them by reason in the window's words; every other row is the full list's, in its order.
TEST_F(PriceListCsv, ListsOnlyMovesThatCanBePricedWithOneNoteOnTheRest) {
  for (const std::string discount : {"0%", "10%", "150%"}) {
    SCOPED_TRACE(discount);
    const std::vector<Record> all = Csv(discount);
    const std::vector<Record> priced = Csv(discount, Moves::Priced);
    const std::vector<std::pair<std::string, std::string>> moveRefusals = {
        {"to fewer terminals", "YOU MAY NOT REDUCE THE NUMBER OF TERMINALS."},
        {"pairs the price tables hold no price for", "SORRY! THAT PRICE IS NOT IN THE DATABASE."},
    };
    std::vector<Record> kept;
    std::map<std::string, int> leftOut;
    for (const Record& record : all) {
      const bool neverPriced =
          record[0] == "crossgrade" && std::ranges::any_of(moveRefusals, [&](const auto& refusal) {
            return record[6].find(refusal.second) != std::string::npos;
          });
      if (neverPriced) {
        ++leftOut[record[6]];
      } else {
        kept.push_back(record);
      }
    }
    ASSERT_EQ(priced.size(), kept.size() + 1);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), priced.begin()));
    const Record& note = priced.back();
    ASSERT_EQ(note.size(), 9u);
    EXPECT_EQ(note[0], "note");
    int total = 0;
    for (const auto& [moves, warning] : moveRefusals) {
      const int count = leftOut[warning];
      total += count;
      EXPECT_NE(note[6].find(moves + " (" + std::to_string(count) + "): \"" + warning + "\""),
                std::string::npos)
          << note[6];
    }
    EXPECT_EQ(note[6].find(std::to_string(total) + " cross-grades are not listed"), 0u) << note[6];
    if (discount == "0%") {
      EXPECT_EQ(total, 283);
      // What is left is priced, every row of it.
      for (const Record& record : priced) {
        if (record[0] == "crossgrade") {
          EXPECT_EQ(record[6], "") << record[1] << " " << record[2];
        }
      }
    }
  }
  // The full matrix has no note.
  EXPECT_NE(Csv("0%").back()[0], "note");
}

TEST_F(PriceListCsv, AppliesTheDiscountAndRefusesOneOutOfRange) {
  const std::vector<Record> discounted = Csv("10%");
  EXPECT_EQ(Find(discounted, "crossgrade", "Windows HB 1", "Windows HB 3")[4], "1,440.00");
  EXPECT_EQ(Find(discounted, "crossgrade", "Windows ZEPH (Strovane)", "Windows HB 1")[5],
            "3,385.80");
  EXPECT_EQ(Find(Csv("15%"), "new", "Windows PIPWICK")[4], "670.31");
  // Item prices carry no discount.
  EXPECT_EQ(Find(discounted, "other", "Multi-Warehouse - Win.Tessaline 1 User")[4], "3,000.00");

  const std::vector<Record> refused = Csv("150%");
  const std::string range(kDiscountRangeMessage);
  for (const Record& record : refused) {
    if (record[0] != "new" && record[0] != "crossgrade") continue;
    SCOPED_TRACE(record[1] + " -> " + record[2]);
    EXPECT_EQ(record[3], "150%");
    EXPECT_EQ(record[4], "");
    EXPECT_EQ(record[5], "");
    // A pair refused for its own reason shows that refusal only.
    EXPECT_TRUE(record[6] == range || record[6].find("DISCOUNT") == std::string::npos) << record[6];
  }
  EXPECT_EQ(Find(refused, "crossgrade", "Windows HB 1", "Windows HB 3")[6], range);
  EXPECT_EQ(Find(refused, "crossgrade", "Windows HB 2", "Windows Tessaline 1")[6],
            "YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.");
}

PriceListRow ItemRow(std::string from, std::string to, std::string excluding, Money amount,
                     double including) {
  PriceListRow row;
  row.kind = PriceKind::Other;
  row.from = std::move(from);
  row.to = std::move(to);
  row.excludingVat = std::move(excluding);
  row.includingVat = std::string(1, '-');  // not "-": GCC 12 at -O2 warns of a bogus overlap
  row.excludingAmount = amount;
  row.includingAmount = including;
  return row;
}

PriceList ListOf(const PriceListRow& row) {
  PriceList list;
  list.rows = {row};
  return list;
}

TEST(PriceListCsvQuoting, QuotesCommasQuotesAndLineBreaks) {
  const PriceListRow row = ItemRow("a \"b\", c", "x\r\ny", "1,000.00", Money::fromInt16(1000), 0.5);
  std::ostringstream out;
  WriteCsv(ListOf(row), out);
  const std::vector<Record> records = ParseCsv(out.str());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1],
            (Record{"other", "a \"b\", c", "x\r\ny", "", "1,000.00", "'-", "", "1000.00", "0.50"}));
}

// A spreadsheet reads a cell that starts with = + - @ or a tab or carriage return as a formula;
// such text cells keep an apostrophe in front. The amounts columns are numbers and stay so.
TEST(PriceListCsvQuoting, NoTextCellStartsLikeAFormula) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
      {"+1", "'+1"},
      {"-5%", "'-5%"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\t=1", "'\t=1"},
      {"\r=1", "'\r=1"},
      {"1=1", "1=1"},
      {"", ""}};
  for (const auto& [text, cell] : cases) {
    PriceListRow row = ItemRow(text, text, text, Money{} - Money::fromDecimal("1234.565"), -0.004);
    row.discount = text;
    std::ostringstream out;
    WriteCsv(ListOf(row), out);
    const std::vector<Record> records = ParseCsv(out.str());
    ASSERT_EQ(records.size(), 2u) << text;
    EXPECT_EQ(records[1], (Record{"other", cell, cell, cell, cell, "'-", "", "-1234.57", "0.00"}))
        << text;
  }
}

TEST(PriceListCsvQuoting, LeavesTheAmountsEmptyOnARefusal) {
  PriceListRow row = ItemRow("Item", "", "", Money{}, 0);
  row.refusal = "-REFUSED";
  std::ostringstream out;
  WriteCsv(ListOf(row), out);
  EXPECT_EQ(ParseCsv(out.str())[1],
            (Record{"other", "Item", "", "", "", "'-", "'-REFUSED", "", ""}));
}

TEST(PriceListText, AlignsEveryPriceColumnAndKeepsLinesTight) {
  std::ostringstream out;
  WritePlainText(BuildPriceList(FillPriceBook(), "0%"), out);
  std::istringstream lines(out.str());
  std::string line;
  std::map<std::size_t, int> priceEnds;
  int sections = 0;
  while (std::getline(lines, line)) {
    ASSERT_TRUE(line.empty() || line.back() != ' ') << "trailing blank: [" << line << "]";
    if (line == "New packages" || line == "Cross-grades" || line == "Support contracts" ||
        line == "Other items") {
      ++sections;
    }
    if (line.size() >= 3 && line.compare(line.size() - 3, 3, ".00") == 0) ++priceEnds[line.size()];
  }
  EXPECT_EQ(sections, 4);
  // Every section right-aligns its prices: lines ending in a price end in few distinct columns.
  EXPECT_LE(priceEnds.size(), 4u);
  EXPECT_NE(out.str().find("Eff:  28 May 2012"), std::string::npos);
  EXPECT_NE(out.str().find("  From Windows HB 1\n    to Windows HB 2"), std::string::npos);
  // The note on the moves left out follows the cross-grades, within a printed line's width.
  const std::string text = out.str();
  const std::size_t note = text.find("\n\n283 cross-grades are not listed");
  ASSERT_NE(note, std::string::npos);
  EXPECT_LT(note, text.find("\nSupport contracts\n"));
  EXPECT_GT(note, text.find("\nCross-grades\n"));
}

// The title names the dealer when one is given; the terms give the book's date in English, its
// currency, and the VAT rate in the list's number format.
TEST(PriceListTitle, NamesTheDealerTheBookAndTheTerms) {
  PriceBook book = FillPriceBook();
  book.vat = VatRate{1250};
  book.currency = "EUR";
  book.effectiveDate = EffectiveDate{2026, 3, 1};
  PriceList list = BuildPriceList(book, "12,5%", Separators{".", ","});
  EXPECT_EQ(TitleText(list.title), "Corvane Price List");
  list.title.dealer = "Tarn & Sons";
  EXPECT_EQ(TitleText(list.title), "Corvane Price List - Tarn & Sons");
  EXPECT_EQ(TermsText(list),
            "Prices effective 1 March 2026, in EUR, VAT 12,5%. Dealer discount on new packages "
            "and cross-grades: 12,5%");
  EXPECT_EQ(BuildPriceList(FillPriceBook(), "0%").title.currency, "ZAR");
}

// Columns line up on paper in every locale: a thousands separator of two UTF-8 bytes, such as the
// no-break space, still takes one column.
TEST(PriceListText, EachSectionsPriceLinesHaveOneDisplayWidthInEveryLocale) {
  struct Case {
    const char* locale;
    Separators separators;
  };
  const Case cases[] = {{"C", {",", "."}}, {"de_DE", {".", ","}}, {"en_ZA", {"\u00a0", ","}}};
  const std::regex priceAtEnd("[0-9][.,][0-9][0-9]$");
  const auto columns = [](const std::string& line) {
    return std::count_if(line.begin(), line.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; });
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    std::ostringstream out;
    WritePlainText(BuildPriceList(FillPriceBook(), "0%", c.separators), out);
    std::istringstream lines(out.str());
    std::string line;
    std::map<std::string, std::set<std::ptrdiff_t>> widths;  // by section
    std::string section;
    bool separatorSeen = false;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.front() != ' ' && line.find("  ") == std::string::npos) {
        section = line;
      } else if (std::regex_search(line, priceAtEnd)) {
        widths[section].insert(columns(line));
        separatorSeen = separatorSeen || line.find(c.separators.thousands) != std::string::npos;
      }
    }
    EXPECT_TRUE(separatorSeen);
    EXPECT_EQ(widths.size(), 4u);
    for (const auto& [title, seen] : widths) EXPECT_EQ(seen.size(), 1u) << title;
  }
}

}  // namespace
}  // namespace corvane
