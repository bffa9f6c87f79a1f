// The quote register kept in a local SQLite database through Qt SQL.
#pragma once

#include <QString>

#include <memory>

#include "register/quote_register.h"

namespace corvane {

//! Where the register lives: quotes.sqlite in the program's data folder
//! ($XDG_DATA_HOME/Corvane/corvane-crossgrade on Linux).
QString DefaultRegisterPath();

class SqlQuoteRegister final : public QuoteRegister {
 public:
  //! Opens the register at the path, creating it (and its folder) when there is none.
  //! RegisterError when it cannot be created, opened or read, is locked, or is not a quote
  //! register; a file that is there is never replaced, emptied or written to then.
  static std::unique_ptr<SqlQuoteRegister> Open(const QString& path);
  ~SqlQuoteRegister() override;
  SqlQuoteRegister(const SqlQuoteRegister&) = delete;
  SqlQuoteRegister& operator=(const SqlQuoteRegister&) = delete;

  Quotation Keep(const Quotation& quotation) override;
  std::vector<RegisterEntry> Entries() override;
  Quotation Find(const std::string& number) override;

 private:
  SqlQuoteRegister(QString connection, QString path);

  QString connection_;  //!< the name of its own Qt SQL connection
  QString path_;
};

}  // namespace corvane
