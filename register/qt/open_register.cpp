#include "register/qt/open_register.h"

#include "register/qt/postgres_register.h"
#include "register/qt/sqlite_register.h"

namespace corvane {

std::unique_ptr<QuoteRegister> OpenRegister(const QString& location) {
  if (IsPostgresLocation(location)) return OpenPostgresRegister(location);
  return OpenSqliteRegister(location.isEmpty() ? DefaultRegisterPath() : location);
}

}  // namespace corvane
