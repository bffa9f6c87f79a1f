// The start-up routine: fills the price book, then creates, loads and shows the quote window.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/display_check.h"
#include "app/run_quote_window.h"

namespace {

constexpr const char* kNoDisplay =
    "corvane-crossgrade: no display is available, so the window cannot be opened.\n";

// Should the platform still fail to start (a display that is named but cannot be reached), say
// so in one line and leave without the core dump Qt's abort would leave behind.
void ReportPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::_Exit(EXIT_FAILURE);
  }
  if (context.category != nullptr &&
      QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!corvane::DisplayAvailable()) {
    std::fputs(kNoDisplay, stderr);
    return EXIT_FAILURE;
  }
  const QtMessageHandler previousHandler = qInstallMessageHandler(ReportPlatformFailure);
  QApplication application(argc, argv);
  qInstallMessageHandler(previousHandler);
  return corvane::RunQuoteWindow("corvane-crossgrade");
}
