#include "tools/pricelist/qt_parts.h"

namespace corvane {

bool PdfAvailable() {
  return false;
}

Separators UserSeparators() {
  return {};
}

std::string SavePdf(const std::vector<PriceListRow>&, std::string_view, EffectiveDate,
                    std::string_view) {
  return "this build cannot write PDFs";
}

bool XlsxAvailable() {
  return false;
}

std::string SaveXlsx(const std::vector<PriceListRow>&, std::string_view, std::string_view) {
  return "this build cannot write XLSX workbooks";
}

}  // namespace corvane
