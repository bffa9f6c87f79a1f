// Reading a price book from its JSON document. Everything the quote and the window rely on is
// checked here, so that nothing of a broken book is ever used and its vendor learns where it broke.
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "money/leading_number.h"
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

// A key as a message shows it: on one line, whatever bytes the document put in it.
std::string Printable(std::string text) {
  for (char& c : text) {
    if ((c >= '\0' && c < ' ') || c == '\x7f') c = '?';
  }
  return text;
}

// Where the parser is in the document, for a message about a key it meets twice.
class PathTracker {
 public:
  bool Event(json::parse_event_t event, const json& parsed, std::string_view file) {
    switch (event) {
      case json::parse_event_t::object_start:
      case json::parse_event_t::array_start:
        frames_.push_back({event == json::parse_event_t::array_start, 0, {}, {}});
        if (frames_.size() > kMaxDepth) Fail(file, "values are nested too deeply");
        break;
      case json::parse_event_t::key: {
        Frame& frame = frames_.back();
        frame.key = Printable(parsed.get<std::string>());
        if (!frame.keys.insert(frame.key).second) {
          Fail(file, "the key \"" + frame.key + "\" appears twice");
        }
        break;
      }
      case json::parse_event_t::object_end:
      case json::parse_event_t::array_end:
        frames_.pop_back();
        CountElement();
        break;
      case json::parse_event_t::value:
        CountElement();
        break;
    }
    return true;
  }

 private:
  struct Frame {
    bool array;
    std::size_t index;
    std::string key;
    std::set<std::string> keys;
  };

  void CountElement() {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
  }

  [[noreturn]] void Fail(std::string_view file, const std::string& what) const {
    std::string place;
    for (std::size_t i = 0; i + 1 < frames_.size(); ++i) {
      const Frame& frame = frames_[i];
      if (frame.array) {
        place.append("[").append(std::to_string(frame.index)).append("]");
      } else {
        if (!place.empty()) place.append(".");
        place.append(frame.key);
      }
    }
    if (place.empty()) place = "top level";
    std::string message(file);
    message.append(": ").append(place).append(": ").append(what);
    throw PriceBookError(message);
  }

  std::vector<Frame> frames_;
};

// The parser's own message without its prefix and without the bytes it last read, which may be
// anything, with the line and column it names.
std::string SyntaxMessage(const json::parse_error& error) {
  std::string message = error.what();
  const std::size_t at = message.find(" at line ");
  if (at != std::string::npos) message.erase(0, at + 4);
  const std::size_t lastRead = message.find("; last read");
  if (lastRead != std::string::npos) message.erase(lastRead);
  return message;
}

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
    book.effectiveDate = *effective;
    book.vat = Rate(Member(root, "", "vat_percent"), "vat_percent");
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
      if (!listed) Fail(Join(path, Printable(key)), "is not a key of a price book here");
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

  // Texts reach message boxes, CSV cells and PDFs; none may be empty or hold a control character.
  std::string Text(const json& value, const std::string& path) const {
    if (!value.is_string()) Fail(path, "must be a text");
    const std::string& text = value.get_ref<const std::string&>();
    if (text.empty()) Fail(path, "must not be empty");
    for (char c : text) {
      if ((c >= '\0' && c < ' ') || c == '\x7f') Fail(path, "holds a control character");
    }
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
      book.PackagePrice.Set(index, Amount(Member(entry, at, "price"), Join(at, "price")));
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
        table.Set(row, column, PriceCellText(Amount(prices[band], Join(pricesPath, band))));
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
      prices.Set(index, Amount(Member(entry, at, "price"), Join(at, "price")));
    }
  }

  std::string file_;
  std::set<std::string> catalogue_;
};

}  // namespace

PriceBook ParsePriceBook(std::string_view text, std::string_view file) {
  PathTracker tracker;
  json root;
  try {
    root = json::parse(text.begin(), text.end(), [&](int, json::parse_event_t event, json& parsed) {
      return tracker.Event(event, parsed, file);
    });
  } catch (const json::parse_error& error) {
    throw PriceBookError(std::string(file) + ": " + SyntaxMessage(error));
  }
  return BookReader(file).Read(root);
}

}  // namespace corvane
