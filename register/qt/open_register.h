// The register a location names: a PostgreSQL URI ("postgresql://user@host/db",
// "postgresql:///db?host=/run/postgresql") or a SQLite file's path.
#pragma once

#include <QString>

#include <memory>

#include "register/quote_register.h"

namespace corvane {

//! RegisterError when it cannot be opened; the message never holds a password.
std::unique_ptr<QuoteRegister> OpenRegister(const QString& location);

}  // namespace corvane
