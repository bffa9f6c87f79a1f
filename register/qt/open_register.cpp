#include "register/qt/open_register.h"

#include "register/qt/postgres_register.h"
#include "register/qt/sqlite_register.h"

namespace corvane {

std::unique_ptr<QuoteRegister> OpenRegister(const QString& location,
                                            std::chrono::milliseconds patience) {
  std::unique_ptr<SqlQuoteRegister> opened =
      IsPostgresLocation(location)
          ? OpenPostgresRegister(location)
          : OpenSqliteRegister(location.isEmpty() ? DefaultRegisterPath() : location);
  opened->SetPatience(patience);
  return opened;
}

}  // namespace corvane
