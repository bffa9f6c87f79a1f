#include "tools/pricelist/price_list_csv.h"

#include <string>
#include <string_view>

namespace corvane {
namespace {

// A field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string Field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

void WriteCsv(const std::vector<PriceListRow>& rows, std::ostream& out) {
  out << "kind,from,to,discount,excl_vat,incl_vat,refusal\r\n";
  for (const PriceListRow& row : rows) {
    out << KindName(row.kind) << ',' << Field(row.from) << ',' << Field(row.to) << ','
        << Field(row.discount) << ',' << Field(row.excludingVat) << ',' << Field(row.includingVat)
        << ',' << Field(row.refusal) << "\r\n";
  }
}

}  // namespace corvane
