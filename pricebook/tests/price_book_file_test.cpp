// Price books as files: the built-in book written out and read back, and books that must be
// refused, each with one line naming the file and the place.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "price_book_fixture.h"
#include "pricebook/price_book_file.h"

namespace corvane {
namespace {

using testing::FilledBook;
using Json = nlohmann::ordered_json;

template <typename TableType>
void ExpectSameEntries(const TableType& read, const TableType& built, const char* name) {
  for (int i = 0; i <= built.UpperBound(); ++i) {
    if (!(read[i] == built[i])) ADD_FAILURE() << name << "[" << i << "] differs";
  }
}

template <typename T, int Upper1, int Upper2>
void ExpectSameEntries(const Table2<T, Upper1, Upper2>& read,
                       const Table2<T, Upper1, Upper2>& built, const char* name) {
  for (int i = 0; i <= Upper1; ++i) {
    for (int j = 0; j <= Upper2; ++j) {
      if (!(read(i, j) == built(i, j)))
        ADD_FAILURE() << name << "(" << i << ", " << j << ") differs";
    }
  }
}

TEST(PriceBookFile, TheBuiltInBookReadsBackEntryForEntry) {
  const PriceBook& built = FilledBook();
  const PriceBook read = ParsePriceBook(PriceBookJson(built), "built-in.json");
  EXPECT_EQ(read.effectiveDate, built.effectiveDate);
  EXPECT_EQ(read.vat, built.vat);
  EXPECT_EQ(read.vendorName, "Corvane");
  EXPECT_EQ(read.vendorPhone, built.vendorPhone);
  EXPECT_EQ(read.currency, std::nullopt);
  ExpectSameEntries(read.PackageName, built.PackageName, "PackageName");
  ExpectSameEntries(read.PackagePrice, built.PackagePrice, "PackagePrice");
  ExpectSameEntries(read.UpgradeTable, built.UpgradeTable, "UpgradeTable");
  ExpectSameEntries(read.CrossGradeTable, built.CrossGradeTable, "CrossGradeTable");
  ExpectSameEntries(read.SupportItem, built.SupportItem, "SupportItem");
  ExpectSameEntries(read.SupportPrice, built.SupportPrice, "SupportPrice");
  ExpectSameEntries(read.OtherItem, built.OtherItem, "OtherItem");
  ExpectSameEntries(read.OtherPrice, built.OtherPrice, "OtherPrice");
  EXPECT_EQ(PriceBookJson(read), PriceBookJson(built));
}

TEST(PriceBookFile, ReadsTheBooksOwnFacts) {
  Json book = Json::parse(PriceBookJson(FilledBook()));
  book["effective_date"] = "2013-03-01";
  book["vat_percent"] = 12.5;
  book["vendor_phone"] = "+27 21 555 0100";
  book["currency"] = "ZAR";
  book["packages"][2]["price"] = 5000.0125;
  const PriceBook read = ParsePriceBook(book.dump(), "2013.json");
  EXPECT_EQ(LongDate(read.effectiveDate), "1 March 2013");
  EXPECT_EQ(read.vat, VatRate{1250});
  EXPECT_EQ(read.vendorPhone, "+27 21 555 0100");
  EXPECT_EQ(read.currency, "ZAR");
  EXPECT_EQ(read.PackagePrice[4], Money::fromDecimal("5000.0125"));
  EXPECT_EQ(ParsePriceBook(PriceBookJson(read), "again.json").PackagePrice[4],
            read.PackagePrice[4]);
}

// Each broken book: what is changed in the built-in one, and the place and fault the one line
// names after the file's name.
struct Broken {
  const char* fault;
  std::function<std::string(Json&)> make;
  const char* says;
};

std::string Dump(const Json& book) {
  return book.dump(1);
}

TEST(PriceBookFile, RefusesABrokenBookInOneLineNamingTheFileAndThePlace) {
  const Broken cases[] = {
      {"bad JSON", [](Json&) { return std::string("{\n \"vat_percent\": 14,,\n}"); },
       "line 2, column 20: syntax error"},
      {"wrong type", [](Json& b) { return b["vat_percent"] = "14", Dump(b); },
       "vat_percent: must be a number"},
      {"missing key",
       [](Json& b) {
         b.erase("vendor_phone");
         return Dump(b);
       },
       "top level: the required key \"vendor_phone\" is missing"},
      {"negative price", [](Json& b) { return b["packages"][3]["price"] = -1, Dump(b); },
       "packages[3].price: must not be negative"},
      {"beyond Money", [](Json& b) { return b["other_items"][0]["price"] = 1e15, Dump(b); },
       "other_items[0].price: is beyond the largest amount"},
      {"fifth decimal", [](Json& b) { return b["packages"][0]["price"] = 788.60001, Dump(b); },
       "packages[0].price: has more than four decimal places"},
      {"duplicate name", [](Json& b) { return b["packages"][3]["name"] = "Windows HB 1", Dump(b); },
       "packages[3].name: \"Windows HB 1\" is already the name of another package"},
      {"table over its bound",
       [](Json& b) {
         while (b["support_contracts"].size() < 100) {
           b["support_contracts"].push_back(
               {{"name", "Contract " + std::to_string(b["support_contracts"].size())},
                {"price", 1}});
         }
         return Dump(b);
       },
       "support_contracts: holds 100 entries; at most 99 fit"},
      {"package the rules need",
       [](Json& b) {
         b["packages"].erase(4);  // "Windows HB 3"
         return Dump(b);
       },
       "upgrade_table[1].to: \"Windows HB 3\" is not a package of the catalogue"},
      {"invalid UTF-8",
       [](Json& b) {
         std::string text = Dump(b);
         text[text.find("PIPWICK")] = '\xff';
         return text;
       },
       "ill-formed UTF-8 byte"},
      {"key twice",
       [](Json& b) {
         std::string text = Dump(b);
         return text.insert(1, "\"vat_percent\": 15,");
       },
       "top level: the key \"vat_percent\" appears twice"},
      {"unknown key", [](Json& b) { return b["packages"][1]["prise"] = 1, Dump(b); },
       "packages[1].prise: is not a key of a price book here"},
      {"no such day", [](Json& b) { return b["effective_date"] = "2013-02-29", Dump(b); },
       "effective_date: must be a calendar date"},
      {"VAT beyond 100 %", [](Json& b) { return b["vat_percent"] = 100.5, Dump(b); },
       "vat_percent: must lie between 0 and 100"},
      {"VAT in thousandths", [](Json& b) { return b["vat_percent"] = 14.125, Dump(b); },
       "vat_percent: has more than two decimal places"},
      {"family out of order",
       [](Json& b) { return std::swap(b["packages"][3], b["packages"][4]), Dump(b); },
       "packages[4].name: \"Windows HB 2\" must license more terminals"},
      {"second row for a move",
       [](Json& b) { return b["cross_grade_table"].push_back(b["cross_grade_table"][0]), Dump(b); },
       "cross_grade_table[142]: a second row from \"Windows ZEPH (Strovane)\""},
      {"too many age bands",
       [](Json& b) {
         return b["upgrade_table"][0]["prices"] = {1, 2, 3, 4}, Dump(b);
       },
       "upgrade_table[0].prices: holds 4 entries; at most 3 fit"},
      {"deeply nested", [](Json&) { return std::string(40, '[') + std::string(40, ']'); },
       "[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]: values are nested too deeply"},
      {"not an object", [](Json&) { return std::string("[]"); }, "top level: must be an object"},
      {"number beyond a double",
       [](Json& b) {
         std::string text = Dump(b);
         return text.replace(text.find("\"vat_percent\": 14"), 18, "\"vat_percent\":5e999999999");
       },
       "line 3, column 16: the number 5e999999999 is beyond the range of numbers"},
      {"C1 control", [](Json& b) { return b["vendor_name"] = "Cor\u0085vane", Dump(b); },
       "vendor_name: holds a control character"},
      {"line separator", [](Json& b) { return b["vendor_phone"] = "021\u2028555", Dump(b); },
       "vendor_phone: holds a line or paragraph separator"},
      {"bidi override",
       [](Json& b) { return b["packages"][0]["name"] = "Windows \u202ePIPWICK", Dump(b); },
       "packages[0].name: holds an invisible format character"},
      {"zero-width space",
       [](Json& b) { return b["other_items"][0]["name"] = "Cable\u200b", Dump(b); },
       "other_items[0].name: holds an invisible format character"},
      {"control character in a key",
       [](Json& b) { return b["a\u0002"] = 1, b["a\u0001"] = 1, Dump(b); },
       "a\\x02: the key holds a control character"},
      {"price beyond VAT's reach",
       [](Json& b) { return b["packages"][3]["price"] = 922337203685477, Dump(b); },
       "packages[3].price: 922337203685477 is too large to price: with 14 % VAT added"},
      {"year 0", [](Json& b) { return b["effective_date"] = "0000-01-01", Dump(b); },
       "effective_date: must be a date from 1900 on"},
      {"year 1899", [](Json& b) { return b["effective_date"] = "1899-12-31", Dump(b); },
       "effective_date: must be a date from 1900 on"},
      {"a NUL byte and more", [](Json& b) { return Dump(b) + std::string(1, '\0') + "{}"; },
       ", column 2: a NUL byte"},
      {"a second document", [](Json& b) { return Dump(b) + "{}"; }, "expected end of input"},
      {"many empty objects",
       [](Json&) {
         std::string text = "{\"x\": [{}";
         for (int i = 0; i < 60'000; ++i) text += ",{}";
         return text + "]}";
       },
       "x[49998]: the document holds more than 50000 values"},
  };
  for (const Broken& broken : cases) {
    SCOPED_TRACE(broken.fault);
    Json book = Json::parse(PriceBookJson(FilledBook()));
    const std::string text = broken.make(book);
    try {
      ParsePriceBook(text, "dealer.json");
      ADD_FAILURE() << "accepted";
    } catch (const PriceBookError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("dealer.json: ", 0), 0u) << message;
      EXPECT_NE(message.find(broken.says), std::string::npos) << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
  }
}

// The largest price is the one that, with the rules' 300 and 14 % VAT added, comes to nine thousand
// million: (p + 300) * 1.14 <= 9e9.
TEST(PriceBookFile, APriceIsAcceptedUpToTheAmountTheCalculatorWorksOutToTheCent) {
  Json book = Json::parse(PriceBookJson(FilledBook()));
  book["packages"][3]["price"] = 7'894'736'542;
  EXPECT_EQ(ParsePriceBook(Dump(book), "largest.json").PackagePrice[5],
            Money::fromTenThousandths(7'894'736'542 * Money::kScale));
  book["packages"][3]["price"] = 7'894'736'543;
  EXPECT_THROW(ParsePriceBook(Dump(book), "beyond.json"), PriceBookError);
}

class PriceBookFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("price_book_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Write(const char* name, const std::string& text) const {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::filesystem::path folder_;
};

TEST_F(PriceBookFileOnDisk, RefusesWhatIsNoPriceBookBeforeReadingIt) {
  const std::string huge = Write("huge.json", "");
  std::filesystem::resize_file(huge, kMaxPriceBookBytes + 1);
  const std::pair<std::string, std::string> cases[] = {
      {Write("empty.json", ""), "is empty"},
      {huge, "is larger than 4 MB"},
      {folder_.string(), "is a directory"},
      {(folder_ / "gone.json").string(), "no such file"},
  };
  for (const auto& [path, says] : cases) {
    SCOPED_TRACE(path);
    try {
      ReadPriceBook(path);
      ADD_FAILURE() << "accepted";
    } catch (const PriceBookError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(path + ": " + says, 0), 0u) << error.what();
    }
  }
  EXPECT_EQ(ReadPriceBook(Write("book.json", PriceBookJson(FilledBook()))).vat, VatRate{1400});
}

}  // namespace
}  // namespace corvane
