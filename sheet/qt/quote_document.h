// The quotation set on pages, for the printer and for a PDF file alike.
#pragma once

#include <QByteArray>

#include "money/format_price.h"
#include "quotation/quotation.h"

class QPagedPaintDevice;

namespace corvane {

//! Paints the quotation on the device's pages, from its current page on: the seller, the
//! customer, the number and dates on the first page; the table's heading and "Page N of M" on
//! every page; the totals, the validity and the terms on the page of the last line.
void PaintQuotation(const Quotation& quotation, const Separators& separators,
                    QPagedPaintDevice& device);

//! The quotation as an A4 PDF with its fonts embedded.
QByteArray QuotationPdf(const Quotation& quotation, const Separators& separators);

}  // namespace corvane
