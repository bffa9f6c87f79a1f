#include "pricelist/price_list_csv.h"

#include <string>
#include <string_view>

#include "money/format_price.h"

namespace corvane {
namespace {

// A spreadsheet takes a cell that starts with one of these for a formula, or for the start of
// one; an apostrophe before it keeps the cell text. A negative price text is guarded too: it is
// text, not a number, in this file.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// A field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string Field(std::string_view text) {
  std::string cell;
  if (!text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos) cell = "'";
  cell += text;
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// The amount as a plain decimal with a point and no grouping, rounded as the price box rounds
// it: the one form every spreadsheet reads as a number whatever its locale.
template <typename Amount>
std::string PlainDecimal(Amount amount) {
  const std::string shown = FormatPrice(amount, Separators{"", "."});
  const bool negative = shown.front() == '-';
  const std::string_view digits = std::string_view(shown).substr(negative ? 1 : 0);
  // The picture shows an amount below one as ".50"; a number needs its leading zero.
  std::string text = negative ? "-" : "";
  if (digits.front() == '.') text += '0';
  text += digits;
  return text;
}

}  // namespace

void WriteCsv(const PriceList& list, std::ostream& out) {
  out << "kind,from,to,discount,excl_vat,incl_vat,refusal,excl_vat_amount,incl_vat_amount\r\n";
  for (const PriceListRow& row : list.rows) {
    out << KindName(row.kind) << ',' << Field(row.from) << ',' << Field(row.to) << ','
        << Field(row.discount) << ',' << Field(row.excludingVat) << ',' << Field(row.includingVat)
        << ',' << Field(row.refusal) << ',';
    if (!row.Refused()) {
      out << PlainDecimal(row.excludingAmount) << ',' << PlainDecimal(row.includingAmount);
    } else {
      out << ',';
    }
    out << "\r\n";
  }
  if (!list.leftOut.empty()) out << "note,,,,,," << Field(LeftOutNote(list)) << ",,\r\n";
}

}  // namespace corvane
