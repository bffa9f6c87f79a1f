// Which quote register the program keeps its quotes and drafts in, and the register itself,
// opened when first needed.
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <utility>

#include "register/quote_register.h"

namespace corvane {

//! The location named on the command line, else the setting "register", else the SQLite file
//! quotes.sqlite in the program's data folder.
QString RegisterLocation(const std::string& commandLineLocation);

//! Opens the register at the location (see RegisterLocation) the first time it is asked for and
//! hands out the same one from then on; a location that cannot be opened now is tried again the
//! next time, and RegisterError says why meanwhile. Nothing is read before then, so that making
//! one costs the start-up nothing.
class RegisterOpener {
 public:
  explicit RegisterOpener(std::string commandLineLocation)
      : commandLineLocation_(std::move(commandLineLocation)) {}
  QuoteRegister& operator()();

 private:
  std::string commandLineLocation_;
  std::unique_ptr<QuoteRegister> opened_;
};

}  // namespace corvane
