// The price list as aligned plain text, for printing.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "pricebook/effective_date.h"
#include "pricelist/price_list.h"

namespace corvane {

//! A heading with the book's effective date and the discount, then the sections New packages,
//! Cross-grades (grouped by From package), Support contracts and Other items.
void WritePlainText(const std::vector<PriceListRow>& rows, std::string_view discount,
                    EffectiveDate effective, std::ostream& out);

}  // namespace corvane
