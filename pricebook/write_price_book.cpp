// Writing a price book as the JSON document that ParsePriceBook reads, keys in a fixed order so
// that a vendor can compare one book with the next line by line.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

#include "pricebook/catalogue_data.h"
#include "pricebook/listed_entries.h"
#include "pricebook/listed_item.h"
#include "pricebook/price_book_file.h"
#include "pricebook/price_cell.h"
#include "pricebook/upgrade_table_data.h"

namespace corvane {
namespace {

using Json = nlohmann::ordered_json;

// Whole amounts as integers; others as the shortest decimal that reads back to the same amount.
Json Amount(Money amount) {
  const std::int64_t raw = amount.tenThousandths();
  if (raw % Money::kScale == 0) return Json(raw / Money::kScale);
  return Json(amount.toDouble());
}

Json Percent(VatRate rate) {
  if (rate.hundredths % 100 == 0) return Json(rate.hundredths / 100);
  return Json(rate.hundredths / 100.0);
}

Json Rows(const decltype(PriceBook::UpgradeTable)& table, int firstRow) {
  Json rows = Json::array();
  for (int row = firstRow; row <= table.UpperBound() && !table(row, kFromColumn).empty(); ++row) {
    Json prices = Json::array();
    for (int column = kAgeBand0Column; column <= kAgeBand2Column; ++column) {
      const std::string& cell = table(row, column);
      if (cell.empty()) break;
      prices.push_back(Amount(PriceCellAmount(cell)));
    }
    rows.push_back(Json{{"from", table(row, kFromColumn)},
                        {"to", table(row, kToColumn)},
                        {"prices", std::move(prices)}});
  }
  return rows;
}

template <typename Texts, typename Prices>
Json Items(const Texts& texts, const Prices& prices, int first) {
  Json items = Json::array();
  ForEachListedEntry(texts, first, [&](int index, const std::string& name) {
    items.push_back(Json{{"name", name}, {"price", Amount(prices[index])}});
  });
  return items;
}

}  // namespace

std::string PriceBookJson(const PriceBook& book) {
  Json root;
  root["effective_date"] = IsoDate(book.effectiveDate);
  root["vat_percent"] = Percent(book.vat);
  root["vendor_name"] = book.vendorName;
  root["vendor_phone"] = book.vendorPhone;
  if (book.currency) root["currency"] = *book.currency;
  root["packages"] = Items(book.PackageName, book.PackagePrice, kFirstPackageIndex);
  root["upgrade_table"] = Rows(book.UpgradeTable, kFirstUpgradeRow);
  root["cross_grade_table"] = Rows(book.CrossGradeTable, 0);
  root["support_contracts"] = Items(book.SupportItem, book.SupportPrice, kFirstItemIndex);
  root["other_items"] = Items(book.OtherItem, book.OtherPrice, kFirstItemIndex);
  return root.dump(2) + "\n";
}

}  // namespace corvane
