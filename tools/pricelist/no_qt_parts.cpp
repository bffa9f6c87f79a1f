#include "tools/pricelist/qt_parts.h"

namespace corvane {

bool PdfAvailable() {
  return false;
}

Separators UserSeparators() {
  return {};
}

std::string SavePdf(const PriceList&, std::string_view) {
  return "this build cannot write PDFs";
}

bool XlsxAvailable() {
  return false;
}

std::string SaveXlsx(const PriceList&, std::string_view) {
  return "this build cannot write XLSX workbooks";
}

}  // namespace corvane
