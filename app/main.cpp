// The window program's entry point: answers --help and --version without a display, then runs
// the start-up routine, reporting a window that cannot start in one line.
#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <span>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/run_quote_window.h"
#include "app/start_failure.h"
#include "corvane/version.h"

namespace {

constexpr const char* kProgram = "corvane-crossgrade";

int Fail(corvane::StartFailure::Cause cause) {
  std::fputs(corvane::StartFailureLine(kProgram, {cause, {}}).c_str(), stderr);
  return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
  const corvane::CommandLine commandLine = corvane::ParseCommandLine(arguments);
  switch (commandLine.action) {
    case corvane::CommandLine::Action::kHelp:
      std::fputs(corvane::UsageText(kProgram).c_str(), stdout);
      return EXIT_SUCCESS;
    case corvane::CommandLine::Action::kVersion:
      std::fputs(corvane::VersionText(kProgram).c_str(), stdout);
      return EXIT_SUCCESS;
    case corvane::CommandLine::Action::kUsageError:
      std::fprintf(stderr, "%s: %s\n%s", kProgram, commandLine.error.c_str(),
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
    return corvane::RunQuoteWindow(kProgram, {}, commandLine.priceBookPath);
  } catch (const std::bad_alloc&) {
    return Fail(corvane::StartFailure::Cause::kOutOfMemory);
  }
}
