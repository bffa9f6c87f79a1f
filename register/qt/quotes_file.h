// Quotes written to a file by its extension: .json (the register's own format), .csv or .xlsx.
// The Quotes window and corvane-register write through it.
#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

#include "quotation/quotation.h"

namespace corvane {

//! The file's name ends in none of .json, .csv and .xlsx.
class QuotesFileNameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
//! The file could not be written; the message names it and says why.
class QuotesFileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool IsQuotesFileName(const QString& path);

//! Writes the file whole or not at all: an existing file is replaced only once the new one is
//! complete.
void WriteQuotesFile(const QString& path, const std::vector<Quotation>& quotations,
                     QuoteDate today);

}  // namespace corvane
