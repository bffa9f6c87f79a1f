// The quote register over Qt SQL, one schema for every database it is kept in: SQLite for one
// desk, PostgreSQL for a dealership. What differs between them is a small dialect; opening,
// checking and upgrading a database is each backend's own (sqlite_register, postgres_register).
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "register/quote_register.h"

class QSqlDatabase;

namespace corvane {

//! How long a write keeps trying while another writer holds the register, by default.
inline constexpr std::chrono::milliseconds kDefaultPatience{5000};

//! The version of the schema this program reads and writes.
inline constexpr int kRegisterSchemaVersion = 2;

//! A statement failed; the register turns it into a RegisterError with its own words.
struct SqlFailure {
  QSqlError error;
};

//! What one database does its own way.
class SqlDialect {
 public:
  virtual ~SqlDialect() = default;
  //! The statement that starts a transaction that will write.
  virtual QString BeginWrite() const = 0;
  //! A condition true where the text column holds the bound text.
  virtual QString Contains(const QString& column) const = 0;
  //! Whether the transaction that failed so may succeed when it is tried again.
  virtual bool Transient(const QSqlError& error) const = 0;
  //! Whether the connection is gone and worth opening again.
  virtual bool Lost(const QSqlError& error) const = 0;
  //! Before the first write and after a write failed: why the database must not be written to
  //! (it is damaged), or nothing.
  virtual QString Damage(QSqlDatabase& db) const = 0;
};

//! The statements that make the current schema's tables, the same for every database; each
//! backend adds the index of the list's order its own way.
const std::vector<QString>& RegisterSchema();

//! Runs a statement; SqlFailure when it fails.
void Exec(QSqlDatabase& db, const QString& sql);
//! Keeps one revision of a quotation as it is, with its lines, as the newest of its number when
//! `newest`; SqlFailure when it cannot.
void InsertQuotation(QSqlDatabase& db, const Quotation& quotation, std::int64_t serial,
                     bool newest);

//! A Qt SQL connection a store is being opened on: until the store takes it over (Keep), a
//! refusal on the way removes it again.
class PendingConnection {
 public:
  explicit PendingConnection(QString name) : name_(std::move(name)) {}
  ~PendingConnection() {
    if (!kept_) QSqlDatabase::removeDatabase(name_);
  }
  PendingConnection(const PendingConnection&) = delete;
  PendingConnection& operator=(const PendingConnection&) = delete;
  void Keep() { kept_ = true; }

 private:
  QString name_;
  bool kept_ = false;
};

class SqlQuoteRegister final : public QuoteRegister {
 public:
  //! Takes over an open connection to a database of the current schema. `where` names the
  //! register in messages (a path, or a URI without its password); `readOnly` holds why it is
  //! not written to, or nothing.
  SqlQuoteRegister(QString connection, QString where, std::unique_ptr<SqlDialect> dialect,
                   QString readOnly);
  ~SqlQuoteRegister() override;
  SqlQuoteRegister(const SqlQuoteRegister&) = delete;
  SqlQuoteRegister& operator=(const SqlQuoteRegister&) = delete;

  Quotation Keep(const Quotation& quotation, const HandOver& handOver = {}) override;
  std::vector<RegisterEntry> Entries(const RegisterFilter& filter) override;
  Quotation Find(const std::string& number, std::optional<int> revision = {}) override;
  std::vector<RegisterEntry> History(const std::string& number) override;
  void SetStatus(const std::string& number, int revision, QuoteStatus status,
                 QuoteDate day) override;
  std::vector<Customer> Customers(std::string_view text) override;
  void KeepCustomer(const Customer& customer) override;
  void KeepDraft(const Quotation& draft) override;
  std::optional<Quotation> Draft() override;
  void DiscardDraft() override;
  std::vector<Quotation> Export(const RegisterFilter& filter) override;
  std::vector<Quotation> Import(const std::vector<Quotation>& quotations) override;
  bool ReadOnly() const override { return !readOnly_.isEmpty(); }
  std::int64_t ChangeCount() override;

  //! Why the register is read and not written, or empty.
  const QString& ReadOnlyReason() const { return readOnly_; }
  //! How long a write keeps trying while other writers hold the register (a few seconds for a
  //! window; a batch such as an import may wait longer).
  void SetPatience(std::chrono::milliseconds patience) { patience_ = patience; }

 private:
  //! Runs `body` in one transaction that writes, tried again while the database says another
  //! writer is in the way; all or nothing. RegisterError saying `what` failed and why.
  void Write(const QString& what, const std::function<void(QSqlDatabase&)>& body);
  //! Runs `body` reading; RegisterError saying why it could not.
  void Read(const std::function<void(QSqlDatabase&)>& body);
  [[noreturn]] void Fail(const QString& what, const QSqlError& error) const;
  Quotation Numbered(QSqlDatabase& db, const Quotation& quotation);
  Quotation Revised(QSqlDatabase& db, const Quotation& quotation);
  Quotation ReadQuotation(QSqlDatabase& db, const std::string& number, std::optional<int> revision);

  QString connection_;
  QString where_;
  std::unique_ptr<SqlDialect> dialect_;
  QString readOnly_;
  QString desk_;  //!< user@host: whose draft it is
  bool checked_ = false;
  std::chrono::milliseconds patience_{
      kDefaultPatience};  //!< the database was checked for damage before this program wrote
};

}  // namespace corvane
