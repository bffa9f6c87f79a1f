#include "app/run_quote_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "app/destroyed_window_watch.h"
#include "app/register_location.h"
#include "money/escaped_text.h"
#include "pricebook/price_book.h"
#include "qt/locale_separators.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "register/qt/sqlite_register.h"
#include "window/qt/frm_tindrel.h"
#include "window/qt/price_book_actions.h"
#include "window/qt/quote_actions.h"

namespace corvane {
namespace {

// What the program cannot keep, where the folders it writes cannot be written (a read-only file
// system, a folder of another user): one sentence each, naming the folder and the cause; empty
// when both can be written. Asks the system only, so nothing is changed by asking.
QString WhatCannotBeKept() {
  const struct {
    QString file;
    const char* what;
  } kept[] = {
      {ProgramSettings()->fileName(),
       "Dealer details, the price book opened and the PDF folder are not kept"},
      {DefaultRegisterPath(), "Quotes are not kept in the register"},
  };
  QStringList sentences;
  for (const auto& [file, what] : kept) {
    if (const std::optional<QString> cause = FolderNotWritable(file)) {
      const QString folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath());
      sentences << QStringLiteral("%1: %2 cannot be written (%3).")
                       .arg(QLatin1String(what), ToQString(Escaped(PathToStdString(folder))),
                            *cause);
    }
  }
  return sentences.join(u' ');
}

// Calls back a moment after the watched window has been painted the first time: what can wait for
// it (opening the register, the draft, whose sheet is not in view at start) neither delays the
// window's first appearance nor competes with its first events.
constexpr std::chrono::milliseconds kAfterFirstPaint{300};
class AfterFirstPaint final : public QObject {
 public:
  AfterFirstPaint(QWidget& window, std::function<void()> then)
      : window_(window), then_(std::move(then)) {
    window_.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint && then_) {
      window_.removeEventFilter(this);
      QTimer::singleShot(kAfterFirstPaint, this, std::exchange(then_, {}));
    }
    return false;
  }

 private:
  QWidget& window_;
  std::function<void()> then_;
};

}  // namespace

int RunQuoteWindow(const char* program, const std::function<void(FrmTindrel&)>& beforeLoad,
                   const std::string& priceBookFile, const std::string& registerLocation) {
  QApplication::setApplicationName(QStringLiteral("Tindrel"));
  QApplication::setApplicationDisplayName(QString());

  PriceBook builtIn;
  try {
    builtIn = FillPriceBook();
  } catch (const std::bad_alloc&) {
    throw;  // the caller reports a lack of memory, which no price book could have helped
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: the price book could not be built: %s\n", program, error.what());
    return EXIT_FAILURE;
  }

  try {
    RegisterOpener quotes(registerLocation);
    FrmTindrel window(std::move(builtIn), SeparatorsFromLocale());
    window.Quote().SetRegister([&quotes]() -> QuoteRegister& { return quotes(); });
    if (beforeLoad) beforeLoad(window);
    window.Books().OpenAtStart(PathToQString(priceBookFile));
    window.Load();
    const AfterFirstPaint restore(window, [&window] { window.Quote().RestoreDraft(); });
    window.show();
    // Said once, and everything else works: the settings and quotes there are read as they are.
    if (const QString notKept = WhatCannotBeKept(); !notKept.isEmpty()) {
      std::fprintf(stderr, "%s: %s\n", program, ToStdString(notKept).c_str());
      window.Say(notKept);
    }
    const DestroyedWindowWatch watch(window);
    return QApplication::exec();
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: the window could not be opened: %s\n", program, error.what());
    return EXIT_FAILURE;
  }
}

}  // namespace corvane
