// The price list as a PDF, as the dealer prints it: the same rows as the text list, set on A4.
#pragma once

#include <QString>

#include <string_view>
#include <vector>

#include "pricebook/effective_date.h"
#include "pricelist/price_list.h"

namespace corvane {

//! Writes the rows to `path` as an A4 portrait PDF with its fonts embedded: a heading with the
//! effective-date footnote and the discount, the four sections with the two amounts in
//! right-aligned columns, each refusal as a short phrase with its warning in full among the notes
//! at the end, and the title, the effective date and "Page N of M" on every page. The rows' texts
//! are printed as they are, separators included. Needs a QGuiApplication (the offscreen platform
//! will do). Returns why the file could not be written, or an empty text when it was.
QString WritePriceListPdf(const std::vector<PriceListRow>& rows, std::string_view discount,
                          EffectiveDate effective, const QString& path);

}  // namespace corvane
