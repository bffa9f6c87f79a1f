// The quote register: every quotation handed on, numbered and kept with its revisions, statuses
// and customers, the sheet's draft, to be found, reopened, exported and imported. One interface;
// the stores (SQLite for one desk, PostgreSQL for a dealership) are in qt/.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "money/money.h"
#include "quotation/quotation.h"

namespace corvane {

//! The register could not be opened, read or written; the message says why, in plain words, and
//! never holds a password.
class RegisterError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! One quotation as the register lists it: the newest revision of a number.
struct RegisterEntry {
  std::string number;
  int revision = 1;
  QuoteStatus status = QuoteStatus::Sent;  //!< as kept: Sent, Accepted or Declined
  std::optional<QuoteDate> statusDate;
  std::string customer;  //!< the customer's company
  std::string reference;
  QuoteDate date{};
  QuoteDate validUntil{};
  Money totalIncludingVat;

  friend bool operator==(const RegisterEntry&, const RegisterEntry&) = default;
};

//! Which quotations a list shows. Every part left empty takes all.
struct RegisterFilter {
  //! Found in the number (any part: "0007", "q-2026-7"), the customer, the reference, the
  //! packages and items of the lines and the amounts, ignoring case and accents.
  std::string text;
  std::optional<QuoteStatus> status;  //!< as shown on `today`: Expired included
  std::optional<QuoteDate> from;      //!< quote date on or after
  std::optional<QuoteDate> to;        //!< quote date on or before
  QuoteDate today{};                  //!< the day Expired is judged on
};

//! Puts a quotation into the customer's hands: a file, a printer, the mail program.
using HandOver = std::function<void(const Quotation& quotation)>;

class QuoteRegister {
 public:
  virtual ~QuoteRegister() = default;

  //! Keeps the quotation as Sent on its date, all or nothing, and returns it as kept. One without
  //! a number gets the next number and revision 1; one with a number becomes that number's next
  //! revision, the earlier ones kept unchanged. A number once given is never given again, by any
  //! desk, whatever happens to the program afterwards.
  //!
  //! `handOver`, when given, hands the quotation on as it is being kept (numbered) inside the same
  //! transaction: when it throws, nothing is kept, the number is not used and its exception passes
  //! on, so that a quotation that did not go out is never numbered.
  virtual Quotation Keep(const Quotation& quotation, const HandOver& handOver = {}) = 0;
  //! The newest revision of every number the filter finds, newest first.
  virtual std::vector<RegisterEntry> Entries(const RegisterFilter& filter) = 0;
  //! The quotation kept under the number, its newest revision or the one asked for, exactly as
  //! kept; RegisterError for none.
  virtual Quotation Find(const std::string& number, std::optional<int> revision = {}) = 0;
  //! Every revision of the number, newest first.
  virtual std::vector<RegisterEntry> History(const std::string& number) = 0;
  //! Accepted or Declined on the day (or Sent again); RegisterError for a number or revision it
  //! does not hold.
  virtual void SetStatus(const std::string& number, int revision, QuoteStatus status,
                         QuoteDate day) = 0;

  //! The customers whose company contains the text (ignoring case and accents), by company.
  virtual std::vector<Customer> Customers(std::string_view text) = 0;
  //! Keeps the customer's details for the next quote, under its company name.
  virtual void KeepCustomer(const Customer& customer) = 0;

  //! The sheet as it is now, kept so that no end of the program loses it; one transaction.
  virtual void KeepDraft(const Quotation& draft) = 0;
  //! The draft kept, if any.
  virtual std::optional<Quotation> Draft() = 0;
  virtual void DiscardDraft() = 0;

  //! Every revision of every quotation the filter finds, oldest first, as kept.
  virtual std::vector<Quotation> Export(const RegisterFilter& filter) = 0;
  //! Keeps the quotations, all or none: one with a number is restored as it was (RegisterError,
  //! and nothing kept, if the register holds that number and revision already); one without is
  //! numbered as a new one. Returns them as kept.
  virtual std::vector<Quotation> Import(const std::vector<Quotation>& quotations) = 0;

  //! A register of a newer schema than this program knows is read, never written.
  virtual bool ReadOnly() const = 0;
  //! Grows whenever any desk keeps or changes a quotation, so that a list can tell it is stale.
  virtual std::int64_t ChangeCount() = 0;
};

//! "Q-2026-0001": the dealer's prefix, the year and the serial number, four digits or more.
std::string QuoteNumber(std::string_view prefix, int year, std::int64_t serial);

}  // namespace corvane
