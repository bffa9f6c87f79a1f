// The price list's sections, as both the printed text and the PDF set them out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pricelist/price_list.h"

namespace corvane {

//! Rows printed together: a From package's cross-grades under the heading "From <package>", or
//! the rows of a section that has no groups, under no heading.
struct PriceListGroup {
  std::string heading;
  std::vector<const PriceListRow*> rows;
};

struct PriceListSection {
  PriceKind kind = PriceKind::New;
  std::string_view title;  //!< "New packages", "Cross-grades", "Support contracts", "Other items"
  std::vector<PriceListGroup> groups;  //!< none when the section has no rows
};

//! The four sections in their order, each with the rows of its kind in the order given; the
//! sections point into `rows`, which must outlive them.
std::vector<PriceListSection> Sections(const std::vector<PriceListRow>& rows);

//! What a row is listed as within its group: "to <package>" for a cross-grade, else what is
//! priced.
std::string RowLabel(const PriceListRow& row);

}  // namespace corvane
