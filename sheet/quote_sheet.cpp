#include "sheet/quote_sheet.h"

#include <utility>

#include "money/errors.h"
#include "money/format_price.h"

namespace corvane {
namespace {

QuoteLine Priced(QuoteLine line) {
  line.totalExcludingVat = line.unitExcludingVat.times(line.quantity);
  line.totalIncludingVat = line.unitIncludingVat.times(line.quantity);
  return line;
}

SheetTotals Sum(const std::vector<QuoteLine>& lines) {
  SheetTotals totals;
  for (const QuoteLine& line : lines) {
    totals.excludingVat = totals.excludingVat + line.totalExcludingVat;
    totals.includingVat = totals.includingVat + line.totalIncludingVat;
  }
  totals.vat = totals.includingVat - totals.excludingVat;
  if (!lines.empty()) totals.rate = lines.front().vat;
  for (const QuoteLine& line : lines) {
    if (line.vat != totals.rate) totals.rate.reset();
  }
  return totals;
}

void CheckLine(const std::vector<QuoteLine>& lines, std::size_t line) {
  if (line >= lines.size()) throw RangeError("the quote has no such line");
}

}  // namespace

void QuoteSheet::Add(const PricedItem& item) {
  QuoteLine line;
  line.description = item.description;
  line.vat = item.price.vat;
  line.unitExcludingVat = ShownCents(item.price.excludingVat);
  line.unitIncludingVat = ShownCents(Money::fromDouble(item.price.includingVat));
  std::vector<QuoteLine> lines = lines_;
  lines.push_back(Priced(std::move(line)));
  Replace(std::move(lines));
}

void QuoteSheet::SetQuantity(std::size_t line, int quantity) {
  CheckLine(lines_, line);
  if (quantity < kMinQuantity || quantity > kMaxQuantity) {
    throw RangeError("a quantity must be between 1 and 999");
  }
  std::vector<QuoteLine> lines = lines_;
  lines[line].quantity = static_cast<std::int16_t>(quantity);
  lines[line] = Priced(std::move(lines[line]));
  Replace(std::move(lines));
}

void QuoteSheet::Remove(std::size_t line) {
  CheckLine(lines_, line);
  std::vector<QuoteLine> lines = lines_;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
  Replace(std::move(lines));
}

void QuoteSheet::Clear() {
  Replace({});
}

void QuoteSheet::SetCustomer(std::string customer) {
  customer_ = std::move(customer);
  handedOn_ = false;
}

void QuoteSheet::SetReference(std::string reference) {
  reference_ = std::move(reference);
  handedOn_ = false;
}

// The totals are worked out before anything is replaced, so a sum out of range leaves the sheet
// as it was.
void QuoteSheet::Replace(std::vector<QuoteLine> lines) {
  const SheetTotals totals = Sum(lines);
  lines_ = std::move(lines);
  totals_ = totals;
  handedOn_ = false;
}

}  // namespace corvane
