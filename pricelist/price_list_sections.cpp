#include "pricelist/price_list_sections.h"

#include <array>
#include <utility>

namespace corvane {

std::vector<PriceListSection> Sections(const std::vector<PriceListRow>& rows) {
  constexpr std::array<std::pair<PriceKind, std::string_view>, 4> kSections{{
      {PriceKind::New, "New packages"},
      {PriceKind::CrossGrade, "Cross-grades"},
      {PriceKind::Support, "Support contracts"},
      {PriceKind::Other, "Other items"},
  }};
  std::vector<PriceListSection> sections;
  for (const auto& [kind, title] : kSections) {
    PriceListSection& section = sections.emplace_back(PriceListSection{kind, title, {}});
    for (const PriceListRow& row : rows) {
      if (row.kind != kind) continue;
      const std::string heading = kind == PriceKind::CrossGrade ? "From " + row.from : "";
      if (section.groups.empty() || section.groups.back().heading != heading) {
        section.groups.push_back({heading, {}});
      }
      section.groups.back().rows.push_back(&row);
    }
  }
  return sections;
}

std::string RowLabel(const PriceListRow& row) {
  return row.kind == PriceKind::CrossGrade ? "to " + row.to : row.from;
}

}  // namespace corvane
