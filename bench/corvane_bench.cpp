// Timings of the work behind one user action: filling the price book, the cross-grade lookup, a
// complete quote through the window's behaviour, a new-package price, the price picture, VAT and
// the whole printed price list.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "money/format_price.h"
#include "money/money.h"
#include "money/vat.h"
#include "pricebook/price_book.h"
#include "pricebook/price_book_file.h"
#include "pricelist/price_list.h"
#include "quote/look_up_cross_grade.h"
#include "window/headless/headless_window.h"

namespace {

using corvane::HeadlessWindow;
using corvane::Money;
using corvane::PriceBook;

const PriceBook& Book() {
  static const PriceBook book = corvane::FillPriceBook();
  return book;
}

// The position of a package in the window's From list, or -1.
int FromPosition(const HeadlessWindow& window, std::string_view name) {
  for (int position = 0; position < window.Combo1.ListCount(); ++position) {
    if (window.Combo1.ItemText(position) == name) return position;
  }
  return -1;
}

void BM_FillPriceBook(benchmark::State& state) {
  for (auto _ : state) {
    PriceBook book = corvane::FillPriceBook();
    benchmark::DoNotOptimize(book);
  }
}
BENCHMARK(BM_FillPriceBook)->Unit(benchmark::kMicrosecond);

// A book the size of the built-in one, read and checked in full from its file's text.
void BM_ParsePriceBook(benchmark::State& state) {
  const std::string text = corvane::PriceBookJson(Book());
  for (auto _ : state) {
    PriceBook book = corvane::ParsePriceBook(text, "book.json");
    benchmark::DoNotOptimize(book);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetLabel(std::to_string(text.size() / 1024) + " KiB");
}
BENCHMARK(BM_ParsePriceBook)->Unit(benchmark::kMicrosecond);

// The lookup reads every row of the table it scans, since a later match overrides an earlier one.
// Two pairs listed in the last rows: the last upgrade within a family (UpgradeTable row 82, which
// CrossGradeTable repeats in row 141) and the last of CrossGradeTable's own moves between families
// (row 59).
void BM_LookUpCrossGrade(benchmark::State& state, const char* from, const char* to,
                         std::int32_t listedPrice) {
  const PriceBook& book = Book();
  const corvane::Lookup first = corvane::LookUpCrossGrade(book, from, to, 0);
  if (first.status != corvane::LookupStatus::Found ||
      first.price != Money::fromInt32(listedPrice)) {
    state.SkipWithError("the pair did not find its listed price");
    return;
  }
  for (auto _ : state) {
    corvane::Lookup found = corvane::LookUpCrossGrade(book, from, to, 0);
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK_CAPTURE(BM_LookUpCrossGrade, SameFamily_LastRow, "Windows Dravon Builder 99",
                  "Windows Dravon Builder 140", 50'000);
BENCHMARK_CAPTURE(BM_LookUpCrossGrade, OtherFamily_LastOwnRow, "Windows PIPWICK",
                  "Windows Tessaline 14", 15'500);

// Choosing a To package with a From package chosen: lookup, rules, discount and both boxes.
void BM_WindowCrossGradeQuote(benchmark::State& state) {
  HeadlessWindow window(Book());
  window.ChooseFrom(FromPosition(window, "Windows Dravon Builder 99"));
  window.ChooseDiscount(2);  // "10%"
  window.ChooseTo(1);        // "Windows Dravon Builder 140"
  if (window.Combo2.Text() != "Windows Dravon Builder 140" ||
      window.txtExclPrice.Text() != "45,000.00" || !window.messages.Warnings().empty() ||
      !window.messages.Errors().empty()) {
    state.SkipWithError("the quote did not show 45,000.00");
    return;
  }
  for (auto _ : state) {
    window.ChooseTo(1);
    benchmark::DoNotOptimize(window.txtInclPrice.Text().data());
  }
}
BENCHMARK(BM_WindowCrossGradeQuote);

// Choosing "Nothing Selected": the From package's new price less the discount.
void BM_WindowNewPackagePrice(benchmark::State& state) {
  HeadlessWindow window(Book());
  window.ChooseFrom(FromPosition(window, "Windows HB 1"));
  window.ChooseDiscount(1);  // "5%"
  window.ChooseTo(0);
  if (window.txtExclPrice.Text() != "3,990.00" || window.txtInclPrice.Text() != "4,548.60") {
    state.SkipWithError("the new price did not show 3,990.00 and 4,548.60");
    return;
  }
  for (auto _ : state) {
    window.ChooseTo(0);
    benchmark::DoNotOptimize(window.txtInclPrice.Text().data());
  }
}
BENCHMARK(BM_WindowNewPackagePrice);

void BM_FormatPrice_Money(benchmark::State& state) {
  Money amount = Money::fromDecimal("220000.00");
  for (auto _ : state) {
    benchmark::DoNotOptimize(amount);
    std::string text = corvane::FormatPrice(amount);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_FormatPrice_Money);

void BM_FormatPrice_Double(benchmark::State& state) {
  double amount = 250'800.00;
  for (auto _ : state) {
    benchmark::DoNotOptimize(amount);
    std::string text = corvane::FormatPrice(amount);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_FormatPrice_Double);

void BM_AddVat(benchmark::State& state) {
  Money amount = Money::fromDecimal("788.60");
  for (auto _ : state) {
    benchmark::DoNotOptimize(amount);
    double inclusive = corvane::AddVat(amount, corvane::VatRate{1400});
    benchmark::DoNotOptimize(inclusive);
  }
}
BENCHMARK(BM_AddVat);

// The printed price list as corvane-pricelist prints it: every pair of packages priced (those
// never priced are left out only after), each row through the quote and the presenter.
void BM_BuildPriceList(benchmark::State& state) {
  const PriceBook& book = Book();
  std::size_t rows = 0;
  int leftOut = 0;
  for (auto _ : state) {
    auto list = corvane::BuildPriceList(book, "0%");
    rows = list.rows.size();
    leftOut = 0;
    for (const corvane::LeftOutMoves& moves : list.leftOut) leftOut += moves.count;
    benchmark::DoNotOptimize(list.rows.data());
  }
  // A label rather than a counter: the CSV report bench/run reads takes a counter only when every
  // benchmark has it.
  // No comma: bench/run reads the label from a CSV line.
  state.SetLabel(std::to_string(rows) + " rows listed of " +
                 std::to_string(rows + static_cast<std::size_t>(leftOut)) + " prices asked");
}
BENCHMARK(BM_BuildPriceList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
