#include "register/qt/sql_quote_register.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>
#include <QVariant>

#include <array>
#include <atomic>
#include <chrono>
#include <utility>

#include "qt/qt_text.h"
#include "quotation/amounts.h"
#include "quotation/quote_status.h"
#include "register/qt/search_text.h"
#include "register/register_json.h"

namespace corvane {
namespace {

// The pause before a transaction another writer kept from its lock is tried again; the
// database's own busy wait comes on top. A lost connection is tried again this often.
constexpr int kRetryPauseMilliseconds = 50;
constexpr int kReconnectAttempts = 2;

constexpr std::array<std::pair<QuoteStatus, const char*>, 4> kKeptStatuses = {{
    {QuoteStatus::Draft, "Draft"},
    {QuoteStatus::Sent, "Sent"},
    {QuoteStatus::Accepted, "Accepted"},
    {QuoteStatus::Declined, "Declined"},
}};
constexpr std::array<std::pair<QuoteKind, const char*>, 4> kKinds = {{
    {QuoteKind::CrossGrade, "crossGrade"},
    {QuoteKind::NewPackage, "newPackage"},
    {QuoteKind::Support, "support"},
    {QuoteKind::Other, "other"},
}};

const char* StatusKey(QuoteStatus status) {
  for (const auto& [s, key] : kKeptStatuses) {
    if (s == status) return key;
  }
  return "Sent";  // Expired is never kept: it is Sent, past its date
}

const char* KindKey(QuoteKind kind) {
  for (const auto& [k, key] : kKinds) {
    if (k == kind) return key;
  }
  return "other";
}

QVariant Text(const std::string& text) {
  return ToQString(text);
}
QVariant Raw(Money amount) {
  return QVariant::fromValue<qint64>(amount.tenThousandths());
}
QVariant Date(QuoteDate date) {
  return ToQString(IsoDate(date));
}
QVariant Null() {
  return QVariant(QMetaType::fromType<QString>());
}

// A stored value the program cannot read is the register's fault, named with the quote it is in,
// never taken as some default.
class Unreadable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Str(const QVariant& value) {
  return ToStdString(value.toString());
}
QuoteDate DateOf(const QVariant& value, const char* what) {
  const std::optional<QuoteDate> date = ParseQuoteDate(Str(value));
  if (!date) throw Unreadable(std::string(what) + " \"" + Str(value) + "\" is not a date");
  return *date;
}
Money AmountOf(const QVariant& value, const char* what) {
  bool ok = false;
  const qint64 raw = value.toLongLong(&ok);
  if (!ok) throw Unreadable(std::string(what) + " is not an amount");
  return Money::fromTenThousandths(raw);
}
std::int64_t WholeOf(const QVariant& value, const char* what, std::int64_t low, std::int64_t high) {
  bool ok = false;
  const qint64 n = value.toLongLong(&ok);
  if (!ok || n < low || n > high) throw Unreadable(std::string(what) + " is out of range");
  return n;
}
QuoteStatus StatusOf(const QVariant& value) {
  const std::string key = Str(value);
  for (const auto& [s, k] : kKeptStatuses) {
    if (key == k) return s;
  }
  throw Unreadable("the status \"" + key + "\" is none this program knows");
}

QSqlQuery Prepared(QSqlDatabase& db, const QString& sql, const std::vector<QVariant>& values) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.prepare(sql)) throw SqlFailure{query.lastError()};
  for (const QVariant& value : values) query.addBindValue(value);
  if (!query.exec()) throw SqlFailure{query.lastError()};
  return query;
}

QString Reason(const QSqlError& error) {
  QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  text = text.trimmed();
  // The messages end it with their own full stop.
  while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('?'))) text.chop(1);
  return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

const QString kEntryColumns = QStringLiteral(
    "number, revision, status, status_date, customer_company, reference, quote_date, "
    "valid_until, total_incl");

RegisterEntry EntryOf(const QSqlQuery& row) {
  const std::string number = Str(row.value(0));
  try {
    RegisterEntry entry;
    entry.number = number;
    entry.revision = static_cast<int>(WholeOf(row.value(1), "the revision", 1, 1'000'000));
    entry.status = StatusOf(row.value(2));
    if (!row.value(3).isNull()) entry.statusDate = DateOf(row.value(3), "the status's date");
    entry.customer = Str(row.value(4));
    entry.reference = Str(row.value(5));
    entry.date = DateOf(row.value(6), "the date");
    entry.validUntil = DateOf(row.value(7), "the validity date");
    entry.totalIncludingVat = AmountOf(row.value(8), "the total");
    return entry;
  } catch (const Unreadable& fault) {
    throw RegisterError("The quote register holds quote " + number +
                        " in a form this program "
                        "cannot read: " +
                        fault.what() + ".");
  }
}

// The trailing digits of a number: its serial, so that numbers given later lie beyond it.
std::int64_t SerialOf(const std::string& number) {
  std::size_t start = number.size();
  while (start > 0 && number[start - 1] >= '0' && number[start - 1] <= '9') --start;
  if (start == number.size() || number.size() - start > 15) return 0;
  return std::stoll(number.substr(start));
}

QString NewDesk() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
  return user + QLatin1Char('@') + QSysInfo::machineHostName();
}

}  // namespace

const std::vector<QString>& RegisterSchema() {
  // BIGINT for every amount: ten-thousandths overflow a 32-bit integer above 214,748.36.
  static const std::vector<QString> schema = {
      QStringLiteral("CREATE TABLE numbering (id INTEGER PRIMARY KEY CHECK (id = 1),"
                     " last BIGINT NOT NULL, changes BIGINT NOT NULL)"),
      QStringLiteral("INSERT INTO numbering VALUES (1, 0, 0)"),
      QStringLiteral(
          "CREATE TABLE quotes (number TEXT NOT NULL, revision INTEGER NOT NULL,"
          " serial BIGINT NOT NULL, newest INTEGER NOT NULL, status TEXT NOT NULL,"
          " status_date TEXT, quote_date TEXT NOT NULL, valid_until TEXT NOT NULL,"
          " customer_company TEXT NOT NULL, customer_contact TEXT NOT NULL,"
          " customer_address TEXT NOT NULL, customer_vat_number TEXT NOT NULL,"
          " customer_email TEXT NOT NULL, customer_telephone TEXT NOT NULL,"
          " reference TEXT NOT NULL, currency TEXT NOT NULL, dealer_name TEXT NOT NULL,"
          " dealer_address TEXT NOT NULL, dealer_vat_number TEXT NOT NULL,"
          " dealer_telephone TEXT NOT NULL, dealer_email TEXT NOT NULL,"
          " dealer_prefix TEXT NOT NULL, dealer_validity_days INTEGER NOT NULL,"
          " dealer_terms TEXT NOT NULL, dealer_payment_terms TEXT NOT NULL,"
          " bank_holder TEXT NOT NULL, bank_name TEXT NOT NULL, bank_account TEXT NOT NULL,"
          " bank_branch TEXT NOT NULL, dealer_currency TEXT NOT NULL,"
          " total_excl BIGINT NOT NULL, total_vat BIGINT NOT NULL, total_incl BIGINT NOT NULL,"
          " search TEXT NOT NULL, PRIMARY KEY (number, revision))"),
      QStringLiteral(
          "CREATE TABLE quote_lines (number TEXT NOT NULL, revision INTEGER NOT NULL,"
          " position INTEGER NOT NULL, description TEXT NOT NULL, subject_kind TEXT,"
          " subject_from TEXT, subject_to TEXT, subject_item TEXT, subject_age_band INTEGER,"
          " book_vendor TEXT NOT NULL, book_effective TEXT NOT NULL,"
          " vat_hundredths INTEGER NOT NULL, list_price BIGINT NOT NULL, discount BIGINT,"
          " basis TEXT NOT NULL, unit_price BIGINT NOT NULL, quantity INTEGER NOT NULL,"
          " line_excl BIGINT NOT NULL, line_vat BIGINT NOT NULL, line_incl BIGINT NOT NULL,"
          " earlier_unit_price BIGINT, kept_price INTEGER NOT NULL,"
          " PRIMARY KEY (number, revision, position),"
          " FOREIGN KEY (number, revision) REFERENCES quotes (number, revision))"),
      QStringLiteral("CREATE TABLE customers (company TEXT PRIMARY KEY, contact TEXT NOT NULL,"
                     " address TEXT NOT NULL, vat_number TEXT NOT NULL, email TEXT NOT NULL,"
                     " telephone TEXT NOT NULL, search TEXT NOT NULL)"),
      QStringLiteral("CREATE TABLE drafts (desk TEXT PRIMARY KEY, saved TEXT NOT NULL,"
                     " quotation TEXT NOT NULL)"),
  };
  return schema;
}

void Exec(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  if (!query.exec(sql)) throw SqlFailure{query.lastError()};
}

void InsertQuotation(QSqlDatabase& db, const Quotation& q, std::int64_t serial, bool newest) {
  const DealerDetails& d = q.dealer;
  Prepared(db,
           QStringLiteral("INSERT INTO quotes VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                          "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {Text(q.number),
            q.revision,
            QVariant::fromValue<qint64>(serial),
            newest ? 1 : 0,
            QString::fromLatin1(StatusKey(q.status)),
            q.statusDate ? Date(*q.statusDate) : Null(),
            Date(q.date),
            Date(q.validUntil),
            Text(q.customer.company),
            Text(q.customer.contact),
            Text(q.customer.address),
            Text(q.customer.vatNumber),
            Text(q.customer.email),
            Text(q.customer.telephone),
            Text(q.reference),
            Text(q.currency),
            Text(d.companyName),
            Text(d.address),
            Text(d.vatNumber),
            Text(d.telephone),
            Text(d.email),
            Text(d.numberPrefix),
            d.validityDays,
            Text(d.terms),
            Text(d.paymentTerms),
            Text(d.bank.accountHolder),
            Text(d.bank.bank),
            Text(d.bank.account),
            Text(d.bank.branch),
            Text(d.currency),
            Raw(q.totals.excludingVat),
            Raw(q.totals.vat),
            Raw(q.totals.includingVat),
            Text(SearchText(q))});
  QSqlQuery line(db);
  if (!line.prepare(QStringLiteral("INSERT INTO quote_lines VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
    throw SqlFailure{line.lastError()};
  }
  int position = 0;
  for (const QuoteLine& l : q.lines) {
    const std::optional<LineSubject>& s = l.subject;
    for (const QVariant& value : {
             Text(q.number),
             QVariant(q.revision),
             QVariant(position++),
             Text(l.description),
             s ? QVariant(QString::fromLatin1(KindKey(s->kind))) : Null(),
             s ? Text(s->from) : Null(),
             s ? Text(s->to) : Null(),
             s ? Text(s->item) : Null(),
             s ? QVariant(s->ageBand) : QVariant(QMetaType::fromType<int>()),
             Text(l.book.vendor),
             Date(l.book.effective),
             QVariant(l.vat.hundredths),
             Raw(l.listPrice),
             l.discount ? QVariant::fromValue<qint64>(l.discount->tenThousandths)
                        : QVariant(QMetaType::fromType<qint64>()),
             QVariant(QString::fromLatin1(l.basis == PriceBasis::IncludingVat ? "incl" : "excl")),
             Raw(l.unitPrice),
             QVariant(int{l.quantity}),
             Raw(l.amounts.excludingVat),
             Raw(l.amounts.vat),
             Raw(l.amounts.includingVat),
             l.earlierUnitPrice ? Raw(*l.earlierUnitPrice)
                                : QVariant(QMetaType::fromType<qint64>()),
             QVariant(l.keptPrice ? 1 : 0),
         }) {
      line.addBindValue(value);
    }
    if (!line.exec()) throw SqlFailure{line.lastError()};
  }
}

SqlQuoteRegister::SqlQuoteRegister(QString connection, QString where,
                                   std::unique_ptr<SqlDialect> dialect, QString readOnly)
    : connection_(std::move(connection)),
      where_(std::move(where)),
      dialect_(std::move(dialect)),
      readOnly_(std::move(readOnly)),
      desk_(NewDesk()) {}

SqlQuoteRegister::~SqlQuoteRegister() {
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

void SqlQuoteRegister::Fail(const QString& what, const QSqlError& error) const {
  throw RegisterError(ToStdString(
      QStringLiteral("The quote register %1 %2: %3.").arg(where_, what, Reason(error))));
}

void SqlQuoteRegister::Write(const QString& what, const std::function<void(QSqlDatabase&)>& body) {
  if (!readOnly_.isEmpty()) {
    throw RegisterError(
        ToStdString(QStringLiteral("The quote register %1 %2: %3.").arg(where_, what, readOnly_)));
  }
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  if (!checked_) {
    // Before the first write, not on opening: the check reads the whole file (a quarter of a
    // second at 100,000 quotes), which the list need not wait for; nothing is written unchecked.
    if (!db.isOpen()) db.open();
    const QString damage = dialect_->Damage(db);
    checked_ = true;
    if (!damage.isEmpty()) {
      readOnly_ = damage;
      Fail(what, QSqlError(damage, damage));
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + patience_;
  for (int attempt = 1;; ++attempt) {
    bool begun = false;
    try {
      if (!db.isOpen() && !db.open()) throw SqlFailure{db.lastError()};
      Exec(db, dialect_->BeginWrite());
      begun = true;
      body(db);
      Exec(db, QStringLiteral("COMMIT"));
      return;
    } catch (const SqlFailure& failure) {
      if (begun) QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
      const bool lost = dialect_->Lost(failure.error);
      if (lost) db.close();  // opened again on the next try or the next write
      const bool again =
          lost ? attempt < kReconnectAttempts
               : dialect_->Transient(failure.error) && std::chrono::steady_clock::now() < deadline;
      if (again) {
        QThread::msleep(static_cast<unsigned long>(kRetryPauseMilliseconds * attempt));
        continue;
      }
      if (!lost) {
        const QString damage = dialect_->Damage(db);
        if (!damage.isEmpty()) {
          readOnly_ = damage;
          Fail(what, QSqlError(damage, damage));
        }
      }
      Fail(what, failure.error);
    } catch (...) {
      if (begun) QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
      throw;
    }
  }
}

void SqlQuoteRegister::Read(const std::function<void(QSqlDatabase&)>& body) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  try {
    if (!db.isOpen() && !db.open()) throw SqlFailure{db.lastError()};
    body(db);
  } catch (const SqlFailure& failure) {
    if (dialect_->Lost(failure.error)) db.close();
    Fail(QStringLiteral("cannot be read"), failure.error);
  }
}

Quotation SqlQuoteRegister::Numbered(QSqlDatabase& db, const Quotation& quotation) {
  Exec(db, QStringLiteral("UPDATE numbering SET last = last + 1 WHERE id = 1"));
  QSqlQuery last = Prepared(db, QStringLiteral("SELECT last FROM numbering WHERE id = 1"), {});
  if (!last.next()) throw SqlFailure{last.lastError()};
  const std::int64_t serial = last.value(0).toLongLong();
  Quotation kept = quotation;
  const int year = static_cast<int>(std::chrono::year_month_day(quotation.date).year());
  kept.number = QuoteNumber(quotation.dealer.numberPrefix, year, serial);
  kept.revision = 1;
  InsertQuotation(db, kept, serial, true);
  return kept;
}

Quotation SqlQuoteRegister::Revised(QSqlDatabase& db, const Quotation& quotation) {
  QSqlQuery newest =
      Prepared(db,
               QStringLiteral("SELECT revision, serial FROM quotes WHERE number = ? AND "
                              "newest = 1"),
               {Text(quotation.number)});
  if (!newest.next()) {
    throw RegisterError("The quote register holds no quote numbered " + quotation.number +
                        " to revise.");
  }
  Quotation kept = quotation;
  kept.revision = newest.value(0).toInt() + 1;
  const std::int64_t serial = newest.value(1).toLongLong();
  Prepared(db, QStringLiteral("UPDATE quotes SET newest = 0 WHERE number = ?"),
           {Text(quotation.number)});
  InsertQuotation(db, kept, serial, true);
  return kept;
}

Quotation SqlQuoteRegister::Keep(const Quotation& quotation, const HandOver& handOver) {
  Quotation kept;
  Write(QStringLiteral("could not keep the quote"), [&](QSqlDatabase& db) {
    // Every write takes the counter row first: writers of every desk queue there, so a number
    // or a revision is never given twice.
    Exec(db, QStringLiteral("UPDATE numbering SET changes = changes + 1 WHERE id = 1"));
    Quotation sent = quotation;
    sent.status = QuoteStatus::Sent;
    sent.statusDate = quotation.date;
    kept = sent.number.empty() ? Numbered(db, sent) : Revised(db, sent);
    if (!kept.customer.Empty()) {
      Prepared(
          db,
          QStringLiteral("INSERT INTO customers VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT "
                         "(company) DO UPDATE SET contact = excluded.contact, address = "
                         "excluded.address, vat_number = excluded.vat_number, email = "
                         "excluded.email, telephone = excluded.telephone, search = "
                         "excluded.search"),
          {Text(kept.customer.company), Text(kept.customer.contact), Text(kept.customer.address),
           Text(kept.customer.vatNumber), Text(kept.customer.email), Text(kept.customer.telephone),
           Text(SearchText(kept.customer))});
    }
    // Last, with everything written but the commit: a hand-over that fails rolls it all back.
    if (handOver) handOver(kept);
  });
  return kept;
}

std::vector<RegisterEntry> SqlQuoteRegister::Entries(const RegisterFilter& filter) {
  QString sql = QStringLiteral("SELECT %1 FROM quotes WHERE newest = 1").arg(kEntryColumns);
  std::vector<QVariant> values;
  const std::string folded = Folded(filter.text);
  if (!folded.empty()) {
    sql += QStringLiteral(" AND ") + dialect_->Contains(QStringLiteral("search"));
    values.push_back(Text(folded));
  }
  if (filter.status) {
    const QVariant today = Date(filter.today);
    switch (*filter.status) {
      case QuoteStatus::Expired:
        // A quote without a validity date (kept as the epoch) holds until it is answered.
        sql += QStringLiteral(
            " AND status IN ('Sent', 'Draft') AND valid_until < ? AND "
            "valid_until > '1970-01-01'");
        values.push_back(today);
        break;
      case QuoteStatus::Sent:
      case QuoteStatus::Draft:
        sql += QStringLiteral(
            " AND status = ? AND (valid_until >= ? OR valid_until = "
            "'1970-01-01')");
        values.push_back(QString::fromLatin1(StatusKey(*filter.status)));
        values.push_back(today);
        break;
      default:
        sql += QStringLiteral(" AND status = ?");
        values.push_back(QString::fromLatin1(StatusKey(*filter.status)));
    }
  }
  if (filter.from) {
    sql += QStringLiteral(" AND quote_date >= ?");
    values.push_back(Date(*filter.from));
  }
  if (filter.to) {
    sql += QStringLiteral(" AND quote_date <= ?");
    values.push_back(Date(*filter.to));
  }
  sql += QStringLiteral(" ORDER BY newest DESC, quote_date DESC, serial DESC");
  std::vector<RegisterEntry> entries;
  Read([&](QSqlDatabase& db) {
    QSqlQuery query = Prepared(db, sql, values);
    while (query.next()) entries.push_back(EntryOf(query));
  });
  return entries;
}

Quotation SqlQuoteRegister::ReadQuotation(QSqlDatabase& db, const std::string& number,
                                          std::optional<int> revision) {
  QSqlQuery row = revision ? Prepared(db,
                                      QStringLiteral("SELECT * FROM quotes WHERE number = ? AND "
                                                     "revision = ?"),
                                      {Text(number), *revision})
                           : Prepared(db,
                                      QStringLiteral("SELECT * FROM quotes WHERE number = ? AND "
                                                     "newest = 1"),
                                      {Text(number)});
  if (!row.next()) {
    throw RegisterError("The quote register holds no quote numbered " + number +
                        (revision ? " rev. " + std::to_string(*revision) : std::string()) + ".");
  }
  const auto field = [&](const char* name) { return row.value(QLatin1String(name)); };
  Quotation q;
  try {
    q.number = Str(field("number"));
    q.revision = static_cast<int>(WholeOf(field("revision"), "the revision", 1, 1'000'000));
    q.status = StatusOf(field("status"));
    if (!field("status_date").isNull())
      q.statusDate = DateOf(field("status_date"), "the status's date");
    q.date = DateOf(field("quote_date"), "the date");
    q.validUntil = DateOf(field("valid_until"), "the validity date");
    q.customer = Customer{Str(field("customer_company")), Str(field("customer_contact")),
                          Str(field("customer_address")), Str(field("customer_vat_number")),
                          Str(field("customer_email")),   Str(field("customer_telephone"))};
    q.reference = Str(field("reference"));
    q.currency = Str(field("currency"));
    DealerDetails& d = q.dealer;
    d.companyName = Str(field("dealer_name"));
    d.address = Str(field("dealer_address"));
    d.vatNumber = Str(field("dealer_vat_number"));
    d.telephone = Str(field("dealer_telephone"));
    d.email = Str(field("dealer_email"));
    d.numberPrefix = Str(field("dealer_prefix"));
    d.validityDays =
        static_cast<int>(WholeOf(field("dealer_validity_days"), "the validity", 0, 100'000));
    d.terms = Str(field("dealer_terms"));
    d.paymentTerms = Str(field("dealer_payment_terms"));
    d.bank = BankDetails{Str(field("bank_holder")), Str(field("bank_name")),
                         Str(field("bank_account")), Str(field("bank_branch"))};
    d.currency = Str(field("dealer_currency"));
    const Money sums[] = {AmountOf(field("total_excl"), "the total"),
                          AmountOf(field("total_vat"), "the VAT"),
                          AmountOf(field("total_incl"), "the total")};

    QSqlQuery lines = Prepared(
        db,
        QStringLiteral("SELECT description, subject_kind, subject_from, subject_to, "
                       "subject_item, subject_age_band, book_vendor, book_effective, "
                       "vat_hundredths, list_price, discount, basis, unit_price, quantity, "
                       "line_excl, line_vat, line_incl, earlier_unit_price, kept_price FROM "
                       "quote_lines WHERE number = ? AND revision = ? ORDER BY position"),
        {Text(q.number), q.revision});
    while (lines.next()) {
      QuoteLine l;
      l.description = Str(lines.value(0));
      if (!lines.value(1).isNull()) {
        const std::string kind = Str(lines.value(1));
        LineSubject s;
        bool known = false;
        for (const auto& [k, key] : kKinds) {
          if (kind == key) {
            s.kind = k;
            known = true;
          }
        }
        if (!known) throw Unreadable("a line's kind \"" + kind + "\" is none this program knows");
        s.from = Str(lines.value(2));
        s.to = Str(lines.value(3));
        s.item = Str(lines.value(4));
        s.ageBand = static_cast<int>(WholeOf(lines.value(5), "a line's age band", 0, 1000));
        l.subject = s;
      }
      l.book = BookIdentity{Str(lines.value(6)), DateOf(lines.value(7), "a line's book date")};
      l.vat = VatRate{static_cast<std::int32_t>(
          WholeOf(lines.value(8), "a line's VAT rate", 0, kMaxVatHundredths))};
      l.listPrice = AmountOf(lines.value(9), "a line's list price");
      if (!lines.value(10).isNull()) {
        l.discount = DiscountPercent{WholeOf(lines.value(10), "a line's discount", 0, 1'000'000)};
      }
      const std::string basis = Str(lines.value(11));
      if (basis != "incl" && basis != "excl") throw Unreadable("a line's basis is unknown");
      l.basis = basis == "incl" ? PriceBasis::IncludingVat : PriceBasis::ExcludingVat;
      l.unitPrice = AmountOf(lines.value(12), "a line's unit price");
      l.quantity = static_cast<std::int16_t>(WholeOf(lines.value(13), "a line's quantity", 1, 999));
      l.amounts = LineAmounts{AmountOf(lines.value(14), "a line's amount"),
                              AmountOf(lines.value(15), "a line's VAT"),
                              AmountOf(lines.value(16), "a line's amount")};
      if (!lines.value(17).isNull()) {
        l.earlierUnitPrice = AmountOf(lines.value(17), "a line's earlier price");
      }
      l.keptPrice = lines.value(18).toInt() != 0;
      q.lines.push_back(std::move(l));
    }
    q.totals = TotalsOf(q.lines);
    if (q.totals.excludingVat != sums[0] || q.totals.vat != sums[1] ||
        q.totals.includingVat != sums[2]) {
      throw Unreadable("its totals are not the sums of its lines");
    }
  } catch (const Unreadable& fault) {
    throw RegisterError("The quote register holds quote " + number +
                        " in a form this program "
                        "cannot read: " +
                        fault.what() + ".");
  }
  return q;
}

Quotation SqlQuoteRegister::Find(const std::string& number, std::optional<int> revision) {
  Quotation found;
  Read([&](QSqlDatabase& db) { found = ReadQuotation(db, number, revision); });
  return found;
}

std::vector<RegisterEntry> SqlQuoteRegister::History(const std::string& number) {
  std::vector<RegisterEntry> entries;
  Read([&](QSqlDatabase& db) {
    QSqlQuery query =
        Prepared(db,
                 QStringLiteral("SELECT %1 FROM quotes WHERE number = ? ORDER BY revision DESC")
                     .arg(kEntryColumns),
                 {Text(number)});
    while (query.next()) entries.push_back(EntryOf(query));
  });
  return entries;
}

void SqlQuoteRegister::SetStatus(const std::string& number, int revision, QuoteStatus status,
                                 QuoteDate day) {
  if (status != QuoteStatus::Sent && status != QuoteStatus::Accepted &&
      status != QuoteStatus::Declined) {
    throw RegisterError("A kept quote is Sent, Accepted or Declined, nothing else.");
  }
  Write(QStringLiteral("could not change the quote's status"), [&](QSqlDatabase& db) {
    Exec(db, QStringLiteral("UPDATE numbering SET changes = changes + 1 WHERE id = 1"));
    QSqlQuery update = Prepared(
        db,
        QStringLiteral("UPDATE quotes SET status = ?, status_date = ? WHERE number = ? AND "
                       "revision = ?"),
        {QString::fromLatin1(StatusKey(status)), Date(day), Text(number), revision});
    if (update.numRowsAffected() != 1) {
      throw RegisterError("The quote register holds no quote numbered " + number + " rev. " +
                          std::to_string(revision) + ".");
    }
  });
}

std::vector<Customer> SqlQuoteRegister::Customers(std::string_view text) {
  std::vector<Customer> customers;
  QString sql = QStringLiteral(
      "SELECT company, contact, address, vat_number, email, telephone FROM customers");
  std::vector<QVariant> values;
  const std::string folded = Folded(text);
  if (!folded.empty()) {
    sql += QStringLiteral(" WHERE ") + dialect_->Contains(QStringLiteral("search"));
    values.push_back(Text(folded));
  }
  sql += QStringLiteral(" ORDER BY company");
  Read([&](QSqlDatabase& db) {
    QSqlQuery query = Prepared(db, sql, values);
    while (query.next()) {
      customers.push_back(Customer{Str(query.value(0)), Str(query.value(1)), Str(query.value(2)),
                                   Str(query.value(3)), Str(query.value(4)), Str(query.value(5))});
    }
  });
  return customers;
}

void SqlQuoteRegister::KeepCustomer(const Customer& customer) {
  if (customer.Empty()) return;
  Write(QStringLiteral("could not keep the customer"), [&](QSqlDatabase& db) {
    Prepared(db,
             QStringLiteral("INSERT INTO customers VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT "
                            "(company) DO UPDATE SET contact = excluded.contact, address = "
                            "excluded.address, vat_number = excluded.vat_number, email = "
                            "excluded.email, telephone = excluded.telephone, search = "
                            "excluded.search"),
             {Text(customer.company), Text(customer.contact), Text(customer.address),
              Text(customer.vatNumber), Text(customer.email), Text(customer.telephone),
              Text(SearchText(customer))});
  });
}

void SqlQuoteRegister::KeepDraft(const Quotation& draft) {
  const QString json = ToQString(QuotationJson(draft));
  Write(QStringLiteral("could not keep the sheet's draft"), [&](QSqlDatabase& db) {
    Prepared(db,
             QStringLiteral("INSERT INTO drafts VALUES (?, ?, ?) ON CONFLICT (desk) DO UPDATE SET "
                            "saved = excluded.saved, quotation = excluded.quotation"),
             {desk_, QDateTime::currentDateTimeUtc().toString(Qt::ISODate), json});
  });
}

std::optional<Quotation> SqlQuoteRegister::Draft() {
  std::optional<std::string> json;
  Read([&](QSqlDatabase& db) {
    QSqlQuery query =
        Prepared(db, QStringLiteral("SELECT quotation FROM drafts WHERE desk = ?"), {desk_});
    if (query.next()) json = Str(query.value(0));
  });
  if (!json) return {};
  try {
    return QuotationOfJson(*json);
  } catch (const RegisterFileError& fault) {
    throw RegisterError(ToStdString(
        QStringLiteral("The quote register %1 holds a draft this program cannot read: %2.")
            .arg(where_, ToQString(fault.what()))));
  }
}

void SqlQuoteRegister::DiscardDraft() {
  Write(QStringLiteral("could not discard the sheet's draft"), [&](QSqlDatabase& db) {
    Prepared(db, QStringLiteral("DELETE FROM drafts WHERE desk = ?"), {desk_});
  });
}

std::vector<Quotation> SqlQuoteRegister::Export(const RegisterFilter& filter) {
  std::vector<std::pair<std::string, int>> keys;
  const bool everything = filter.text.empty() && !filter.status && !filter.from && !filter.to;
  if (everything) {
    Read([&](QSqlDatabase& db) {
      QSqlQuery query = Prepared(
          db, QStringLiteral("SELECT number, revision FROM quotes ORDER BY serial, revision"), {});
      while (query.next()) keys.emplace_back(Str(query.value(0)), query.value(1).toInt());
    });
  } else {
    std::vector<RegisterEntry> entries = Entries(filter);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
      for (int revision = 1; revision <= entry->revision; ++revision) {
        keys.emplace_back(entry->number, revision);
      }
    }
  }
  std::vector<Quotation> quotations;
  quotations.reserve(keys.size());
  Read([&](QSqlDatabase& db) {
    for (const auto& [number, revision] : keys) {
      quotations.push_back(ReadQuotation(db, number, revision));
    }
  });
  return quotations;
}

std::vector<Quotation> SqlQuoteRegister::Import(const std::vector<Quotation>& quotations) {
  std::vector<Quotation> kept;
  Write(QStringLiteral("could not import the quotes"), [&](QSqlDatabase& db) {
    kept.clear();
    Exec(db, QStringLiteral("UPDATE numbering SET changes = changes + 1 WHERE id = 1"));
    for (const Quotation& q : quotations) {
      Quotation restored = q;
      if (restored.status == QuoteStatus::Draft || restored.status == QuoteStatus::Expired) {
        restored.status = QuoteStatus::Sent;
      }
      if (q.number.empty()) {
        if (!restored.statusDate) restored.statusDate = restored.date;
        kept.push_back(Numbered(db, restored));
        continue;
      }
      QSqlQuery held = Prepared(
          db, QStringLiteral("SELECT max(revision), max(serial) FROM quotes WHERE number = ?"),
          {Text(q.number)});
      const bool any = held.next() && !held.value(0).isNull();
      const int newest = any ? held.value(0).toInt() : 0;
      QSqlQuery same =
          Prepared(db, QStringLiteral("SELECT 1 FROM quotes WHERE number = ? AND revision = ?"),
                   {Text(q.number), q.revision});
      if (same.next()) {
        throw RegisterError("The quote register holds " + NumberWithRevision(q) +
                            " already; nothing was imported.");
      }
      const std::int64_t serial = any ? held.value(1).toLongLong() : SerialOf(q.number);
      if (q.revision > newest) {
        Prepared(db, QStringLiteral("UPDATE quotes SET newest = 0 WHERE number = ?"),
                 {Text(q.number)});
      }
      InsertQuotation(db, restored, serial, q.revision > newest);
      // Numbers given from now on lie beyond every number restored.
      Prepared(db, QStringLiteral("UPDATE numbering SET last = ? WHERE id = 1 AND last < ?"),
               {QVariant::fromValue<qint64>(serial), QVariant::fromValue<qint64>(serial)});
      kept.push_back(restored);
    }
  });
  return kept;
}

std::int64_t SqlQuoteRegister::ChangeCount() {
  std::int64_t changes = 0;
  Read([&](QSqlDatabase& db) {
    QSqlQuery query =
        Prepared(db, QStringLiteral("SELECT changes FROM numbering WHERE id = 1"), {});
    if (query.next()) changes = query.value(0).toLongLong();
  });
  return changes;
}

}  // namespace corvane
