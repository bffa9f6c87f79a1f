// The quote register with 10,000 and 100,000 quotes kept: opening it (with its quick check) and
// listing them, as the "Quotes..." window does; finding quotes as the dealer types; the upgrade
// of a register of schema 1; keeping the sheet's draft of 100 lines. With CORVANE_BENCH_POSTGRES
// set to a server's URI (scripts/with-postgres sets CORVANE_TEST_POSTGRES, which serves too),
// keeping a quote there.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "quotation/amounts.h"
#include "register/qt/open_register.h"
#include "register/qt/sqlite_register.h"

namespace {

using namespace corvane;

const char* const kCustomers[] = {"Bell & Sons", "Tarn Systems", "Müller GmbH", "Kestrel Mining",
                                  "Ångström AB"};

QuoteDate Day(int n) {
  return QuoteDate{std::chrono::year_month_day{std::chrono::year(2020), std::chrono::January,
                                               std::chrono::day(1)}} +
         std::chrono::days(n % 2500);
}

Quotation Generated(int i, int lines) {
  Quotation q;
  q.date = Day(i);
  q.validUntil = q.date + std::chrono::days(30);
  q.customer.company = std::string(kCustomers[i % 5]) + " " + std::to_string(i);
  q.reference = "PO-" + std::to_string(i * 7 % 100000);
  q.currency = "ZAR";
  for (int l = 0; l < lines; ++l) {
    QuoteLine line;
    line.description = "Cross-grade Windows HB 1 to Windows HB " + std::to_string(l % 3 + 2);
    line.subject = LineSubject{QuoteKind::CrossGrade, "Windows HB 1",
                               "Windows HB " + std::to_string(l % 3 + 2), "", 0};
    line.vat = VatRate{1400};
    line.listPrice = Money::fromTenThousandths(2368400 + 100 * (i % 1000));
    const UnitPrice unit = QuotedUnitPrice(line.listPrice, line.vat);
    line.basis = unit.basis;
    line.unitPrice = unit.amount;
    line.quantity = static_cast<std::int16_t>(l + 1);
    line.amounts = LineAmountsOf(unit, line.quantity, line.vat);
    q.lines.push_back(line);
  }
  q.totals = TotalsOf(q.lines);
  return q;
}

// One folder for the run, in memory where the system has a memory file system.
QTemporaryDir& Folder() {
  static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/corvane-bench-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
  return folder;
}

// A register of `count` quotes of three lines, made once per run, imported 10,000 at a time.
const QString& RegisterOf(int count) {
  static std::map<int, QString> made;
  auto found = made.find(count);
  if (found != made.end()) return found->second;
  const QString path = Folder().filePath(QStringLiteral("quotes-%1.sqlite").arg(count));
  auto kept = OpenSqliteRegister(path);
  for (int start = 0; start < count; start += 10'000) {
    std::vector<Quotation> batch;
    for (int i = start; i < start + 10'000 && i < count; ++i) batch.push_back(Generated(i, 3));
    kept->Import(batch);
  }
  return made.emplace(count, path).first->second;
}

void BM_RegisterOpen(benchmark::State& state) {
  const QString& path = RegisterOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(OpenSqliteRegister(path));
}
BENCHMARK(BM_RegisterOpen)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_RegisterOpenAndList(benchmark::State& state) {
  const QString& path = RegisterOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto kept = OpenSqliteRegister(path);
    std::vector<RegisterEntry> entries = kept->Entries({});
    if (entries.size() != static_cast<std::size_t>(state.range(0))) {
      state.SkipWithError("the register lists the wrong count");
    }
    benchmark::DoNotOptimize(entries);
  }
}
BENCHMARK(BM_RegisterOpenAndList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A text as typed, over the whole register, folded for case and accents.
void BM_RegisterSearch(benchmark::State& state, std::string typed) {
  auto kept = OpenSqliteRegister(RegisterOf(static_cast<int>(state.range(0))));
  RegisterFilter filter;
  filter.text = std::move(typed);
  for (auto _ : state) benchmark::DoNotOptimize(kept->Entries(filter));
}
BENCHMARK_CAPTURE(BM_RegisterSearch, customer, std::string("muller 12"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RegisterSearch, number, std::string("q-2026-7"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RegisterSearch, none, std::string("nobody at all"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// A register of schema 1 written as that release wrote it, upgraded on opening.
void BM_RegisterUpgradeFromVersion1(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    const QString path = Folder().filePath(QStringLiteral("v1.sqlite"));
    QFile::remove(path);
    QFile::remove(Version1CopyPath(path));
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
      db.setDatabaseName(path);
      db.open();
      QSqlQuery query(db);
      for (const char* statement :
           {"CREATE TABLE numbering (id INTEGER PRIMARY KEY CHECK (id = 1), last INTEGER NOT "
            "NULL)",
            "CREATE TABLE quotes (serial INTEGER PRIMARY KEY, number TEXT NOT NULL UNIQUE,"
            " quote_date TEXT NOT NULL, valid_until TEXT NOT NULL, customer TEXT NOT NULL,"
            " reference TEXT NOT NULL, vat_rate TEXT NOT NULL, currency TEXT NOT NULL,"
            " prices_effective TEXT NOT NULL, vendor_phone TEXT NOT NULL, dealer_name TEXT "
            "NOT NULL, dealer_address TEXT NOT NULL, dealer_vat_number TEXT NOT NULL,"
            " dealer_telephone TEXT NOT NULL, dealer_email TEXT NOT NULL, dealer_prefix TEXT "
            "NOT NULL, dealer_validity_days INTEGER NOT NULL, dealer_terms TEXT NOT NULL,"
            " dealer_currency TEXT NOT NULL, total_excl INTEGER NOT NULL, total_vat INTEGER "
            "NOT NULL, total_incl INTEGER NOT NULL)",
            "CREATE TABLE quote_lines (serial INTEGER NOT NULL REFERENCES quotes (serial),"
            " position INTEGER NOT NULL, description TEXT NOT NULL, quantity INTEGER NOT NULL,"
            " unit_excl INTEGER NOT NULL, line_excl INTEGER NOT NULL, line_incl INTEGER NOT "
            "NULL, PRIMARY KEY (serial, position))",
            "PRAGMA application_id = 1131377270", "PRAGMA user_version = 1", "BEGIN"}) {
        query.exec(QString::fromLatin1(statement));
      }
      query.exec(QStringLiteral("INSERT INTO numbering VALUES (1, %1)").arg(count));
      QSqlQuery quote(db);
      quote.prepare(
          QStringLiteral("INSERT INTO quotes VALUES (?, ?, '2026-01-12', "
                         "'2026-02-11', ?, 'PO-1', '14%', 'ZAR', '28 May 2012', '', "
                         "'Tarn', '', '', '', '', 'Q-', 30, '', '', 47368000, 6631520, "
                         "54000000)"));
      QSqlQuery line(db);
      line.prepare(
          QStringLiteral("INSERT INTO quote_lines VALUES (?, ?, 'Support', 12, "
                         "3947333, 47368000, 54000000)"));
      for (int i = 1; i <= count; ++i) {
        quote.addBindValue(i);
        quote.addBindValue(QStringLiteral("Q-2026-%1").arg(i, 4, 10, QLatin1Char('0')));
        quote.addBindValue(QString::fromUtf8(kCustomers[i % 5]));
        quote.exec();
        line.addBindValue(i);
        line.addBindValue(0);
        line.exec();
      }
      query.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    state.ResumeTiming();
    auto kept = OpenSqliteRegister(path);
    if (kept->Entries({}).size() != static_cast<std::size_t>(count)) {
      state.SkipWithError("quotes lost in the upgrade");
    }
  }
}
BENCHMARK(BM_RegisterUpgradeFromVersion1)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_KeepDraft(benchmark::State& state) {
  auto kept = OpenSqliteRegister(Folder().filePath(QStringLiteral("draft.sqlite")));
  const Quotation draft = Generated(1, 100);
  for (auto _ : state) kept->KeepDraft(draft);
}
BENCHMARK(BM_KeepDraft)->Unit(benchmark::kMillisecond);

// Keeping a quote in a PostgreSQL register; measured only where a server is named.
QString PostgresServer() {
  const QString server = qEnvironmentVariable("CORVANE_BENCH_POSTGRES");
  return server.isEmpty() ? qEnvironmentVariable("CORVANE_TEST_POSTGRES") : server;
}

void BM_PostgresKeep(benchmark::State& state) {
  auto kept = OpenRegister(PostgresServer());
  const Quotation quotation = Generated(1, 5);
  for (auto _ : state) benchmark::DoNotOptimize(kept->Keep(quotation));
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (!PostgresServer().isEmpty()) {
    benchmark::RegisterBenchmark("BM_PostgresKeep", BM_PostgresKeep)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
