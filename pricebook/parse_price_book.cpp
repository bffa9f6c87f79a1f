// Reading a price book from its JSON document. Everything the quote and the window rely on is
// checked here, so that nothing of a broken book is ever used and its vendor learns where it broke.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <new>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "money/escaped_text.h"
#include "money/leading_number.h"
#include "money/vat.h"
#include "pricebook/catalogue_data.h"
#include "pricebook/listed_item.h"
#include "pricebook/price_book_file.h"
#include "pricebook/price_cell.h"
#include "pricebook/upgrade_table_data.h"

namespace corvane {
namespace {

using nlohmann::json;

// A book is four levels deep (book, table, row, prices); anything far deeper is no price book
// and would only cost stack and time.
constexpr int kMaxDepth = 16;

constexpr int kLastListedPackage = 69;  // the lists show indexes below PackageName's bound, 70
constexpr int kLastListedItem = 99;     // and below the item lists' bound, 100
constexpr int kLastScannedRow = 199;    // the lookup scans rows 0..199
constexpr std::size_t kMaxPrices = 3;   // age bands 0, 1 and 2

// The values of the fullest book: the book and its five plain keys, then every list full (a
// package or an item is an object, a name and a price; a row an object, two names, an array and
// its prices).
constexpr std::size_t kMostValuesOfABook =
    6 + (1 + (kLastListedPackage - kFirstPackageIndex + 1) * 3) +
    (1 + (kLastScannedRow - kFirstUpgradeRow + 1) * (4 + kMaxPrices)) +
    (1 + (kLastScannedRow + 1) * (4 + kMaxPrices)) +
    2 * (1 + (kLastListedItem - kFirstItemIndex + 1) * 3);
// A document of far more values is no price book; it is refused as soon as it is seen to be one,
// before it costs the time and memory of holding it all.
constexpr std::size_t kMaxValues = 50'000;
static_assert(kMaxValues >= 10 * kMostValuesOfABook, "room for any book, and more");

// The most the cross-grade rules add to a listed price before VAT is added: a ZEPH package's
// trade-in of -300.
constexpr std::int16_t kLargestRuleSurcharge = 300;

// A token the parser quotes may be as long as the file; a message shows its start.
std::string Shortened(std::string_view text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown) return Escaped(text);
  return Escaped(text.substr(0, kShown)) + "...";
}

// "line 3, column 14" for the byte at `offset`, as the parser counts them: the column is the
// count of bytes read on the line.
std::string LineAndColumn(std::string_view text, std::size_t offset) {
  const std::string_view before = text.substr(0, std::min(offset, text.size()));
  const auto lines = std::count(before.begin(), before.end(), '\n');
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column =
      lineStart == std::string_view::npos ? before.size() : before.size() - lineStart - 1;
  return "line " + std::to_string(lines + 1) + ", column " + std::to_string(column);
}

// The parser's own words for a syntax error, without its prefix, its place (counted here from the
// offset, as for every fault of the document) and the bytes it last read, which may be anything.
std::string SyntaxFault(const nlohmann::json::exception& error) {
  std::string message = error.what();
  const std::size_t prefixEnd = message.find("] ");
  if (prefixEnd != std::string::npos) message.erase(0, prefixEnd + 2);
  const std::size_t column = message.find(", column ");
  if (message.starts_with("parse error at line ") && column != std::string::npos) {
    const std::size_t colon = message.find(": ", column);
    if (colon != std::string::npos) message.erase(0, colon + 2);
  }
  const std::size_t lastRead = message.find("; last read");
  if (lastRead != std::string::npos) message.erase(lastRead);
  return message;
}

// Builds the document value by value as nlohmann's own parser does, checking on the way what a
// value can tell on its own: the depth, the count of values, a key given twice and a key's text.
// The parser's callback interface is not used: each time an object ends it searches the object's
// parent from the start, which makes an array of many objects take time in the square of their
// count.
class DocumentBuilder {
 public:
  DocumentBuilder(std::string_view text, std::string_view file) : text_(text), file_(file) {}

  json& Root() { return root_; }
  //! Where the parser stopped and why ("line 3, column 14: ..."), once it refused the document.
  const std::string& Fault() const { return fault_; }

  // The SAX interface nlohmann::json::sax_parse calls.
  bool null() { return Add(nullptr); }
  bool boolean(bool value) { return Add(value); }
  bool number_integer(json::number_integer_t value) { return Add(value); }
  bool number_unsigned(json::number_unsigned_t value) { return Add(value); }
  bool number_float(json::number_float_t value, const json::string_t&) { return Add(value); }
  bool string(json::string_t& value) { return Add(std::move(value)); }
  bool binary(json::binary_t&) { Fail(true, "holds binary data, which no JSON text holds"); }
  bool start_object(std::size_t) { return Open(json::value_t::object); }
  bool start_array(std::size_t) { return Open(json::value_t::array); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(json::string_t& key) {
    Frame& frame = frames_.back();
    frame.key = key;
    const TextFault fault = FindTextFault(key);
    if (fault != TextFault::None) Fail(true, "the key " + std::string(DescribeTextFault(fault)));
    if (!frame.keys.insert(key).second) {
      Fail(false, "the key \"" + Escaped(key) + "\" appears twice");
    }
    member_ = &frame.value->get_ref<json::object_t&>()[key];
    return true;
  }
  bool parse_error(std::size_t offset, const std::string& token,
                   const nlohmann::json::exception& error) {
    // The parser reports a number beyond a double's range as out of range (406), not as syntax,
    // once it has read past it; the message names the place where the number starts.
    if (error.id == 406) {
      const std::size_t start = text_.rfind(token, offset);
      fault_ = LineAndColumn(text_, start == std::string_view::npos ? offset : start + 1) +
               ": the number " + Shortened(token) + " is beyond the range of numbers";
    } else {
      fault_ = LineAndColumn(text_, offset) + ": " + Escaped(SyntaxFault(error));
    }
    return false;
  }

 private:
  struct Frame {
    json* value;
    std::size_t index = 0;  // the entry being read, in an array
    std::string key;        // the key being read, in an object
    std::set<std::string> keys;
  };

  // The value goes where the parser is: the root, the end of the array or the key just read.
  template <typename Value>
  json* Place(Value&& value) {
    if (++values_ > kMaxValues) {
      Fail(true, "the document holds more than " + std::to_string(kMaxValues) +
                     " values, far more than any price book");
    }
    if (frames_.empty()) {
      root_ = json(std::forward<Value>(value));
      return &root_;
    }
    json& parent = *frames_.back().value;
    if (parent.is_array()) {
      auto& entries = parent.get_ref<json::array_t&>();
      entries.emplace_back(std::forward<Value>(value));
      return &entries.back();
    }
    *member_ = json(std::forward<Value>(value));
    return member_;
  }
  template <typename Value>
  bool Add(Value&& value) {
    Place(std::forward<Value>(value));
    Counted();
    return true;
  }
  // An open array or object is the last entry of its parent until it closes, so the pointer to it
  // stays valid while the parent does not grow.
  bool Open(json::value_t type) {
    frames_.push_back({Place(type), 0, {}, {}});
    if (frames_.size() > kMaxDepth) Fail(false, "values are nested too deeply");
    return true;
  }
  bool Close() {
    frames_.pop_back();
    Counted();
    return true;
  }
  void Counted() {
    if (!frames_.empty() && frames_.back().value->is_array()) ++frames_.back().index;
  }

  // Names the value being read, or with `current` false the array or object that holds it.
  [[noreturn]] void Fail(bool current, const std::string& what) const {
    std::string place;
    const std::size_t shown = current || frames_.empty() ? frames_.size() : frames_.size() - 1;
    for (std::size_t i = 0; i < shown; ++i) {
      const Frame& frame = frames_[i];
      if (frame.value->is_array()) {
        place.append("[").append(std::to_string(frame.index)).append("]");
      } else {
        if (!place.empty()) place.append(".");
        place.append(Escaped(frame.key));
      }
    }
    if (place.empty()) place = "top level";
    throw PriceBookError(std::string(file_) + ": " + place + ": " + what);
  }

  std::string_view text_;
  std::string_view file_;
  json root_;
  std::vector<Frame> frames_;
  json* member_ = nullptr;
  std::size_t values_ = 0;
  std::string fault_;
};

class BookReader {
 public:
  explicit BookReader(std::string_view file) : file_(file) {}

  PriceBook Read(const json& root) {
    if (!root.is_object()) Fail("top level", "must be an object holding the book's keys");
    OnlyKeys(
        root, "",
        {"effective_date", "vat_percent", "vendor_name", "vendor_phone", "currency", "packages",
         "upgrade_table", "cross_grade_table", "support_contracts", "other_items"});
    PriceBook book;
    const std::string date = Text(Member(root, "", "effective_date"), "effective_date");
    const auto effective = ParseIsoDate(date);
    if (!effective) Fail("effective_date", "must be a calendar date written YYYY-MM-DD");
    if (effective->year < kFirstYear) {
      Fail("effective_date", "must be a date from " + std::to_string(kFirstYear) + " on");
    }
    book.effectiveDate = *effective;
    book.vat = Rate(Member(root, "", "vat_percent"), "vat_percent");
    vat_ = book.vat;
    book.vendorName = Text(Member(root, "", "vendor_name"), "vendor_name");
    book.vendorPhone = Text(Member(root, "", "vendor_phone"), "vendor_phone");
    if (root.contains("currency")) book.currency = Text(root.at("currency"), "currency");
    ReadCatalogue(Member(root, "", "packages"), book);
    ReadRows(Member(root, "", "upgrade_table"), "upgrade_table", kFirstUpgradeRow,
             book.UpgradeTable);
    ReadRows(Member(root, "", "cross_grade_table"), "cross_grade_table", 0, book.CrossGradeTable);
    ReadItems(Member(root, "", "support_contracts"), "support_contracts", book.SupportItem,
              book.SupportPrice);
    ReadItems(Member(root, "", "other_items"), "other_items", book.OtherItem, book.OtherPrice);
    return book;
  }

 private:
  using RowTable = decltype(PriceBook::UpgradeTable);
  using ItemTexts = decltype(PriceBook::SupportItem);
  using ItemPrices = decltype(PriceBook::SupportPrice);

  [[noreturn]] void Fail(const std::string& place, const std::string& what) const {
    throw PriceBookError(file_ + ": " + place + ": " + what);
  }

  static std::string Join(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
  }
  static std::string Join(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
  }

  const json& Member(const json& object, const std::string& path, const char* key) const {
    const auto found = object.find(key);
    if (found == object.end()) {
      Fail(path.empty() ? "top level" : path,
           "the required key \"" + std::string(key) + "\" is missing");
    }
    return *found;
  }

  void OnlyKeys(const json& object, const std::string& path,
                std::initializer_list<std::string_view> known) const {
    for (const auto& [key, value] : object.items()) {
      bool listed = false;
      for (std::string_view name : known) listed = listed || key == name;
      if (!listed) Fail(Join(path, Escaped(key)), "is not a key of a price book here");
    }
  }

  const json& Object(const json& value, const std::string& path,
                     std::initializer_list<std::string_view> known) const {
    if (!value.is_object()) Fail(path, "must be an object");
    OnlyKeys(value, path, known);
    return value;
  }

  const json& Array(const json& value, const std::string& path, std::size_t most) const {
    if (!value.is_array()) Fail(path, "must be an array");
    if (value.size() > most) {
      Fail(path, "holds " + std::to_string(value.size()) + " entries; at most " +
                     std::to_string(most) + " fit");
    }
    return value;
  }

  // Texts reach message boxes, CSV cells and PDFs; none may be empty, and each obeys the rule
  // for every text from outside.
  std::string Text(const json& value, const std::string& path) const {
    if (!value.is_string()) Fail(path, "must be a text");
    const std::string& text = value.get_ref<const std::string&>();
    if (text.empty()) Fail(path, "must not be empty");
    const TextFault fault = FindTextFault(text);
    if (fault != TextFault::None) Fail(path, std::string(DescribeTextFault(fault)));
    return text;
  }

  // An amount in currency units, exact to the ten-thousandth, within Money's range.
  Money Amount(const json& value, const std::string& path) const {
    if (!value.is_number()) Fail(path, "must be a number");
    if (value.is_number_unsigned()) {
      const auto units = value.get<std::uint64_t>();
      if (units >
          static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max() / Money::kScale)) {
        Fail(path, "is beyond the largest amount a price can hold");
      }
      return Money::fromTenThousandths(static_cast<std::int64_t>(units) * Money::kScale);
    }
    if (value.is_number_integer()) {
      if (value.get<std::int64_t>() < 0) Fail(path, "must not be negative");
      return Money();
    }
    const double number = value.get<double>();
    if (number < 0) Fail(path, "must not be negative");
    Money amount;
    try {
      amount = Money::fromDouble(number);
    } catch (const OverflowError&) {
      Fail(path, "is beyond the largest amount a price can hold");
    }
    if (amount.toDouble() != number) Fail(path, "has more than four decimal places");
    return amount;
  }

  // A price: an amount the quote can still work out to the cent once the rules have added to it
  // and VAT at the book's rate has been added.
  Money Price(const json& value, const std::string& path) const {
    const Money amount = Amount(value, path);
    if (!Priceable(amount)) {
      Fail(path, PriceCellText(amount) + " is too large to price: with " + VatPercentText(vat_) +
                     " % VAT added it comes to more than " +
                     PriceCellText(kLargestVatInclusiveAmount) +
                     ", the most the calculator works out to the cent");
    }
    return amount;
  }

  bool Priceable(Money amount) const {
    try {
      const double inclusive = AddVat(amount + Money::fromInt16(kLargestRuleSurcharge), vat_);
      return Money::fromDouble(inclusive) <= kLargestVatInclusiveAmount;
    } catch (const OverflowError&) {
      return false;
    }
  }

  VatRate Rate(const json& value, const std::string& path) const {
    if (!value.is_number()) Fail(path, "must be a number");
    const double percent = value.get<double>();
    if (!(percent >= 0 && percent <= 100)) Fail(path, "must lie between 0 and 100");
    const double hundredths = std::nearbyint(percent * 100);
    if (hundredths / 100 != percent) Fail(path, "has more than two decimal places");
    return VatRate{static_cast<std::int32_t>(hundredths)};
  }

  void ReadCatalogue(const json& packages, PriceBook& book) {
    const std::string path = "packages";
    Array(packages, path, kLastListedPackage - kFirstPackageIndex + 1);
    if (packages.empty()) Fail(path, "must list at least one package");
    int index = kFirstPackageIndex;
    for (std::size_t i = 0; i < packages.size(); ++i, ++index) {
      const std::string at = Join(path, i);
      const json& entry = Object(packages[i], at, {"name", "price"});
      const std::string name = Text(Member(entry, at, "name"), Join(at, "name"));
      CheckPackageName(name, Join(at, "name"));
      if (!catalogue_.insert(name).second) {
        Fail(Join(at, "name"), "\"" + name + "\" is already the name of another package");
      }
      book.PackageName.Set(index, name);
      book.PackagePrice.Set(index, Price(Member(entry, at, "price"), Join(at, "price")));
    }
    CheckFamilies(book, static_cast<int>(packages.size()));
  }

  // The rules take a name apart at its last space: the family before it, the terminal count at the
  // start of the suffix after it, a signed 16-bit number.
  void CheckPackageName(const std::string& name, const std::string& path) const {
    const std::size_t space = name.rfind(' ');
    if (space == std::string::npos || space == 0 || space + 1 == name.size()) {
      Fail(path, "\"" + name + "\" must be a family and a suffix with a space between them");
    }
    const double count = std::nearbyint(LeadingNumber(std::string_view(name).substr(space + 1)));
    if (!(count >= 0 && count <= std::numeric_limits<std::int16_t>::max())) {
      Fail(path, "\"" + name + "\" names a terminal count outside 0 to 32767");
    }
  }

  // A family with terminal counts stands at consecutive indexes in rising count order: the To list
  // offers the packages after the From one, and the terminal check compares counts.
  void CheckFamilies(const PriceBook& book, int count) const {
    struct Last {
      int index;
      double terminals;
    };
    std::vector<std::pair<std::string, Last>> families;
    for (int index = kFirstPackageIndex; index < kFirstPackageIndex + count; ++index) {
      const std::string& name = book.PackageName[index];
      const std::size_t space = name.rfind(' ');
      const double terminals =
          std::nearbyint(LeadingNumber(std::string_view(name).substr(space + 1)));
      if (terminals == 0) continue;
      const std::string family = name.substr(0, space);
      const std::string path = "packages[" + std::to_string(index - kFirstPackageIndex) + "].name";
      auto found = families.begin();
      while (found != families.end() && found->first != family) ++found;
      if (found == families.end()) {
        families.push_back({family, {index, terminals}});
        continue;
      }
      if (found->second.index != index - 1) {
        Fail(path, "\"" + name + "\" must follow the other packages of the family \"" + family +
                       "\" directly");
      }
      if (!(terminals > found->second.terminals)) {
        Fail(path, "\"" + name + "\" must license more terminals than the package before it");
      }
      found->second = {index, terminals};
    }
  }

  // A row's packages are catalogue packages, or DOS packages, which only the tables name.
  void CheckRowPackage(const std::string& name, const std::string& path) const {
    if (catalogue_.count(name) == 0 && name.find("DOS") == std::string::npos) {
      Fail(path, "\"" + name + "\" is not a package of the catalogue");
    }
  }

  void ReadRows(const json& rows, const std::string& path, int firstRow, RowTable& table) const {
    Array(rows, path, static_cast<std::size_t>(kLastScannedRow - firstRow + 1));
    std::set<std::pair<std::string, std::string>> pairs;
    int row = firstRow;
    for (std::size_t i = 0; i < rows.size(); ++i, ++row) {
      const std::string at = Join(path, i);
      const json& entry = Object(rows[i], at, {"from", "to", "prices"});
      const std::string from = Text(Member(entry, at, "from"), Join(at, "from"));
      const std::string to = Text(Member(entry, at, "to"), Join(at, "to"));
      CheckRowPackage(from, Join(at, "from"));
      CheckRowPackage(to, Join(at, "to"));
      if (from == to) Fail(at, "a row must move from one package to another");
      if (!pairs.insert({from, to}).second) {
        Fail(at, "a second row from \"" + from + "\" to \"" + to + "\"");
      }
      const std::string pricesPath = Join(at, "prices");
      const json& prices = Array(Member(entry, at, "prices"), pricesPath, kMaxPrices);
      if (prices.empty()) Fail(pricesPath, "must hold the price for the oldest age band");
      table.Set(row, kFromColumn, from);
      table.Set(row, kToColumn, to);
      int column = kAgeBand0Column;
      for (std::size_t band = 0; band < prices.size(); ++band, ++column) {
        table.Set(row, column, PriceCellText(Price(prices[band], Join(pricesPath, band))));
      }
    }
  }

  void ReadItems(const json& items, const std::string& path, ItemTexts& texts,
                 ItemPrices& prices) const {
    Array(items, path, static_cast<std::size_t>(kLastListedItem - kFirstItemIndex + 1));
    std::set<std::string> names;
    int index = kFirstItemIndex;
    for (std::size_t i = 0; i < items.size(); ++i, ++index) {
      const std::string at = Join(path, i);
      const json& entry = Object(items[i], at, {"name", "price"});
      const std::string name = Text(Member(entry, at, "name"), Join(at, "name"));
      if (!names.insert(name).second) {
        Fail(Join(at, "name"), "\"" + name + "\" is already the name of another entry");
      }
      texts.Set(index, name);
      prices.Set(index, Price(Member(entry, at, "price"), Join(at, "price")));
    }
  }

  std::string file_;
  VatRate vat_;  // the book's, read before any price
  std::set<std::string> catalogue_;
};

}  // namespace

PriceBook ParsePriceBook(std::string_view text, std::string_view file) {
  // The parser takes a NUL byte for the end of its input and would ignore what follows; no JSON
  // text holds one.
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) {
    throw PriceBookError(std::string(file) + ": " + LineAndColumn(text, nul + 1) +
                         ": a NUL byte, which no JSON text holds");
  }
  // Whatever a library throws while the book is read is told as the book's fault, in one line.
  try {
    DocumentBuilder builder(text, file);
    if (!json::sax_parse(text.begin(), text.end(), &builder)) {
      throw PriceBookError(std::string(file) + ": " + builder.Fault());
    }
    return BookReader(file).Read(builder.Root());
  } catch (const PriceBookError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw PriceBookError(std::string(file) + ": cannot be read: out of memory");
  } catch (const std::exception& error) {
    throw PriceBookError(std::string(file) + ": cannot be read: " + Escaped(error.what()));
  }
}

}  // namespace corvane
