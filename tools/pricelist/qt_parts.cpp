#include "tools/pricelist/qt_parts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

#include "pricelist/pdf/price_list_pdf.h"
#include "pricelist/xlsx/price_list_xlsx.h"
#include "qt/locale_separators.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"

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

std::string SavePdf(const PriceList& list, std::string_view path) {
  // The fonts need a platform; the offscreen one needs no display, whatever the environment names.
  std::array<char*, 4> arguments{const_cast<char*>("corvane-pricelist"),
                                 const_cast<char*>("-platform"), const_cast<char*>("offscreen"),
                                 nullptr};
  int count = 3;
  const QtMessageHandler previous = qInstallMessageHandler(ReportErrorsOnly);
  const QGuiApplication application(count, arguments.data());
  const QString cause = WritePriceListPdf(list, PathToQString(path));
  qInstallMessageHandler(previous);
  return ToStdString(cause);
}

bool XlsxAvailable() {
  return true;
}

std::string SaveXlsx(const PriceList& list, std::string_view path) {
  // The workbook is built in a folder of its own in the temporary folder; what fails there is
  // named as the temporary folder's fault, with the folder the user can clear.
  const auto inTemporaryFolder = [](const QString& cause) {
    return "cannot write in the temporary folder " + PathToStdString(QDir::tempPath()) + ": " +
           ToStdString(cause);
  };
  const QTemporaryDir folder;
  if (!folder.isValid()) return inTemporaryFolder(folder.errorString());
  const QString workbook = folder.filePath(QStringLiteral("price-list.xlsx"));
  const std::string cause = WritePriceListXlsx(list, QFile::encodeName(workbook).toStdString());
  if (!cause.empty()) return inTemporaryFolder(ToQString(cause));
  QFile built(workbook);
  if (!built.open(QIODevice::ReadOnly)) return ToStdString(built.errorString());
  const QByteArray bytes = built.readAll();
  if (built.error() != QFileDevice::NoError) return ToStdString(built.errorString());
  return ToStdString(SaveFile(PathToQString(path), bytes).value_or(QString()));
}

}  // namespace corvane
