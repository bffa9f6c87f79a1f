// The price list as CSV (RFC 4180): a header line, then one line per price. The texts are those
// the window shows; the last two columns hold the amounts as plain decimals. No cell starts like a
// spreadsheet formula.
#pragma once

#include <ostream>
#include <vector>

#include "pricelist/price_list.h"

namespace corvane {

void WriteCsv(const std::vector<PriceListRow>& rows, std::ostream& out);

}  // namespace corvane
