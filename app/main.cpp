// The window program's entry point: answers --help and --version without a display, then runs
// the start-up routine, reporting a window that cannot start in one line.
#include <QApplication>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <string>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/run_quote_window.h"
#include "app/start_failure.h"
#include "corvane/version.h"
#include "money/escaped_text.h"

namespace {

constexpr const char* kProgram = "corvane-crossgrade";

int Fail(corvane::StartFailure::Cause cause) {
  std::fputs(corvane::StartFailureLine(kProgram, {cause, {}}).c_str(), stderr);
  return EXIT_FAILURE;
}

// The answer to --help or --version; a write that fails (a full disk, a closed output) is named
// in one line, with status 1, rather than lost.
int Answer(const std::string& text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
    return EXIT_SUCCESS;
  const int cause = errno;
  std::fprintf(stderr, "%s: cannot write to standard output: %s\n", kProgram,
               cause != 0 ? std::strerror(cause) : "the write failed");
  return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
  const corvane::CommandLine commandLine = corvane::ParseCommandLine(arguments);
  switch (commandLine.action) {
    case corvane::CommandLine::Action::kHelp:
      return Answer(corvane::UsageText(kProgram));
    case corvane::CommandLine::Action::kVersion:
      return Answer(corvane::VersionText(kProgram));
    case corvane::CommandLine::Action::kUsageError:
      // The error quotes what was typed: escaped, it stays one line and shows in its own order.
      std::fprintf(stderr, "%s: %s\n%s", kProgram, corvane::Escaped(commandLine.error).c_str(),
                   corvane::UsageText(kProgram).c_str());
      return 2;
    case corvane::CommandLine::Action::kRun:
      break;
  }

  if (!commandLine.choosesDisplay && !corvane::DisplayAvailable())
    return Fail(corvane::StartFailure::Cause::kNoDisplay);

  try {
    // Lets Wayland compositors match the window to its desktop entry, as WM_CLASS does on X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-crossgrade"));
    std::optional<corvane::StartFailureWatch> watch(std::in_place, kProgram);
    QApplication application(argc, argv);
    watch.reset();
    return corvane::RunQuoteWindow(kProgram, {}, commandLine.priceBookPath,
                                   commandLine.registerLocation);
  } catch (const std::bad_alloc&) {
    return Fail(corvane::StartFailure::Cause::kOutOfMemory);
  }
}
