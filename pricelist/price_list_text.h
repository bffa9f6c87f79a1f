// The price list as aligned plain text, for printing.
#pragma once

#include <ostream>
#include "pricelist/price_list.h"

namespace corvane {

//! A heading with the title, the book's effective date, currency and VAT rate and the discount,
//! then the sections New packages, Cross-grades (grouped by From package, then the note on the
//! moves left out), Support contracts and Other items.
void WritePlainText(const PriceList& list, std::ostream& out);

}  // namespace corvane
