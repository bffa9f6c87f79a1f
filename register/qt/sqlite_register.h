// The register in a SQLite file: one desk's, the default. Opening checks that the file is this
// program's register and sound, upgrades one of schema 1 (keeping a copy of it), and reads one of
// a newer schema without writing to it.
#pragma once

#include <QString>

#include <memory>

#include "register/qt/sql_quote_register.h"

namespace corvane {

//! Where the register lives: quotes.sqlite in the program's data folder
//! ($XDG_DATA_HOME/Corvane/corvane-crossgrade on Linux).
QString DefaultRegisterPath();

//! The copy of a register of schema 1 kept beside it when it is upgraded: "quotes.v1.sqlite"
//! for "quotes.sqlite".
QString Version1CopyPath(const QString& path);

//! Opens the register at the path, creating it (and its folder) where there is none or the file
//! is empty. RegisterError when it cannot be opened or read, or the file is not this program's
//! register; a file that is not is never changed.
std::unique_ptr<SqlQuoteRegister> OpenSqliteRegister(const QString& path);

}  // namespace corvane
