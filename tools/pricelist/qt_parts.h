// What the tool asks of Qt: the user's number format as the window reads it, the PDF and the
// workbook written safely. A build without Qt has none of them; it prints with "," and "." and
// refuses --pdf and --xlsx.
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

//! Writes the list as a PDF to the path, given as the command line gave it, without opening a
//! window or needing a display. Returns why it could not be written, or an empty text.
std::string SavePdf(const PriceList& list, std::string_view path);

//! Whether this build can write XLSX workbooks.
bool XlsxAvailable();

//! Writes the list as an XLSX workbook to the path, given as the command line gave it: built in a
//! temporary folder, then saved so that a failed write leaves an earlier file as it was. Returns
//! why it could not be written, or an empty text.
std::string SaveXlsx(const PriceList& list, std::string_view path);

}  // namespace corvane
