// The price list as CSV (RFC 4180): a header line, then one line per price.
#pragma once

#include <ostream>
#include <vector>

#include "tools/pricelist/price_list.h"

namespace corvane {

void WriteCsv(const std::vector<PriceListRow>& rows, std::ostream& out);

}  // namespace corvane
