#include "sheet/priced_item.h"

#include "sheet/html.h"

namespace corvane {

std::string VatRateText(VatRate rate) {
  return "VAT " + VatPercentText(rate) + "%";
}

std::string PriceText(const PricedItem& item) {
  std::string text = item.description;
  text += ": ";
  text += item.price.excludingText;
  text += " excl. VAT, ";
  text += item.price.includingText;
  text += " incl. VAT (";
  text += VatRateText(item.price.vat);
  text += ")";
  return text;
}

std::string PriceHtml(const PricedItem& item) {
  std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
  html +=
      "<tr><th align=\"left\">Description</th><th align=\"right\">Excl. VAT</th>"
      "<th align=\"right\">Incl. VAT (";
  html += VatRateText(item.price.vat);
  html += ")</th></tr>\n<tr><td>";
  html += EscapeHtml(item.description);
  html += "</td><td align=\"right\">";
  html += EscapeHtml(item.price.excludingText);
  html += "</td><td align=\"right\">";
  html += EscapeHtml(item.price.includingText);
  html += "</td></tr>\n</table>\n";
  return html;
}

}  // namespace corvane
