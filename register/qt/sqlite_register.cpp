#include "register/qt/sqlite_register.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <QVariant>

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "qt/qt_text.h"
#include "quotation/amounts.h"
#include "register/version1.h"

namespace corvane {
namespace {

// "Corv": marks the file as this program's register, so that no other database is taken for one.
constexpr int kApplicationId = 0x436F7276;
static_assert(kApplicationId == 1131377270, "the header's application_id");
constexpr int kBusyMilliseconds = 2000;
// The list's order, with the search text in it, so that a search reads the index alone (half
// the time of reading the rows at 100,000 quotes); SQLite keeps a long entry in overflow pages.
const char* const kListIndex =
    "CREATE INDEX quotes_listed ON quotes (newest, quote_date, serial, search)";

class SqliteDialect final : public SqlDialect {
 public:
  // IMMEDIATE takes the write lock at once, so two programs never number the same quote, and a
  // writer in the way is waited for (the busy timeout) before anything is read.
  QString BeginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
  QString Contains(const QString& column) const override {
    return QStringLiteral("instr(%1, ?) > 0").arg(column);
  }
  bool Transient(const QSqlError& error) const override {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");  // BUSY, LOCKED
  }
  bool Lost(const QSqlError&) const override { return false; }
  QString Damage(QSqlDatabase& db) const override {
    QSqlQuery check(db);
    if (check.exec(QStringLiteral("PRAGMA quick_check")) && check.next() &&
        check.value(0).toString() == QLatin1String("ok")) {
      return {};
    }
    return QStringLiteral(
        "it is damaged and is no longer written to; keep a copy and restore "
        "the last good one");
  }
};

QString NewConnectionName() {
  static std::atomic<int> count{0};
  return QStringLiteral("corvane-sqlite-%1").arg(++count);
}

[[noreturn]] void Refuse(const QString& path, const QString& why) {
  throw RegisterError(ToStdString(
      QStringLiteral("The quote register %1 %2.").arg(QDir::toNativeSeparators(path), why)));
}

QString Reason(const QSqlError& error) {
  QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  // The messages end it with their own full stop.
  while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('?'))) text.chop(1);
  return text;
}

int Pragma(QSqlDatabase& db, const char* name) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) || !query.next()) {
    throw SqlFailure{query.lastError()};
  }
  return query.value(0).toInt();
}

// Opening met another program in the middle of its own opening (making the schema, upgrading,
// changing the journal): tried again in a moment, with a connection of its own.
struct OpenAgain {
  QString reason;
};

bool InTheWay(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok) & 0xFF;  // the primary result code
  return ok && (code == 5 || code == 6 || code == 10);         // BUSY, LOCKED, IOERR
}

constexpr int kOpenAttempts = 20;
constexpr int kOpenPauseMilliseconds = 100;

// Makes the schema in an empty file under the write lock; false when another program made
// something there first, which is then checked like any file that was there.
bool CreateSchema(QSqlDatabase& db) {
  Exec(db, QStringLiteral("BEGIN IMMEDIATE"));
  QSqlQuery tables(db);
  if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !tables.next()) {
    const QSqlError error = tables.lastError();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    throw SqlFailure{error};
  }
  const bool empty = tables.value(0).toInt() == 0;
  tables.finish();
  if (!empty) {
    Exec(db, QStringLiteral("ROLLBACK"));
    return false;
  }
  for (const QString& statement : RegisterSchema()) Exec(db, statement);
  Exec(db, QString::fromLatin1(kListIndex));
  Exec(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
  Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kRegisterSchemaVersion));
  Exec(db, QStringLiteral("COMMIT"));
  return true;
}

// A copy of the file as it is, written whole or not at all, under a name of this program's own
// ("quotes.v1.sqlite.XXXXXX"): several programs upgrading at once each copy, one upgrades.
QString KeepCopy(const QString& path) {
  QTemporaryFile copy(Version1CopyPath(path) + QStringLiteral(".XXXXXX"));
  copy.setAutoRemove(false);
  QFile original(path);
  if (!original.open(QIODevice::ReadOnly) || !copy.open() ||
      copy.write(original.readAll()) != original.size() || !copy.flush() || !copy.handle() ||
      ::fsync(copy.handle()) != 0) {
    copy.remove();
    Refuse(path, QStringLiteral("was not upgraded: a copy of it could not be written beside it"));
  }
  return copy.fileName();
}

// The copy of the upgraded register takes its name, "quotes.v1.sqlite" (or "quotes.v1-2.sqlite"
// beside an earlier one).
void NameCopy(const QString& copy, const QString& path) {
  QString name = Version1CopyPath(path);
  for (int n = 2; QFileInfo::exists(name); ++n) {
    name = Version1CopyPath(path);
    name.insert(name.size() - 7, QStringLiteral("-%1").arg(n));  // before ".sqlite"
  }
  QFile::rename(copy, name);  // failing, the copy stays under its first name
}

QSqlQuery Select(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(sql)) throw SqlFailure{query.lastError()};
  return query;
}

// Schema 1 kept one VAT rate per quote as text and the book's date as text; every line takes the
// quote's rate. A value it cannot read stops the upgrade, naming the quote.
void UpgradeFromVersion1(QSqlDatabase& db, const QString& path) {
  for (const char* table : {"quotes", "quote_lines", "numbering"}) {
    Exec(db, QStringLiteral("ALTER TABLE %1 RENAME TO %1_v1").arg(QLatin1String(table)));
  }
  for (const QString& statement : RegisterSchema()) Exec(db, statement);
  Exec(db, QString::fromLatin1(kListIndex));
  QSqlQuery last = Select(db, QStringLiteral("SELECT last FROM numbering_v1"));
  const qint64 lastSerial = last.next() ? last.value(0).toLongLong() : 0;
  last.finish();  // a statement still reading a table keeps it from being dropped
  Exec(db, QStringLiteral("UPDATE numbering SET last = %1").arg(lastSerial));

  QSqlQuery quotes = Select(db, QStringLiteral("SELECT * FROM quotes_v1 ORDER BY serial"));
  QSqlQuery lines(db);
  lines.setForwardOnly(true);
  if (!lines.prepare(QStringLiteral("SELECT description, quantity, unit_excl, line_excl, "
                                    "line_incl FROM quote_lines_v1 WHERE serial = ? ORDER BY "
                                    "position"))) {
    throw SqlFailure{lines.lastError()};
  }
  while (quotes.next()) {
    const auto field = [&](const char* name) { return quotes.value(QLatin1String(name)); };
    const auto text = [&](const char* name) { return ToStdString(field(name).toString()); };
    Quotation q;
    q.number = text("number");
    const auto unreadable = [&](const QString& what) {
      Refuse(path, QStringLiteral("was not upgraded: quote %1 holds %2; the register is left as "
                                  "it was")
                       .arg(ToQString(q.number), what));
    };
    const std::optional<VatRate> rate = Version1Rate(text("vat_rate"));
    if (!rate) unreadable(QStringLiteral("the VAT rate \"%1\"").arg(field("vat_rate").toString()));
    const std::optional<QuoteDate> effective = Version1BookDate(text("prices_effective"));
    if (!effective) {
      unreadable(
          QStringLiteral("the price book's date \"%1\"").arg(field("prices_effective").toString()));
    }
    const std::optional<QuoteDate> date = ParseQuoteDate(text("quote_date"));
    const std::optional<QuoteDate> validUntil = ParseQuoteDate(text("valid_until"));
    if (!date) unreadable(QStringLiteral("the date \"%1\"").arg(field("quote_date").toString()));
    if (!validUntil) {
      unreadable(QStringLiteral("the validity date \"%1\"").arg(field("valid_until").toString()));
    }
    q.revision = 1;
    q.status = QuoteStatus::Sent;
    q.statusDate = *date;
    q.date = *date;
    q.validUntil = *validUntil;
    q.customer.company = text("customer");
    q.reference = text("reference");
    q.currency = text("currency");
    q.dealer.companyName = text("dealer_name");
    q.dealer.address = text("dealer_address");
    q.dealer.vatNumber = text("dealer_vat_number");
    q.dealer.telephone = text("dealer_telephone");
    q.dealer.email = text("dealer_email");
    q.dealer.numberPrefix = text("dealer_prefix");
    q.dealer.validityDays = field("dealer_validity_days").toInt();
    q.dealer.terms = text("dealer_terms");
    q.dealer.currency = text("dealer_currency");
    // Schema 1 kept no vendor's name; the telephone number stood for the book on the quote.
    const BookIdentity book{"", *effective};
    const qint64 serial = field("serial").toLongLong();
    lines.addBindValue(serial);
    if (!lines.exec()) throw SqlFailure{lines.lastError()};
    while (lines.next()) {
      const int quantity = lines.value(1).toInt();
      if (quantity < 1 || quantity > 999) unreadable(QStringLiteral("a quantity out of range"));
      q.lines.push_back(Version1Line(ToStdString(lines.value(0).toString()), quantity,
                                     Money::fromTenThousandths(lines.value(2).toLongLong()),
                                     Money::fromTenThousandths(lines.value(3).toLongLong()),
                                     Money::fromTenThousandths(lines.value(4).toLongLong()), *rate,
                                     book));
    }
    q.totals = TotalsOf(q.lines);
    if (q.totals.excludingVat.tenThousandths() != field("total_excl").toLongLong() ||
        q.totals.includingVat.tenThousandths() != field("total_incl").toLongLong()) {
      unreadable(QStringLiteral("totals that are not the sums of its lines"));
    }
    InsertQuotation(db, q, serial, true);
  }
  quotes.finish();
  lines.finish();
  for (const char* table : {"quote_lines_v1", "quotes_v1", "numbering_v1"}) {
    Exec(db, QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)));
  }
  Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kRegisterSchemaVersion));
}

}  // namespace

QString DefaultRegisterPath() {
  // Built from the names here rather than the application's, which message boxes show.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Corvane/corvane-crossgrade/quotes.sqlite");
}

QString Version1CopyPath(const QString& path) {
  const QFileInfo info(path);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(".v1.sqlite"));
}

namespace {

std::unique_ptr<SqlQuoteRegister> OpenOnce(const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    throw RegisterError(ToStdString(QStringLiteral("The quote register cannot be kept: the folder "
                                                   "%1 cannot be created.")
                                        .arg(QDir::toNativeSeparators(folder))));
  }
  const bool fresh = !QFileInfo::exists(path) || QFileInfo(path).size() == 0;
  const QString connection = NewConnectionName();
  PendingConnection pending(connection);
  QString readOnly;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
    if (!db.open()) Refuse(path, QStringLiteral("cannot be opened: ") + Reason(db.lastError()));
    try {
      // Only an empty file is written to before it is read: a file that is not a database, or
      // not this program's, stops here untouched, and a database without tables but of another
      // program (its own id or version) is not taken over.
      const bool created = fresh && CreateSchema(db);
      const int applicationId = Pragma(db, "application_id");
      const int version = Pragma(db, "user_version");
      if (!created && applicationId != kApplicationId) {
        Refuse(path, QStringLiteral("is not a quote register; it is left as it is"));
      } else if (!created && version < 1) {
        Refuse(path, QStringLiteral("is not a quote register; it is left as it is"));
      } else if (version > kRegisterSchemaVersion) {
        readOnly = QStringLiteral(
            "it was made by a newer version of the program and is only "
            "read, never written");
        std::fprintf(stderr, "%s\n",
                     ToStdString(QStringLiteral("The quote register %1 was made by a newer "
                                                "version of the program; it is opened read-only.")
                                     .arg(shown))
                         .c_str());
      }
      if (!created && readOnly.isEmpty() && version == 1) {
        if (!SqliteDialect().Damage(db).isEmpty()) {
          Refuse(path, QStringLiteral("is damaged; it was not upgraded and is left as it is"));
        }
        // The copy is made while this program holds no lock on the file: closing any other
        // descriptor of the file in this process would drop SQLite's locks on it (POSIX locks
        // belong to the process). Whether another program wrote meanwhile is asked of SQLite
        // afterwards, under the write lock; then the copy is made again.
        Exec(db, QStringLiteral("BEGIN"));
        const int stillOne = Pragma(db, "user_version");
        const int before = Pragma(db, "data_version");
        Exec(db, QStringLiteral("COMMIT"));
        if (stillOne == 1) {
          const QString copy = KeepCopy(path);
          try {
            Exec(db, QStringLiteral("BEGIN IMMEDIATE"));
            if (Pragma(db, "data_version") != before) {
              throw OpenAgain{QStringLiteral("another program wrote to it during the upgrade")};
            }
            UpgradeFromVersion1(db, path);
            Exec(db, QStringLiteral("COMMIT"));
            NameCopy(copy, path);
          } catch (...) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            // The register is as it was: the copy of an upgrade that did not happen goes.
            QFile::remove(copy);
            throw;
          }
        }
      }
      if (created || (readOnly.isEmpty() && version == 1)) {
        // Readers do not wait for a writer, and a writer appends: many windows on one file. The
        // mode stays with the file; one made or upgraded here is in it from then on, and an
        // existing one is not written to before it is checked.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
      }
    } catch (const SqlFailure& failure) {
      if (InTheWay(failure.error)) throw OpenAgain{Reason(failure.error)};
      Refuse(path, QStringLiteral("cannot be opened: ") + Reason(failure.error));
    }
  }
  pending.Keep();
  return std::make_unique<SqlQuoteRegister>(connection, shown, std::make_unique<SqliteDialect>(),
                                            readOnly);
}

}  // namespace

std::unique_ptr<SqlQuoteRegister> OpenSqliteRegister(const QString& path) {
  for (int attempt = 1;; ++attempt) {
    try {
      return OpenOnce(path);
    } catch (const OpenAgain& again) {
      if (attempt == kOpenAttempts) {
        Refuse(path, QStringLiteral("cannot be opened: ") + again.reason);
      }
      QThread::msleep(kOpenPauseMilliseconds);
    }
  }
}

}  // namespace corvane
