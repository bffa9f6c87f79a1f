// The register a location names: a PostgreSQL URI ("postgresql://user@host/db",
// "postgresql:///db?host=/run/postgresql") or a SQLite file's path.
#pragma once

#include <QString>

#include <memory>

#include "register/qt/sql_quote_register.h"
#include "register/quote_register.h"

namespace corvane {

//! RegisterError when it cannot be opened; the message never holds a password. An empty
//! location is the default SQLite file (DefaultRegisterPath). A write keeps trying for `patience`
//! while other writers hold the register.
std::unique_ptr<QuoteRegister> OpenRegister(const QString& location,
                                            std::chrono::milliseconds patience = kDefaultPatience);

}  // namespace corvane
