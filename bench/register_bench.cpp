// The quote register with 10,000 quotes kept: opening it and listing them all, as the "Quotes..."
// window does, and finding quotes by customer or number as the dealer types.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "money/shown_price.h"
#include "register/qt/sql_quote_register.h"
#include "sheet/quote_sheet.h"

namespace {

using corvane::SqlQuoteRegister;

constexpr int kQuotes = 10'000;
const char* const kCustomers[] = {"Bell & Sons", "Tarn Systems", "Orrin Foods", "Kestrel Mining",
                                  "Moor Street Pharmacy"};

// The register file, generated once per run: 10,000 quotes of three lines, five customers, each
// kept by the register's own code, one transaction each. It is made in memory where the system
// has a memory file system: each save waits for the disk otherwise, which makes generating it
// take minutes, while the reads measured come from memory either way once the file is written.
const QString& RegisterPath() {
  static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/corvane-bench-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
  static const QString path = [] {
    const QString file = folder.filePath(QStringLiteral("quotes.sqlite"));
    auto kept = SqlQuoteRegister::Open(file);
    corvane::QuoteSheet sheet;
    for (int line = 0; line < 3; ++line) {
      sheet.Add(
          corvane::PricedItem{"Support Contract (monthly): Tessaline " + std::to_string(line + 1),
                              corvane::PriceForDisplay(corvane::Money::fromDecimal("236.84"), {})});
    }
    const corvane::QuoteDate day{std::chrono::year_month_day{
        std::chrono::year(2026), std::chrono::December, std::chrono::day(9)}};
    sheet.SetDates(day, day + std::chrono::days(30));
    for (int i = 0; i < kQuotes; ++i) {
      sheet.SetCustomer(std::string(kCustomers[i % 5]) + " " + std::to_string(i));
      kept->Keep(sheet.Document({}, {}));
    }
    return file;
  }();
  return path;
}

void BM_RegisterOpenAndList(benchmark::State& state) {
  const QString& path = RegisterPath();
  for (auto _ : state) {
    auto kept = SqlQuoteRegister::Open(path);
    std::vector<corvane::RegisterEntry> entries = kept->Entries();
    if (entries.size() != kQuotes) state.SkipWithError("the register lists the wrong count");
    benchmark::DoNotOptimize(entries);
  }
}
BENCHMARK(BM_RegisterOpenAndList)->Unit(benchmark::kMillisecond);

// Each text as typed so far, as the window filters on every keystroke.
void BM_RegisterSearch(benchmark::State& state, std::string typed) {
  const std::vector<corvane::RegisterEntry> entries =
      SqlQuoteRegister::Open(RegisterPath())->Entries();
  for (auto _ : state) {
    auto found = corvane::Matching(entries, typed);
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK_CAPTURE(BM_RegisterSearch, customer, std::string("kestrel 12"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RegisterSearch, number, std::string("q-2026-09"))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
