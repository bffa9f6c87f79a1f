// The quote register with 10,000 and with 100,000 quotes kept: opening it and listing them all, as
// the "Quotes..." window does, and finding quotes by customer or number as the dealer types.
//
// What this file knows of how the register keeps quotes is in RegisterWith alone, so that a
// change to the register's tables changes one function here.
#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "money/shown_price.h"
#include "register/qt/sql_quote_register.h"
#include "sheet/quote_sheet.h"

namespace {

using corvane::SqlQuoteRegister;

const char* const kCustomers[] = {"Bell & Sons", "Tarn Systems", "Orrin Foods", "Kestrel Mining",
                                  "Moor Street Pharmacy"};
constexpr int kSeeds = std::size(kCustomers);

[[noreturn]] void Fail(const QString& what, const QSqlError& error) {
  std::fprintf(stderr, "corvane_register_bench: %s: %s\n", qPrintable(what),
               qPrintable(error.text()));
  std::exit(EXIT_FAILURE);
}

// The folder of the generated registers: in memory where the system has a memory file system,
// so that the reads measured never wait for a disk.
const QTemporaryDir& Folder() {
  static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                        ? QStringLiteral("/dev/shm/corvane-bench-XXXXXX")
                                        : QDir::tempPath() +
                                              QStringLiteral("/corvane-bench-XXXXXX"));
  return folder;
}

// A register file holding `count` quotes of three lines, for five customers, made once per run.
// The first five are kept by the register's own code, so that the file, its tables and its rows
// are the register's; the rest are copies of them with their own serial, number and customer,
// made in one transaction (one per quote would take minutes for 100,000).
QString RegisterWith(int count) {
  static std::map<int, QString> made;
  if (auto found = made.find(count); found != made.end()) return found->second;

  const QString path = Folder().filePath(QStringLiteral("quotes-%1.sqlite").arg(count));
  {
    auto kept = SqlQuoteRegister::Open(path);
    corvane::QuoteSheet sheet;
    for (int line = 0; line < 3; ++line) {
      sheet.Add(corvane::PricedItem{
          "Support Contract (monthly): Tessaline " + std::to_string(line + 1),
          corvane::PriceForDisplay(corvane::Money::fromDecimal("236.84"), {}, corvane::VatRate{})});
    }
    const corvane::QuoteDate day{std::chrono::year_month_day{
        std::chrono::year(2026), std::chrono::December, std::chrono::day(9)}};
    sheet.SetDates(day, day + std::chrono::days(30));
    for (const char* customer : kCustomers) {
      sheet.SetCustomer(customer);
      kept->Keep(sheet.Document({}, {}));
    }
  }

  const QString connection = QStringLiteral("corvane-register-bench-%1").arg(count);
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    if (!db.open()) Fail(QStringLiteral("cannot open ") + path, db.lastError());
    const QString copies = QString::number(count / kSeeds - 1);
    const QString seeds = QString::number(kSeeds);
    const QStringList statements = {
        // The copies are made in memory: on disk, the temporary tables alone take seconds.
        QStringLiteral("PRAGMA temp_store = MEMORY"),
        QStringLiteral("PRAGMA journal_mode = MEMORY"),
        QStringLiteral("BEGIN"),
        QStringLiteral("CREATE TEMP TABLE copy (i INTEGER PRIMARY KEY)"),
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                       "%1) INSERT INTO copy SELECT i FROM n")
            .arg(copies),
        // Each table's rows, once per copy, moved on by the copy's number of serials.
        QStringLiteral("CREATE TEMP TABLE more_quotes AS SELECT quotes.*, copy.i AS copy_i "
                       "FROM quotes, copy"),
        QStringLiteral("UPDATE more_quotes SET serial = serial + copy_i * ") + seeds +
            QStringLiteral(", number = printf('Q-2026-%04d', serial + copy_i * ") + seeds +
            QStringLiteral(")"),
        QStringLiteral("ALTER TABLE more_quotes DROP COLUMN copy_i"),
        QStringLiteral("CREATE TEMP TABLE more_lines AS SELECT quote_lines.*, copy.i AS copy_i "
                       "FROM quote_lines, copy"),
        QStringLiteral("UPDATE more_lines SET serial = serial + copy_i * %1").arg(seeds),
        QStringLiteral("ALTER TABLE more_lines DROP COLUMN copy_i"),
        QStringLiteral("INSERT INTO quotes SELECT * FROM more_quotes ORDER BY serial"),
        QStringLiteral("INSERT INTO quote_lines SELECT * FROM more_lines ORDER BY serial"),
        QStringLiteral("UPDATE quotes SET customer = customer || ' ' || (serial - 1)"),
        QStringLiteral("UPDATE numbering SET last = (SELECT max(serial) FROM quotes)"),
        QStringLiteral("COMMIT"),
    };
    for (const QString& statement : statements) {
      QSqlQuery query(db);
      if (!query.exec(statement)) Fail(statement, query.lastError());
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(connection);
  // Each benchmark checks that the register lists `count` quotes.
  return made[count] = path;
}

// The register's list of `count` quotes, read once per run.
const std::vector<corvane::RegisterEntry>& EntriesOf(int count) {
  static std::map<int, std::vector<corvane::RegisterEntry>> read;
  auto found = read.find(count);
  if (found == read.end()) {
    found = read.emplace(count, SqlQuoteRegister::Open(RegisterWith(count))->Entries()).first;
    if (found->second.size() != static_cast<std::size_t>(count)) {
      std::fprintf(stderr, "corvane_register_bench: the register lists %zu quotes, not %d\n",
                   found->second.size(), count);
      std::exit(EXIT_FAILURE);
    }
  }
  return found->second;
}

void BM_RegisterOpenAndList(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const QString path = RegisterWith(count);
  for (auto _ : state) {
    auto kept = SqlQuoteRegister::Open(path);
    std::vector<corvane::RegisterEntry> entries = kept->Entries();
    if (entries.size() != static_cast<std::size_t>(count)) {
      state.SkipWithError("the register lists the wrong count");
    }
    benchmark::DoNotOptimize(entries);
  }
}
BENCHMARK(BM_RegisterOpenAndList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The text as typed so far, as the window filters on every keystroke: a customer's name and a
// number, each found in a few of the quotes.
void BM_RegisterSearch(benchmark::State& state, std::string typed) {
  const std::vector<corvane::RegisterEntry>& entries = EntriesOf(static_cast<int>(state.range(0)));
  std::size_t found = 0;
  for (auto _ : state) {
    auto matching = corvane::Matching(entries, typed);
    found = matching.size();
    benchmark::DoNotOptimize(matching);
  }
  if (found == 0) state.SkipWithError("the text found no quote");
}
BENCHMARK_CAPTURE(BM_RegisterSearch, customer, std::string("kestrel mining 12"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RegisterSearch, number, std::string("q-2026-09"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
