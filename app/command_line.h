// What the window program's command line asks for, decided before Qt starts so that --help,
// --version and a mistyped option need no display.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvane {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  //! For kUsageError: what was wrong, e.g. "unknown option '--bogus'".
  std::string error;
  //! The command line picks a platform plugin or a display itself (-platform, -display), so
  //! whether a window can be opened is no longer a question of the environment.
  bool choosesDisplay = false;
  //! --price-book FILE: the book to price from in this run, instead of the one remembered.
  std::string priceBookPath;
  //! --register LOCATION: the quote register (a SQLite file or a PostgreSQL URI) for this run,
  //! instead of the setting "register" or the default SQLite file.
  std::string registerLocation;
};

//! `arguments` is argv without the program name. Qt's own options (-platform NAME, -style NAME,
//! -display NAME, -reverse, ...) are accepted and left for Qt to act on.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

std::string UsageText(std::string_view program);

}  // namespace corvane
