#include "register/qt/sql_quote_register.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <chrono>
#include <cmath>

#include "money/leading_number.h"
#include "money/vat.h"
#include "qt/qt_text.h"

namespace corvane {
namespace {

// The rate a kept quotation names ("14%", "12.5%"), so that a reopened line changed by the dealer
// is taxed as it was; 14 % for a text that names no rate a price book could set.
VatRate RateNamed(std::string_view text) {
  const double hundredths = LeadingNumber(text) * 100;
  if (!(hundredths >= 0 && hundredths <= kMaxVatHundredths)) return VatRate{};
  return VatRate{static_cast<std::int32_t>(std::lround(hundredths))};
}

// "Corv": marks the file as this program's register, so that no other database is taken for one.
constexpr int kApplicationId = 0x436F7276;
constexpr int kSchemaVersion = 1;
constexpr int kBusyMilliseconds = 3000;

const char* const kSchema[] = {
    "CREATE TABLE numbering (id INTEGER PRIMARY KEY CHECK (id = 1), last INTEGER NOT NULL)",
    "INSERT INTO numbering VALUES (1, 0)",
    "CREATE TABLE quotes (serial INTEGER PRIMARY KEY, number TEXT NOT NULL UNIQUE,"
    " quote_date TEXT NOT NULL, valid_until TEXT NOT NULL, customer TEXT NOT NULL,"
    " reference TEXT NOT NULL, vat_rate TEXT NOT NULL, currency TEXT NOT NULL,"
    " prices_effective TEXT NOT NULL, vendor_phone TEXT NOT NULL, dealer_name TEXT NOT NULL,"
    " dealer_address TEXT NOT NULL, dealer_vat_number TEXT NOT NULL,"
    " dealer_telephone TEXT NOT NULL, dealer_email TEXT NOT NULL, dealer_prefix TEXT NOT NULL,"
    " dealer_validity_days INTEGER NOT NULL, dealer_terms TEXT NOT NULL,"
    " dealer_currency TEXT NOT NULL, total_excl INTEGER NOT NULL, total_vat INTEGER NOT NULL,"
    " total_incl INTEGER NOT NULL)",
    "CREATE TABLE quote_lines (serial INTEGER NOT NULL REFERENCES quotes (serial),"
    " position INTEGER NOT NULL, description TEXT NOT NULL, quantity INTEGER NOT NULL,"
    " unit_excl INTEGER NOT NULL, line_excl INTEGER NOT NULL, line_incl INTEGER NOT NULL,"
    " PRIMARY KEY (serial, position))",
    "PRAGMA application_id = 1131377270",
    "PRAGMA user_version = 1",
};
static_assert(kApplicationId == 1131377270, "the schema's application_id is kApplicationId");

QString NewConnectionName() {
  static std::atomic<int> count{0};
  return QStringLiteral("corvane-register-%1").arg(++count);
}

QString Reason(const QSqlError& error) {
  const QString text = error.driverText().isEmpty() ? error.text() : error.databaseText();
  return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

[[noreturn]] void Fail(const QString& path, const QString& what, const QSqlError& error) {
  throw RegisterError(ToStdString(QStringLiteral("The quote register %1 %2: %3.")
                                      .arg(QDir::toNativeSeparators(path), what, Reason(error))));
}

QSqlQuery Run(QSqlDatabase& db, const QString& path, const QString& what, const QString& sql) {
  QSqlQuery query(db);
  if (!query.exec(sql)) Fail(path, what, query.lastError());
  return query;
}

qint64 Raw(Money amount) {
  return amount.tenThousandths();
}
Money Amount(const QVariant& value) {
  return Money::fromTenThousandths(value.toLongLong());
}
QString Text(const std::string& text) {
  return ToQString(text);
}
std::string Std(const QVariant& value) {
  return ToStdString(value.toString());
}
QuoteDate Date(const QVariant& value) {
  return ParseQuoteDate(Std(value)).value_or(QuoteDate{});
}

// Whatever goes wrong inside a transaction rolls it back, so a save is all or nothing.
class Transaction {
 public:
  Transaction(QSqlDatabase& db, const QString& path) : db_(db), path_(path) {
    // IMMEDIATE takes the write lock at once, so two programs never number the same quote.
    Run(db_, path_, QStringLiteral("could not be written"), QStringLiteral("BEGIN IMMEDIATE"));
  }
  ~Transaction() {
    if (!done_) QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
  }
  void Commit() {
    Run(db_, path_, QStringLiteral("could not be written"), QStringLiteral("COMMIT"));
    done_ = true;
  }

 private:
  QSqlDatabase& db_;
  const QString& path_;
  bool done_ = false;
};

}  // namespace

QString DefaultRegisterPath() {
  // Built from the names here rather than the application's, which message boxes show.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Corvane/corvane-crossgrade/quotes.sqlite");
}

std::unique_ptr<SqlQuoteRegister> SqlQuoteRegister::Open(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    throw RegisterError(ToStdString(QStringLiteral("The quote register cannot be kept: the folder "
                                                   "%1 cannot be created.")
                                        .arg(QDir::toNativeSeparators(folder))));
  }
  std::unique_ptr<SqlQuoteRegister> opened(new SqlQuoteRegister(NewConnectionName(), path));
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), opened->connection_);
  db.setDatabaseName(path);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
  const QString cannotOpen = QStringLiteral("cannot be opened");
  if (!db.open()) Fail(path, cannotOpen, db.lastError());

  // Read before anything is written: a file that is not a database, or not this program's,
  // stops here untouched.
  QSqlQuery id = Run(db, path, cannotOpen, QStringLiteral("PRAGMA application_id"));
  const int applicationId = id.next() ? id.value(0).toInt() : 0;
  QSqlQuery tables =
      Run(db, path, cannotOpen, QStringLiteral("SELECT count(*) FROM sqlite_master"));
  const int tableCount = tables.next() ? tables.value(0).toInt() : 0;
  if (tableCount == 0 && applicationId == 0) {
    Transaction transaction(db, path);
    for (const char* statement : kSchema) {
      Run(db, path, QStringLiteral("could not be created"), QString::fromLatin1(statement));
    }
    transaction.Commit();
  } else if (applicationId != kApplicationId) {
    throw RegisterError(
        ToStdString(QStringLiteral("The file %1 is not a quote register; it is left as it is.")
                        .arg(QDir::toNativeSeparators(path))));
  } else {
    QSqlQuery version = Run(db, path, cannotOpen, QStringLiteral("PRAGMA user_version"));
    if (!version.next() || version.value(0).toInt() != kSchemaVersion) {
      throw RegisterError(ToStdString(
          QStringLiteral("The quote register %1 was made by another version of the program.")
              .arg(QDir::toNativeSeparators(path))));
    }
  }
  return opened;
}

SqlQuoteRegister::SqlQuoteRegister(QString connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path)) {}

SqlQuoteRegister::~SqlQuoteRegister() {
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

Quotation SqlQuoteRegister::Keep(const Quotation& quotation) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  const QString what = QStringLiteral("could not keep the quote");
  Transaction transaction(db, path_);
  Run(db, path_, what, QStringLiteral("UPDATE numbering SET last = last + 1"));
  QSqlQuery last = Run(db, path_, what, QStringLiteral("SELECT last FROM numbering"));
  if (!last.next()) Fail(path_, what, last.lastError());
  const qint64 serial = last.value(0).toLongLong();

  Quotation kept = quotation;
  const int year = static_cast<int>(std::chrono::year_month_day(quotation.date).year());
  kept.number = QuoteNumber(quotation.dealer.numberPrefix, year, serial);

  QSqlQuery insert(db);
  insert.prepare(QStringLiteral(
      "INSERT INTO quotes VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
      "?)"));
  const DealerDetails& dealer = kept.dealer;
  for (const QVariant& value : {
           QVariant(serial),
           QVariant(Text(kept.number)),
           QVariant(Text(IsoDate(kept.date))),
           QVariant(Text(IsoDate(kept.validUntil))),
           QVariant(Text(kept.customer)),
           QVariant(Text(kept.reference)),
           QVariant(Text(kept.terms.vatRate)),
           QVariant(Text(kept.terms.currency)),
           QVariant(Text(kept.terms.pricesEffective)),
           QVariant(Text(kept.terms.vendorPhone)),
           QVariant(Text(dealer.companyName)),
           QVariant(Text(dealer.address)),
           QVariant(Text(dealer.vatNumber)),
           QVariant(Text(dealer.telephone)),
           QVariant(Text(dealer.email)),
           QVariant(Text(dealer.numberPrefix)),
           QVariant(dealer.validityDays),
           QVariant(Text(dealer.terms)),
           QVariant(Text(dealer.currency)),
           QVariant(Raw(kept.totals.excludingVat)),
           QVariant(Raw(kept.totals.vat)),
           QVariant(Raw(kept.totals.includingVat)),
       }) {
    insert.addBindValue(value);
  }
  if (!insert.exec()) Fail(path_, what, insert.lastError());

  QSqlQuery line(db);
  line.prepare(QStringLiteral("INSERT INTO quote_lines VALUES (?, ?, ?, ?, ?, ?, ?)"));
  int position = 0;
  for (const QuoteLine& l : kept.lines) {
    for (const QVariant& value :
         {QVariant(serial), QVariant(position++), QVariant(Text(l.description)),
          QVariant(int{l.quantity}), QVariant(Raw(l.unitExcludingVat)),
          QVariant(Raw(l.totalExcludingVat)), QVariant(Raw(l.totalIncludingVat))}) {
      line.addBindValue(value);
    }
    if (!line.exec()) Fail(path_, what, line.lastError());
  }
  transaction.Commit();
  return kept;
}

std::vector<RegisterEntry> SqlQuoteRegister::Entries() {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral(
          "SELECT number, customer, quote_date, total_incl FROM quotes ORDER BY serial DESC"))) {
    Fail(path_, QStringLiteral("cannot be read"), query.lastError());
  }
  std::vector<RegisterEntry> entries;
  while (query.next()) {
    entries.push_back(RegisterEntry{Std(query.value(0)), Std(query.value(1)), Date(query.value(2)),
                                    Amount(query.value(3))});
  }
  return entries;
}

Quotation SqlQuoteRegister::Find(const std::string& number) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  const QString what = QStringLiteral("cannot be read");
  QSqlQuery query(db);
  query.prepare(QStringLiteral("SELECT * FROM quotes WHERE number = ?"));
  query.addBindValue(Text(number));
  if (!query.exec()) Fail(path_, what, query.lastError());
  if (!query.next()) {
    throw RegisterError("The quote register holds no quote numbered " + number + ".");
  }
  const auto field = [&](const char* name) { return query.value(QLatin1String(name)); };
  Quotation found;
  found.number = Std(field("number"));
  found.date = Date(field("quote_date"));
  found.validUntil = Date(field("valid_until"));
  found.customer = Std(field("customer"));
  found.reference = Std(field("reference"));
  found.terms = QuoteTerms{Std(field("vat_rate")), Std(field("currency")),
                           Std(field("prices_effective")), Std(field("vendor_phone"))};
  found.dealer.companyName = Std(field("dealer_name"));
  found.dealer.address = Std(field("dealer_address"));
  found.dealer.vatNumber = Std(field("dealer_vat_number"));
  found.dealer.telephone = Std(field("dealer_telephone"));
  found.dealer.email = Std(field("dealer_email"));
  found.dealer.numberPrefix = Std(field("dealer_prefix"));
  found.dealer.validityDays = field("dealer_validity_days").toInt();
  found.dealer.terms = Std(field("dealer_terms"));
  found.dealer.currency = Std(field("dealer_currency"));
  found.totals = SheetTotals{Amount(field("total_excl")), Amount(field("total_incl")),
                             Amount(field("total_vat"))};
  const qint64 serial = field("serial").toLongLong();

  QSqlQuery lines(db);
  lines.prepare(QStringLiteral(
      "SELECT description, quantity, unit_excl, line_excl, line_incl FROM quote_lines "
      "WHERE serial = ? ORDER BY position"));
  lines.addBindValue(serial);
  if (!lines.exec()) Fail(path_, what, lines.lastError());
  while (lines.next()) {
    found.lines.push_back(QuoteLine{Std(lines.value(0)),
                                    static_cast<std::int16_t>(lines.value(1).toInt()),
                                    Amount(lines.value(2)), Amount(lines.value(3)),
                                    Amount(lines.value(4)), RateNamed(found.terms.vatRate)});
  }
  return found;
}

}  // namespace corvane
