// The register's table as an XLSX workbook: amounts and counts as numbers, dates as dates.
#pragma once

#include <string>
#include <vector>

#include "quotation/quotation.h"

namespace corvane {

//! Writes the workbook at the path; false when it could not be written.
bool WriteRegisterXlsx(const std::string& path, const std::vector<Quotation>& quotations,
                       QuoteDate today);

}  // namespace corvane
