// The start-up routine: fills the price book, then creates, loads and shows the quote window.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/display_check.h"
#include "app/locale_separators.h"
#include "pricebook/price_book.h"
#include "window/qt/frm_tindrel.h"

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
  QApplication::setApplicationName(QStringLiteral("Tindrel"));
  QApplication::setApplicationDisplayName(QString());

  try {
    const corvane::PriceBook book = corvane::FillPriceBook();
    corvane::FrmTindrel window(book, corvane::SeparatorsFromLocale());
    window.Load();
    window.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "corvane-crossgrade: the price book could not be built: %s\n",
                 error.what());
    return EXIT_FAILURE;
  }
}
