#include "app/run_quote_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "app/destroyed_window_watch.h"
#include "pricebook/price_book.h"
#include "qt/locale_separators.h"
#include "qt/qt_text.h"
#include "window/qt/frm_tindrel.h"
#include "window/qt/price_book_actions.h"

namespace corvane {

int RunQuoteWindow(const char* program, const std::function<void(FrmTindrel&)>& beforeLoad,
                   const std::string& priceBookFile) {
  QApplication::setApplicationName(QStringLiteral("Tindrel"));
  QApplication::setApplicationDisplayName(QString());

  try {
    FrmTindrel window(FillPriceBook(), SeparatorsFromLocale());
    if (beforeLoad) beforeLoad(window);
    window.Books().OpenAtStart(PathToQString(priceBookFile));
    window.Load();
    window.show();
    const DestroyedWindowWatch watch(window);
    return QApplication::exec();
  } catch (const std::bad_alloc&) {
    throw;  // the caller reports a lack of memory, which no price book could have helped
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: the price book could not be built: %s\n", program, error.what());
    return EXIT_FAILURE;
  }
}

}  // namespace corvane
