#include "sheet/sheet_text.h"

#include <array>

#include "pricebook/effective_date.h"
#include "quote/messages.h"
#include "sheet/html.h"
#include "sheet/priced_item.h"

namespace corvane {
namespace {

std::string Telephone(const SheetFooter& footer) {
  return "Contact Corvane on " + footer.vendorPhone + ".";
}

struct TotalRow {
  std::string label;
  Money amount;
};

std::array<TotalRow, 3> TotalRows(const SheetTotals& totals) {
  return {TotalRow{"Total excl. VAT", totals.excludingVat},
          TotalRow{VatTotalLabel(totals), totals.vat},
          TotalRow{"Total incl. VAT", totals.includingVat}};
}

}  // namespace

SheetFooter BuiltInFooter() {
  return {std::string(kFootnoteText), std::string(VendorPhone())};
}

std::string VatTotalLabel(const SheetTotals& totals) {
  return totals.rate ? VatRateText(*totals.rate) : std::string("VAT");
}

std::string SheetPlainText(const QuoteSheet& sheet, std::string_view date,
                           const Separators& separators, const SheetFooter& footer) {
  std::string text(kQuotationHeading);
  text += "\n";
  text += date;
  text += "\n";
  if (!sheet.Customer().empty()) text += "Customer: " + sheet.Customer() + "\n";
  if (!sheet.Reference().empty()) text += "Reference: " + sheet.Reference() + "\n";
  text += "\n";
  for (const QuoteLine& line : sheet.Lines()) {
    text += std::to_string(line.quantity) + " x " + line.description + " at " +
            FormatPrice(line.unitExcludingVat, separators) +
            " excl. VAT: " + FormatPrice(line.totalExcludingVat, separators) + " excl. VAT, " +
            FormatPrice(line.totalIncludingVat, separators) + " incl. VAT\n";
  }
  text += "\n";
  for (const TotalRow& row : TotalRows(sheet.Totals())) {
    text += row.label + ": " + FormatPrice(row.amount, separators) + "\n";
  }
  text += "\n";
  text += footer.footnote;
  text += "\n";
  text += Telephone(footer);
  text += "\n";
  return text;
}

std::string SheetHtml(const QuoteSheet& sheet, std::string_view date, const Separators& separators,
                      const SheetFooter& footer) {
  const auto cell = [](std::string_view text, bool right = false) {
    return std::string(right ? "<td align=\"right\">" : "<td>") + EscapeHtml(text) + "</td>";
  };
  std::string html = "<html><head><meta charset=\"utf-8\"><title>";
  html += kQuotationHeading;
  html += "</title></head><body>\n<h1>";
  html += kQuotationHeading;
  html += "</h1>\n<p>" + EscapeHtml(date) + "</p>\n";
  if (!sheet.Customer().empty() || !sheet.Reference().empty()) {
    html += "<p>";
    if (!sheet.Customer().empty()) html += "Customer: " + EscapeHtml(sheet.Customer());
    if (!sheet.Customer().empty() && !sheet.Reference().empty()) html += "<br>";
    if (!sheet.Reference().empty()) html += "Reference: " + EscapeHtml(sheet.Reference());
    html += "</p>\n";
  }
  html +=
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
      "<tr><th align=\"left\">Description</th><th align=\"right\">Qty</th>"
      "<th align=\"right\">Unit excl. VAT</th><th align=\"right\">Excl. VAT</th>"
      "<th align=\"right\">Incl. VAT</th></tr>\n";
  for (const QuoteLine& line : sheet.Lines()) {
    html += "<tr>" + cell(line.description) + cell(std::to_string(line.quantity), true) +
            cell(FormatPrice(line.unitExcludingVat, separators), true) +
            cell(FormatPrice(line.totalExcludingVat, separators), true) +
            cell(FormatPrice(line.totalIncludingVat, separators), true) + "</tr>\n";
  }
  for (const TotalRow& row : TotalRows(sheet.Totals())) {
    html += "<tr><td colspan=\"4\" align=\"right\"><b>" + EscapeHtml(row.label) +
            "</b></td><td align=\"right\"><b>" + EscapeHtml(FormatPrice(row.amount, separators)) +
            "</b></td></tr>\n";
  }
  // The footnote keeps its own spacing.
  html += "</table>\n<p style=\"white-space: pre-wrap\"><small>";
  html += EscapeHtml(footer.footnote);
  html += "</small></p>\n<p>" + EscapeHtml(Telephone(footer)) + "</p>\n</body></html>\n";
  return html;
}

}  // namespace corvane
