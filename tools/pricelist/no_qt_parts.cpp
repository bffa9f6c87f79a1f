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

}  // namespace corvane
