// The price list as CSV (RFC 4180): a header line, then one line per price. The texts are those
// the window shows; the last two columns hold the amounts as plain decimals. A list that leaves
// moves out ends with a row of the kind "note" holding, in its refusal column, which and why. No
// cell starts like a spreadsheet formula.
#pragma once

#include <ostream>
#include <vector>

#include "pricelist/price_list.h"

namespace corvane {

void WriteCsv(const PriceList& list, std::ostream& out);

}  // namespace corvane
