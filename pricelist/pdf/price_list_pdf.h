// The price list as a PDF, as the dealer prints it: the same rows as the text list, set on A4.
#pragma once

#include <QString>

#include "pricelist/price_list.h"

namespace corvane {

//! Writes the list to `path` as an A4 portrait PDF with its fonts embedded: the title (with the
//! dealer), the effective-date footnote, the currency, VAT rate and discount, the four sections
//! with the two amounts in right-aligned columns and the note on the moves left out after the
//! cross-grades, each refusal as a short phrase with its warning in full among the notes at the
//! end, and the title, the effective date, the currency and "Page N of M" on every page. The
//! rows' texts are printed as they are, separators included. Needs a QGuiApplication (the
//! offscreen platform will do). Returns why the file could not be written, or an empty text.
QString WritePriceListPdf(const PriceList& list, const QString& path);

}  // namespace corvane
