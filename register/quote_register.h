// The quote register: every quotation handed on, numbered and kept, to be found and reopened.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "money/money.h"
#include "sheet/quotation.h"

namespace corvane {

//! The register could not be opened, read or written; the message says why, in plain words.
class RegisterError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! One quotation as the register lists it.
struct RegisterEntry {
  std::string number;
  std::string customer;
  QuoteDate date;
  Money totalIncludingVat;
};

class QuoteRegister {
 public:
  virtual ~QuoteRegister() = default;
  //! Gives the quotation the next number and keeps it, all or nothing; returns it numbered. A
  //! number once given is never given again, whatever happens to the program afterwards.
  virtual Quotation Keep(const Quotation& quotation) = 0;
  //! Every quotation kept, newest first.
  virtual std::vector<RegisterEntry> Entries() = 0;
  //! The quotation kept under the number, exactly as it was kept; RegisterError for none.
  virtual Quotation Find(const std::string& number) = 0;
};

//! "Q-2026-0001": the dealer's prefix, the year and the serial number, four digits or more.
std::string QuoteNumber(std::string_view prefix, int year, std::int64_t serial);

//! The positions of the entries whose customer or number contains the text, ignoring case
//! (of ASCII letters); every position for an empty text.
std::vector<std::size_t> Matching(const std::vector<RegisterEntry>& entries, std::string_view text);

}  // namespace corvane
