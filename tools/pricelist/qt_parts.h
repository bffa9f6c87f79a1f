// What the tool asks of Qt: the user's number format as the window reads it, and the PDF. A
// build without Qt has neither; it prints with "," and "." and refuses --pdf.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "pricelist/price_list.h"

namespace corvane {

//! The separators of the user's locale, as the window takes them.
Separators UserSeparators();

//! Whether this build can write PDFs.
bool PdfAvailable();

//! Writes the rows as a PDF to the path, given as the command line gave it, without opening a
//! window or needing a display. Returns why it could not be written, or an empty text.
std::string SavePdf(const std::vector<PriceListRow>& rows, std::string_view discount,
                    EffectiveDate effective, std::string_view path);

}  // namespace corvane
