// The price list as an XLSX workbook: the amounts as numbers, so that every spreadsheet shows them
// in its own locale's format.
#pragma once

#include <string>

#include "pricelist/price_list.h"

namespace corvane {

//! Writes the list to the file at `path` (in the system's encoding) as a workbook with one sheet
//! per section: above the prices the title (with the dealer), the terms (effective date,
//! currency, VAT rate, discount) and the column headings, frozen, and repeated on every printed
//! page; the texts as text, each amount as a number rounded as the price box rounds it and shown
//! with two decimals and thousands grouped, a refusal's first line as text where the amounts
//! would stand; the note on the moves left out below the cross-grades; each column as wide as its
//! entries; printed on A4 landscape, one page wide, with the title and "Page N of M" in the
//! header. The file is written in place, and the library's temporary files beside it, so give it
//! a path in a folder of its own (a temporary folder) and move the bytes on from there. Returns
//! why it could not be written (the system's cause, "No space left on device", when a file in
//! that folder could not be written), or an empty text. The library says nothing on standard
//! error.
std::string WritePriceListXlsx(const PriceList& list, const std::string& path);

}  // namespace corvane
