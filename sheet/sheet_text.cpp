#include "sheet/sheet_text.h"

#include "money/vat.h"
#include "sheet/html.h"

namespace corvane {
namespace {

void AddLines(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) text += line + "\n";
}

// Lines of the dealer's multi-line texts, without blank ones.
std::vector<std::string> TextLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") != std::string_view::npos) lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::string QuotationTitle(const Quotation& quotation) {
  std::string title(kQuotationHeading);
  if (!quotation.number.empty()) title += " " + quotation.number;
  return title;
}

std::vector<std::string> SellerLines(const DealerDetails& dealer) {
  std::vector<std::string> lines;
  if (!dealer.companyName.empty()) lines.push_back(dealer.companyName);
  for (std::string& line : TextLines(dealer.address)) lines.push_back(std::move(line));
  if (!dealer.telephone.empty()) lines.push_back("Tel: " + dealer.telephone);
  if (!dealer.email.empty()) lines.push_back("E-mail: " + dealer.email);
  if (!dealer.vatNumber.empty()) lines.push_back("VAT reg. no.: " + dealer.vatNumber);
  return lines;
}

std::vector<std::string> QuoteFacts(const Quotation& quotation) {
  return {"Date: " + DateText(quotation.date), "Valid until: " + DateText(quotation.validUntil)};
}

std::vector<std::string> CustomerLines(const Quotation& quotation) {
  std::vector<std::string> lines;
  if (!quotation.customer.Empty()) lines.push_back("Customer: " + quotation.customer.company);
  if (!quotation.reference.empty()) lines.push_back("Reference: " + quotation.reference);
  return lines;
}

std::string ValidityText(const Quotation& quotation) {
  return "Valid until " + DateText(quotation.validUntil) + ".";
}

std::string WithCurrency(std::string_view label, const Quotation& quotation) {
  std::string text(label);
  if (!quotation.currency.empty()) text += " (" + quotation.currency + ")";
  return text;
}

std::vector<TotalRow> TotalRows(const Quotation& quotation, const Separators& separators) {
  std::vector<TotalRow> rows{
      TotalRow{WithCurrency("Total excl. VAT", quotation), quotation.totals.excludingVat}};
  for (const VatRow& rate : quotation.totals.rates) {
    rows.push_back(TotalRow{WithCurrency("VAT " + VatPercentText(rate.rate) + "% on " +
                                             FormatPrice(rate.base, separators),
                                         quotation),
                            rate.vat});
  }
  rows.push_back(
      TotalRow{WithCurrency("Total incl. VAT", quotation), quotation.totals.includingVat});
  return rows;
}

namespace {

std::string InBasis(Money amount, const QuoteLine& line, const Separators& separators) {
  return FormatPrice(amount, separators) +
         (line.basis == PriceBasis::IncludingVat ? " incl. VAT" : " excl. VAT");
}

}  // namespace

std::string UnitPriceText(const QuoteLine& line, const Separators& separators) {
  return InBasis(line.unitPrice, line, separators);
}

std::string LineAmountText(const QuoteLine& line, const Separators& separators) {
  return InBasis(line.basis == PriceBasis::IncludingVat ? line.amounts.includingVat
                                                        : line.amounts.excludingVat,
                 line, separators);
}

std::string SheetPlainText(const Quotation& quotation, const Separators& separators) {
  std::string text = QuotationTitle(quotation) + "\n\n";
  const std::vector<std::string> seller = SellerLines(quotation.dealer);
  AddLines(text, seller);
  if (!seller.empty()) text += "\n";
  AddLines(text, QuoteFacts(quotation));
  AddLines(text, CustomerLines(quotation));
  text += "\n";
  text += WithCurrency("Amounts", quotation) + ":\n";
  for (const QuoteLine& line : quotation.lines) {
    text += std::to_string(line.quantity) + " x " + line.description + " at " +
            UnitPriceText(line, separators) + " (VAT " + VatPercentText(line.vat) +
            "%): " + LineAmountText(line, separators) + "\n";
  }
  text += "\n";
  for (const TotalRow& row : TotalRows(quotation, separators)) {
    text += row.label + ": " + FormatPrice(row.amount, separators) + "\n";
  }
  text += "\n";
  text += ValidityText(quotation);
  text += "\n";
  AddLines(text, TextLines(quotation.dealer.terms));
  return text;
}

std::string SheetHtml(const Quotation& quotation, const Separators& separators) {
  const auto cell = [](std::string_view text, bool right = false) {
    return std::string(right ? "<td align=\"right\">" : "<td>") + EscapeHtml(text) + "</td>";
  };
  const auto paragraph = [](const std::vector<std::string>& lines) {
    std::string html = "<p>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      html += (i > 0 ? "<br>" : "") + EscapeHtml(lines[i]);
    }
    return html + "</p>\n";
  };
  const std::string title = EscapeHtml(QuotationTitle(quotation));
  std::string html = "<html><head><meta charset=\"utf-8\"><title>" + title +
                     "</title></head><body>\n<h1>" + title + "</h1>\n";
  if (const auto seller = SellerLines(quotation.dealer); !seller.empty()) html += paragraph(seller);
  html += paragraph(QuoteFacts(quotation));
  if (const auto customer = CustomerLines(quotation); !customer.empty()) {
    html += paragraph(customer);
  }
  html +=
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
      "<thead><tr><th align=\"left\">Description</th><th align=\"right\">Qty</th>";
  for (const char* heading : {"Unit price", "VAT", "Amount"}) {
    html += "<th align=\"right\">" + EscapeHtml(WithCurrency(heading, quotation)) + "</th>";
  }
  html += "</tr></thead>\n";
  for (const QuoteLine& line : quotation.lines) {
    html += "<tr>" + cell(line.description) + cell(std::to_string(line.quantity), true) +
            cell(UnitPriceText(line, separators), true) +
            cell(VatPercentText(line.vat) + "%", true) +
            cell(LineAmountText(line, separators), true) + "</tr>\n";
  }
  for (const TotalRow& row : TotalRows(quotation, separators)) {
    html += "<tr><td colspan=\"4\" align=\"right\"><b>" + EscapeHtml(row.label) +
            "</b></td><td align=\"right\"><b>" + EscapeHtml(FormatPrice(row.amount, separators)) +
            "</b></td></tr>\n";
  }
  html += "</table>\n<p>" + EscapeHtml(ValidityText(quotation)) + "</p>\n";
  if (const auto terms = TextLines(quotation.dealer.terms); !terms.empty()) {
    html += paragraph(terms);
  }
  return html + "</body></html>\n";
}

}  // namespace corvane
