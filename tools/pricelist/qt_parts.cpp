#include "tools/pricelist/qt_parts.h"

#include <QGuiApplication>

#include <array>
#include <cstdio>

#include "pricelist/pdf/price_list_pdf.h"
#include "qt/locale_separators.h"
#include "qt/qt_text.h"

namespace corvane {
namespace {

// The platform's remarks on its environment (no runtime directory, no session) are no concern of a
// tool that only writes a file; an error still gets its one line.
void ReportErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "corvane-pricelist: %s\n", ToStdString(message).c_str());
  }
}

}  // namespace

bool PdfAvailable() {
  return true;
}

Separators UserSeparators() {
  return SeparatorsFromLocale();
}

std::string SavePdf(const std::vector<PriceListRow>& rows, std::string_view discount,
                    EffectiveDate effective, std::string_view path) {
  // The fonts need a platform; the offscreen one needs no display, whatever the environment names.
  std::array<char*, 4> arguments{const_cast<char*>("corvane-pricelist"),
                                 const_cast<char*>("-platform"), const_cast<char*>("offscreen"),
                                 nullptr};
  int count = 3;
  const QtMessageHandler previous = qInstallMessageHandler(ReportErrorsOnly);
  const QGuiApplication application(count, arguments.data());
  const QString cause = WritePriceListPdf(rows, discount, effective, PathToQString(path));
  qInstallMessageHandler(previous);
  return ToStdString(cause);
}

}  // namespace corvane
