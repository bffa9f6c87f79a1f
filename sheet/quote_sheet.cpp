#include "sheet/quote_sheet.h"

#include <utility>

#include "money/errors.h"
#include "money/format_price.h"
#include "money/vat.h"

namespace corvane {
namespace {

QuoteLine Priced(QuoteLine line) {
  const Money amount = line.unitExcludingVat.times(line.quantity);
  line.totalExcludingVat = ShownCents(amount);
  line.totalIncludingVat = Money::fromDouble(AddVat(amount, line.vat));
  return line;
}

SheetTotals Sum(const std::vector<QuoteLine>& lines) {
  SheetTotals totals;
  for (const QuoteLine& line : lines) {
    totals.excludingVat = totals.excludingVat + line.totalExcludingVat;
    totals.includingVat = totals.includingVat + line.totalIncludingVat;
  }
  totals.vat = totals.includingVat - totals.excludingVat;
  return totals;
}

void CheckLine(const std::vector<QuoteLine>& lines, std::size_t line) {
  if (line >= lines.size()) throw RangeError("the quote has no such line");
}

}  // namespace

void QuoteSheet::Add(const PricedItem& item) {
  QuoteLine line;
  line.description = item.description;
  line.unitExcludingVat = item.price.excludingVat;
  line.vat = item.price.vat;
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
  Changed();
}

void QuoteSheet::SetReference(std::string reference) {
  reference_ = std::move(reference);
  Changed();
}

void QuoteSheet::SetDates(QuoteDate date, QuoteDate validUntil) {
  date_ = date;
  validUntil_ = validUntil;
  Changed();
}

void QuoteSheet::SetValidUntil(QuoteDate validUntil) {
  validUntil_ = validUntil;
  Changed();
}

Quotation QuoteSheet::Document(const DealerDetails& dealer, const QuoteTerms& terms) const {
  if (sent_) return *sent_;
  Quotation quotation;
  quotation.date = date_;
  quotation.validUntil = validUntil_;
  quotation.customer = customer_;
  quotation.reference = reference_;
  quotation.dealer = dealer;
  quotation.terms = terms;
  if (!dealer.currency.empty()) quotation.terms.currency = dealer.currency;
  quotation.lines = lines_;
  quotation.totals = totals_;
  return quotation;
}

void QuoteSheet::Numbered(const Quotation& sent) {
  sent_ = sent;
}

void QuoteSheet::Open(const Quotation& sent) {
  lines_ = sent.lines;
  totals_ = sent.totals;
  customer_ = sent.customer;
  reference_ = sent.reference;
  date_ = sent.date;
  validUntil_ = sent.validUntil;
  sent_ = sent;
  handedOn_ = true;
}

// The totals are worked out before anything is replaced, so a sum out of range leaves the sheet
// as it was.
void QuoteSheet::Replace(std::vector<QuoteLine> lines) {
  const SheetTotals totals = Sum(lines);
  lines_ = std::move(lines);
  totals_ = totals;
  Changed();
}

void QuoteSheet::Changed() {
  sent_.reset();
  handedOn_ = false;
}

}  // namespace corvane
