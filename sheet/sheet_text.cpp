#include "sheet/sheet_text.h"

#include "money/vat.h"
#include "quotation/amounts.h"
#include "quotation/quote_status.h"
#include "sheet/html.h"
#include "sheet/printable_text.h"

namespace corvane {
namespace {

// How much of a typed multi-line value a document carries: enough for any real address or terms,
// few enough that the closing block always fits on a page with the last line.
constexpr std::size_t kAddressLines = 8;
constexpr std::size_t kTermsLines = 24;
constexpr std::size_t kTermsLineLimit = 600;

constexpr std::string_view kBlank = "____________________";

void AddLines(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) text += line + "\n";
}

void AddField(std::vector<std::string>& lines, std::string_view label, const std::string& value) {
  if (!value.empty()) lines.push_back(std::string(label) + PrintableField(value));
}

std::string Price(Money amount, const Separators& separators) {
  return FormatPrice(amount, separators);
}

std::string Marked(Money amount, PriceBasis basis, const Separators& separators) {
  std::string text = Price(amount, separators);
  if (basis == PriceBasis::IncludingVat) text += kIncludingMark;
  return text;
}

std::string RateText(VatRate rate, const Separators& separators) {
  return PercentText(std::int64_t{rate.hundredths} * 100, separators);
}

// The list price in the line's basis: including VAT for a line quoted so, by the window's rule;
// without a discount, the unit price itself.
Money ListPriceInBasis(const QuoteLine& line) {
  if (line.basis == PriceBasis::ExcludingVat) return line.listPrice;
  if (!line.discount || line.discount->tenThousandths == 0) return line.unitPrice;
  return CentsHalfEven(line.listPrice *
                       Money::fromTenThousandths(Money::kScale + line.vat.hundredths));
}

}  // namespace

std::string QuotationTitle(const Quotation& quotation) {
  std::string title(kQuotationHeading);
  if (const std::string number = NumberWithRevision(quotation); !number.empty()) {
    title += ' ';
    title += PrintableField(number);
  }
  return title;
}

std::vector<std::string> SellerLines(const DealerDetails& dealer) {
  std::vector<std::string> lines;
  AddField(lines, "", dealer.companyName);
  for (std::string& line : PrintableLines(dealer.address, kFieldLimit, kAddressLines)) {
    lines.push_back(std::move(line));
  }
  AddField(lines, "Tel: ", dealer.telephone);
  AddField(lines, "E-mail: ", dealer.email);
  AddField(lines, "VAT reg. no.: ", dealer.vatNumber);
  return lines;
}

std::vector<std::string> PaymentLines(const DealerDetails& dealer) {
  std::vector<std::string> lines;
  AddField(lines, "Account holder: ", dealer.bank.accountHolder);
  AddField(lines, "Bank: ", dealer.bank.bank);
  AddField(lines, "Account no. / IBAN: ", dealer.bank.account);
  AddField(lines, "Branch code / BIC: ", dealer.bank.branch);
  if (!lines.empty()) lines.insert(lines.begin(), "Bank details");
  AddField(lines, "Payment terms: ", dealer.paymentTerms);
  return lines;
}

std::vector<std::string> BuyerLines(const Customer& customer) {
  std::vector<std::string> lines;
  AddField(lines, "", customer.company);
  AddField(lines, "Attn. ", customer.contact);
  for (std::string& line : PrintableLines(customer.address, kFieldLimit, kAddressLines)) {
    lines.push_back(std::move(line));
  }
  AddField(lines, "VAT no.: ", customer.vatNumber);
  AddField(lines, "E-mail: ", customer.email);
  AddField(lines, "Tel: ", customer.telephone);
  if (!lines.empty()) lines.insert(lines.begin(), "Quotation for");
  return lines;
}

std::vector<std::string> QuoteFacts(const Quotation& quotation) {
  std::vector<std::string> facts;
  AddField(facts, "Number: ", NumberWithRevision(quotation));
  facts.push_back(std::string("Date: ") + DateText(quotation.date));
  facts.push_back(std::string("Valid until: ") + DateText(quotation.validUntil));
  AddField(facts, "Reference: ", quotation.reference);
  return facts;
}

std::string ValidityText(const Quotation& quotation) {
  return std::string("Valid until ") + DateText(quotation.validUntil) + ".";
}

std::string WithCurrency(std::string_view label, const Quotation& quotation) {
  std::string text(label);
  if (!quotation.currency.empty())
    text += std::string(" (") + PrintableField(quotation.currency) + ")";
  return text;
}

DocumentRow ColumnHeadings(const Quotation& quotation) {
  return {"Description",
          "Qty",
          "List price",
          "Discount",
          "Unit price",
          "VAT",
          WithCurrency("Amount", quotation)};
}

DocumentRow LineCells(const QuoteLine& line, const Separators& separators) {
  // A line kept before lines knew their list price has none to show.
  const bool listed = line.subject.has_value() || line.listPrice != Money{};
  return {PrintableField(line.description, kDescriptionLimit),
          std::to_string(line.quantity),
          listed ? Marked(ListPriceInBasis(line), line.basis, separators) : std::string(),
          line.discount ? PercentText(line.discount->tenThousandths, separators) : std::string(),
          Marked(line.unitPrice, line.basis, separators),
          RateText(line.vat, separators),
          Marked(line.basis == PriceBasis::IncludingVat ? line.amounts.includingVat
                                                        : line.amounts.excludingVat,
                 line.basis, separators)};
}

std::string IncludingNote(const Quotation& quotation) {
  for (const QuoteLine& line : quotation.lines) {
    if (line.basis == PriceBasis::IncludingVat) {
      return "Prices marked incl. include VAT; the others exclude it.";
    }
  }
  return {};
}

std::string PercentText(std::int64_t tenThousandths, const Separators& separators) {
  const bool negative = tenThousandths < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                           : static_cast<std::uint64_t>(tenThousandths);
  std::string text(negative ? "-" : "");
  text += std::to_string(magnitude / 10'000);
  std::string fraction = std::to_string(10'000 + magnitude % 10'000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += separators.decimal + fraction;
  return text + "%";
}

std::vector<TotalRow> TotalRows(const Quotation& quotation, const Separators& separators) {
  std::vector<TotalRow> rows{
      {WithCurrency("Total excl. VAT", quotation), quotation.totals.excludingVat}};
  for (const VatRow& rate : quotation.totals.rates) {
    rows.push_back({std::string("VAT ") + RateText(rate.rate, separators) + " on " +
                        Price(rate.base, separators),
                    rate.vat});
  }
  rows.push_back({WithCurrency("Total incl. VAT", quotation), quotation.totals.includingVat});
  return rows;
}

std::vector<std::string> TermsLines(const Quotation& quotation) {
  return PrintableLines(quotation.dealer.terms, kTermsLineLimit, kTermsLines);
}

std::string AcceptanceHeading(const Quotation& quotation) {
  return std::string("Accepted on behalf of ") + (quotation.customer.company.empty()
                                                      ? std::string("the customer")
                                                      : PrintableField(quotation.customer.company));
}

std::string MailSubject(const Quotation& quotation) {
  std::string subject = QuotationTitle(quotation);
  if (!quotation.dealer.companyName.empty()) {
    subject += std::string(" from ") + PrintableField(quotation.dealer.companyName);
  }
  return subject;
}

std::string SheetPlainText(const Quotation& quotation, const Separators& separators) {
  std::string text = QuotationTitle(quotation) + "\n\n";
  const auto block = [&text](const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    AddLines(text, lines);
    text += "\n";
  };
  block(SellerLines(quotation.dealer));
  block(BuyerLines(quotation.customer));
  block(QuoteFacts(quotation));
  text += WithCurrency("Lines", quotation) + ":\n";
  for (const QuoteLine& line : quotation.lines) {
    const DocumentRow cells = LineCells(line, separators);
    const auto cell = [&cells](DocumentColumn column) {
      return cells[static_cast<std::size_t>(column)];
    };
    text += cell(DocumentColumn::Quantity) + " x " + cell(DocumentColumn::Description) + " at " +
            cell(DocumentColumn::UnitPrice) + " = " + cell(DocumentColumn::Amount) + " (";
    if (!cell(DocumentColumn::ListPrice).empty()) {
      text += std::string("list price ") + cell(DocumentColumn::ListPrice) + ", ";
    }
    if (!cell(DocumentColumn::Discount).empty()) {
      text += std::string("discount ") + cell(DocumentColumn::Discount) + ", ";
    }
    text += std::string("VAT ") + cell(DocumentColumn::VatRate) + ")\n";
  }
  if (const std::string note = IncludingNote(quotation); !note.empty()) text += note + "\n";
  text += "\n";
  for (const TotalRow& row : TotalRows(quotation, separators)) {
    text += row.label + ": " + Price(row.amount, separators) + "\n";
  }
  text += std::string("\n") + ValidityText(quotation) + "\n";
  AddLines(text, TermsLines(quotation));
  text += "\n";
  block(PaymentLines(quotation.dealer));
  text += AcceptanceHeading(quotation) + "\n";
  for (std::string_view field : kAcceptanceFields) {
    text += std::string(field) + ": " + std::string(kBlank) + "\n";
  }
  return text;
}

std::string SheetHtml(const Quotation& quotation, const Separators& separators) {
  const auto cell = [](std::string_view text, bool right) {
    return std::string(right ? "<td align=\"right\">" : "<td>") + EscapeHtml(text) + "</td>";
  };
  const auto paragraph = [](const std::vector<std::string>& lines) {
    if (lines.empty()) return std::string();
    std::string html = "<p>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      html += (i > 0 ? "<br>" : "") + EscapeHtml(lines[i]);
    }
    return html + "</p>\n";
  };
  const std::string title = EscapeHtml(QuotationTitle(quotation));
  std::string html = std::string("<html><head><meta charset=\"utf-8\"><title>") + title +
                     "</title></head><body>\n<h1>" + title + "</h1>\n";
  html += paragraph(SellerLines(quotation.dealer));
  html += paragraph(BuyerLines(quotation.customer));
  html += paragraph(QuoteFacts(quotation));
  html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n<thead><tr>";
  const DocumentRow headings = ColumnHeadings(quotation);
  for (std::size_t i = 0; i < kDocumentColumns; ++i) {
    html += std::string(i == 0 ? "<th align=\"left\">" : "<th align=\"right\">") +
            EscapeHtml(headings[i]) + "</th>";
  }
  html += "</tr></thead>\n<tbody>\n";
  for (const QuoteLine& line : quotation.lines) {
    const DocumentRow cells = LineCells(line, separators);
    html += "<tr>";
    for (std::size_t i = 0; i < kDocumentColumns; ++i) html += cell(cells[i], i > 0);
    html += "</tr>\n";
  }
  html += "</tbody>\n<tfoot>\n";
  for (const TotalRow& row : TotalRows(quotation, separators)) {
    html += std::string("<tr><td colspan=\"") + std::to_string(kDocumentColumns - 1) +
            "\" align=\"right\"><b>" + EscapeHtml(row.label) + "</b></td><td align=\"right\"><b>" +
            EscapeHtml(Price(row.amount, separators)) + "</b></td></tr>\n";
  }
  html += "</tfoot>\n</table>\n";
  if (const std::string note = IncludingNote(quotation); !note.empty()) {
    html += std::string("<p>") + EscapeHtml(note) + "</p>\n";
  }
  html += std::string("<p>") + EscapeHtml(ValidityText(quotation)) + "</p>\n";
  html += paragraph(TermsLines(quotation));
  html += paragraph(PaymentLines(quotation.dealer));
  std::vector<std::string> acceptance{AcceptanceHeading(quotation)};
  for (std::string_view field : kAcceptanceFields) {
    acceptance.push_back(std::string(field) + ": " + std::string(kBlank));
  }
  html += paragraph(acceptance);
  return html + "</body></html>\n";
}

}  // namespace corvane
