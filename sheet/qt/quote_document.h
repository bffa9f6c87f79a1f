// The quotation set on pages, for the printer and for a PDF file alike.
#pragma once

#include <QByteArray>

#include "money/format_price.h"
#include "quotation/quotation.h"

class QPagedPaintDevice;

namespace corvane {

//! Paints the quotation on the device's pages, from its current page on: the seller beside the
//! title, number, dates and reference, then the buyer, on the first page; the lines in columns,
//! with the table's heading on every page that holds lines; the totals with a VAT row per rate,
//! the validity, the terms, the bank details and payment terms and the acceptance block after
//! the last line, on its page whenever they fit on one page with it; the title and "Page N of M"
//! at the foot of every page. A value too long for its place wraps within it. False when the
//! device cannot be painted on.
bool PaintQuotation(const Quotation& quotation, const Separators& separators,
                    QPagedPaintDevice& device);

//! The quotation as an A4 PDF with its fonts embedded; empty when it could not be made.
QByteArray QuotationPdf(const Quotation& quotation, const Separators& separators);

}  // namespace corvane
