#include "register/register_table.h"

#include "quotation/quote_status.h"
#include "register/register_json.h"

namespace corvane {
namespace {

TableCell Text(std::string text) {
  return TableCell{std::move(text), false, false};
}
TableCell Number(std::string text) {
  return TableCell{std::move(text), true, false};
}
TableCell Day(QuoteDate date) {
  return TableCell{IsoDate(date), false, true};
}

// "14% 15%", "12.5%": the rates present, as a person reads them.
std::string RatesText(const QuotationTotals& totals) {
  std::string text;
  for (const VatRow& row : totals.rates) {
    if (!text.empty()) text.push_back(' ');
    text.append(std::to_string(row.rate.hundredths / 100));
    int fraction = row.rate.hundredths % 100;
    if (fraction != 0) {
      text.push_back('.');
      text.push_back(static_cast<char>('0' + fraction / 10));
      fraction %= 10;
      if (fraction != 0) text.push_back(static_cast<char>('0' + fraction));
    }
    text.push_back('%');
  }
  return text;
}

std::string Quoted(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::vector<std::string> RegisterTableHeadings() {
  return {"Number",      "Revision",  "Status",          "Status date", "Date",
          "Valid until", "Customer",  "Contact",         "Reference",   "Currency",
          "Lines",       "VAT rates", "Total excl. VAT", "VAT",         "Total incl. VAT"};
}

std::vector<std::vector<TableCell>> RegisterTableRows(const std::vector<Quotation>& quotations,
                                                      QuoteDate today) {
  std::vector<std::vector<TableCell>> rows;
  rows.reserve(quotations.size());
  for (const Quotation& q : quotations) {
    rows.push_back({Text(q.number), Number(std::to_string(q.revision)),
                    Text(std::string(StatusName(ShownStatus(q, today)))),
                    q.statusDate ? Day(*q.statusDate) : Text(""), Day(q.date), Day(q.validUntil),
                    Text(q.customer.company), Text(q.customer.contact), Text(q.reference),
                    Text(q.currency), Number(std::to_string(q.lines.size())),
                    Text(RatesText(q.totals)), Number(DecimalText(q.totals.excludingVat)),
                    Number(DecimalText(q.totals.vat)), Number(DecimalText(q.totals.includingVat))});
  }
  return rows;
}

std::string RegisterCsv(const std::vector<Quotation>& quotations, QuoteDate today) {
  std::string csv;
  const auto line = [&](const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i) csv += ',';
      csv += Quoted(fields[i]);
    }
    csv += "\r\n";
  };
  line(RegisterTableHeadings());
  for (const auto& row : RegisterTableRows(quotations, today)) {
    std::vector<std::string> fields;
    for (const TableCell& cell : row) fields.push_back(cell.text);
    line(fields);
  }
  return csv;
}

}  // namespace corvane
