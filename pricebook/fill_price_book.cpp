// The start-up fill: copies the constant data into the price book, table by table.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "pricebook/catalogue_data.h"
#include "pricebook/cross_grade_table_data.h"
#include "pricebook/other_items_data.h"
#include "pricebook/price_book.h"
#include "pricebook/row_counter.h"
#include "pricebook/support_data.h"
#include "pricebook/upgrade_table_data.h"

namespace corvane {
namespace {

using PriceTable = decltype(PriceBook::UpgradeTable);
using TextList = decltype(PriceBook::SupportItem);
using PriceList = decltype(PriceBook::SupportPrice);

// CrossGradeTable repeats every upgrade row but the last, the DOS-to-DOS move, after its own rows.
constexpr std::size_t kRepeatedUpgradeRows = kUpgradeRows.size() - 1;

// The upper bound of a table type's first dimension, for the checks below.
template <typename>
constexpr int kUpperBoundOf = -1;
template <typename T, int Upper>
constexpr int kUpperBoundOf<Table<T, Upper>> = Upper;
template <typename T, int Upper1, int Upper2>
constexpr int kUpperBoundOf<Table2<T, Upper1, Upper2>> = Upper1;

// Whether `count` entries from index `first` on stay within a table's bounds.
template <typename TableType>
constexpr bool Fits(int first, std::size_t count) {
  return first >= 0 && first + static_cast<int>(count) - 1 <= kUpperBoundOf<TableType>;
}

static_assert(Fits<decltype(PriceBook::PackageName)>(kFirstPackageIndex, kCatalogue.size()),
              "the catalogue outgrew PackageName");
static_assert(Fits<PriceTable>(kFirstUpgradeRow, kUpgradeRows.size()),
              "the upgrade rows outgrew UpgradeTable");
static_assert(Fits<PriceTable>(0, kCrossGradeRows.size() + kRepeatedUpgradeRows),
              "the cross-grade rows outgrew CrossGradeTable");
static_assert(Fits<TextList>(kFirstItemIndex, kSupportItems.size()),
              "the support contracts outgrew SupportItem");
static_assert(Fits<TextList>(kFirstItemIndex, kOtherItems.size()),
              "the other items outgrew OtherItem");

void FillCatalogue(PriceBook& book) {
  int index = kFirstPackageIndex;
  for (const CatalogueEntry& entry : kCatalogue) {
    book.PackageName.Set(index, std::string(entry.name));
    book.PackagePrice.Set(index, entry.price);
    ++index;
  }
}

// Writes `rows` to consecutive table rows from `row` on, each in column order and without the
// columns it lacks, and leaves `row` at the row after the last one written.
void WriteRows(PriceTable& table, std::int16_t& row, std::span<const PriceRow> rows) {
  for (const PriceRow& cells : rows) {
    table.Set(row, kFromColumn, std::string(cells.from));
    table.Set(row, kToColumn, std::string(cells.to));
    table.Set(row, kAgeBand0Column, std::string(cells.ageBand0));
    if (!cells.ageBand1.empty()) table.Set(row, kAgeBand1Column, std::string(cells.ageBand1));
    if (!cells.ageBand2.empty()) table.Set(row, kAgeBand2Column, std::string(cells.ageBand2));
    row = NextRow(row);
  }
}

void WriteItems(TextList& texts, PriceList& prices, std::span<const ListedItem> items) {
  int index = kFirstItemIndex;
  for (const ListedItem& item : items) {
    texts.Set(index, std::string(item.text));
    prices.Set(index, item.price);
    ++index;
  }
}

}  // namespace

std::string_view BuiltInVendorPhone() {
  return CORVANE_VENDOR_PHONE;
}

PriceBook FillPriceBook() {
  PriceBook book;
  book.effectiveDate = EffectiveDate{2012, 5, 28};
  book.vat = VatRate{1400};
  book.vendorName = kBuiltInVendor;
  book.vendorPhone = BuiltInVendorPhone();
  FillCatalogue(book);

  std::int16_t row = kFirstUpgradeRow;
  WriteRows(book.UpgradeTable, row, kUpgradeRows);

  row = 0;
  WriteRows(book.CrossGradeTable, row, kCrossGradeRows);
  WriteRows(book.CrossGradeTable, row, std::span(kUpgradeRows).first(kRepeatedUpgradeRows));

  WriteItems(book.SupportItem, book.SupportPrice, kSupportItems);
  WriteItems(book.OtherItem, book.OtherPrice, kOtherItems);
  return book;
}

}  // namespace corvane
