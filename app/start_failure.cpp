#include "app/start_failure.h"

#include <QLoggingCategory>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "money/escaped_text.h"

namespace corvane {

std::string StartFailureLine(std::string_view program, const StartFailure& failure) {
  std::string line(program);
  line += ": ";
  // The detail may quote the environment (a display's or a plugin's name): escaped, it stays in
  // the one line.
  const std::string detail = Escaped(failure.detail);
  switch (failure.cause) {
    case StartFailure::Cause::kNoDisplay:
      line += "no display is available";
      if (!detail.empty()) line += " (cannot connect to display " + detail + ")";
      break;
    case StartFailure::Cause::kPlatformPluginMissing:
      line += "the Qt platform plugin \"" + detail + "\" is not installed";
      break;
    case StartFailure::Cause::kPlatformPluginBroken:
      line += "the Qt platform plugin \"" + detail + "\" is installed but failed to start";
      break;
    case StartFailure::Cause::kLibraryNotLoaded:
      line += "a library the window needs could not be loaded (" + detail + ")";
      break;
    case StartFailure::Cause::kOutOfMemory:
      line += "there is not enough memory";
      if (!detail.empty()) line += " (" + detail + ")";
      break;
    case StartFailure::Cause::kOther:
      line += "the window system could not be started (" + detail + ")";
      break;
  }
  line += ", so the window cannot be opened.\n";
  return line;
}

namespace {

// What Qt said while looking for a platform plugin, in the order of precedence used when it
// gives up: a plugin whose library would not load explains more than the display it never
// reached, which explains more than a plugin that is simply missing.
struct Seen {
  std::string libraryError;
  std::string unreachableDisplay;
  bool displayUnreachable = false;
  std::string missingPlugin;
  std::string brokenPlugin;
};

const char* watchedProgram = "";
Seen seen;
QtMessageHandler previousHandler = nullptr;

std::string OneLine(const QString& text) {
  return text.simplified().toStdString();
}

// The text between the first pair of double quotes, e.g. the plugin's name.
std::string Quoted(const QString& message) {
  const qsizetype open = message.indexOf(QLatin1Char('"'));
  const qsizetype close = message.indexOf(QLatin1Char('"'), open + 1);
  if (open < 0 || close < 0) return {};
  return OneLine(message.mid(open + 1, close - open - 1));
}

// The loader's words when a library could not be mapped for want of address space or memory.
bool ForWantOfMemory(const std::string& loaderError) {
  return loaderError.find("failed to map segment") != std::string::npos ||
         loaderError.find("Cannot allocate memory") != std::string::npos;
}

StartFailure Verdict(const QString& fatalMessage) {
  using Cause = StartFailure::Cause;
  if (ForWantOfMemory(seen.libraryError)) return {Cause::kOutOfMemory, seen.libraryError};
  if (!seen.libraryError.empty()) return {Cause::kLibraryNotLoaded, seen.libraryError};
  if (seen.displayUnreachable) return {Cause::kNoDisplay, seen.unreachableDisplay};
  if (!seen.missingPlugin.empty()) return {Cause::kPlatformPluginMissing, seen.missingPlugin};
  if (!seen.brokenPlugin.empty()) return {Cause::kPlatformPluginBroken, seen.brokenPlugin};
  return {Cause::kOther, OneLine(fatalMessage.section(QLatin1Char('\n'), 0, 0))};
}

void Collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QLatin1String category(context.category != nullptr ? context.category : "");
  if (type == QtFatalMsg) {
    std::fputs(StartFailureLine(watchedProgram, Verdict(message)).c_str(), stderr);
    std::_Exit(EXIT_FAILURE);
  }
  if (category == QLatin1String("qt.core.library")) {
    // Only a platform plugin's failure stops the start; other plugins are optional.
    const QLatin1String marker("cannot load: ");
    const qsizetype at = message.indexOf(marker);
    if (at >= 0 && message.contains(QLatin1String("/platforms/")))
      seen.libraryError = OneLine(message.mid(at + marker.size()));
    return;
  }
  if (category.startsWith(QLatin1String("qt.qpa"))) {
    if (message.startsWith(QLatin1String("could not connect to display"))) {
      seen.displayUnreachable = true;
      seen.unreachableDisplay =
          OneLine(message.mid(QLatin1String("could not connect to display").size()));
    } else if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
      seen.displayUnreachable = true;
    } else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
      seen.missingPlugin = Quoted(message);
    } else if (message.startsWith(QLatin1String("Could not load the Qt platform plugin"))) {
      seen.brokenPlugin = Quoted(message);
    }
    return;
  }
  previousHandler(type, context, message);
}

}  // namespace

StartFailureWatch::StartFailureWatch(const char* program) {
  watchedProgram = program;
  seen = Seen{};
  // The loader's reason for refusing a plugin is a debug message; it is wanted only now.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.core.library.debug=true"));
  previousHandler = qInstallMessageHandler(Collect);
}

StartFailureWatch::~StartFailureWatch() {
  qInstallMessageHandler(previousHandler);
  QLoggingCategory::setFilterRules(QString());
}

}  // namespace corvane
