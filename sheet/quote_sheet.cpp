#include "sheet/quote_sheet.h"

#include <algorithm>
#include <utility>

#include "money/errors.h"
#include "quotation/amounts.h"
#include "sheet/priced_line.h"

namespace corvane {
namespace {

void CheckLine(const std::vector<QuoteLine>& lines, std::size_t line) {
  if (line >= lines.size()) throw RangeError("the quote has no such line");
}

bool SamePrice(const QuoteLine& a, const QuoteLine& b) {
  return a.basis == b.basis && a.unitPrice == b.unitPrice;
}

}  // namespace

void QuoteSheet::Add(const PriceBook& book, const QuoteRequest& request) {
  std::optional<QuoteLine> line = PricedLine(book, request);
  if (!line) throw RangeError("the price book gives no price for it");
  std::vector<QuoteLine> lines = lines_;
  lines.push_back(std::move(*line));
  Replace(std::move(lines));
  currency_ = CurrencyOf(book);
}

void QuoteSheet::SetQuantity(std::size_t line, int quantity) {
  CheckLine(lines_, line);
  std::vector<QuoteLine> lines = lines_;
  lines[line] = AtQuantity(std::move(lines[line]), quantity);
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

void QuoteSheet::SetCustomer(Customer customer) {
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

std::size_t QuoteSheet::LinesPricedElsewhere(const PriceBook& book) const {
  const BookIdentity identity = IdentityOf(book);
  return static_cast<std::size_t>(std::count_if(
      lines_.begin(), lines_.end(), [&](const QuoteLine& line) { return line.book != identity; }));
}

Repricing QuoteSheet::Reprice(const PriceBook& book) {
  Repricing result{IdentityOf(book), {}, {}};
  std::vector<QuoteLine> lines = lines_;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QuoteLine& line = lines[i];
    std::optional<QuoteLine> again;
    try {
      again = PricedAgain(book, line);
    } catch (const OverflowError&) {
    } catch (const RangeError&) {
    } catch (const FloatingPointError&) {
      // A price the book cannot work out is one it cannot give: the line keeps its own.
    }
    if (!again) {
      line.keptPrice = true;
      result.kept.push_back(i);
      continue;
    }
    if (!SamePrice(*again, line)) {
      again->earlierUnitPrice = line.unitPrice;
      result.repriced.push_back(i);
    } else {
      again->earlierUnitPrice = line.earlierUnitPrice;
    }
    line = std::move(*again);
  }
  Replace(std::move(lines));
  currency_ = CurrencyOf(book);
  return result;
}

Quotation QuoteSheet::Document(const DealerDetails& dealer) const {
  if (sent_) return *sent_;
  Quotation quotation;
  quotation.number = number_;
  quotation.revision = revision_;
  quotation.date = date_;
  quotation.validUntil = validUntil_;
  quotation.customer = customer_;
  quotation.reference = reference_;
  quotation.dealer = dealer;
  quotation.currency = currency_;
  quotation.lines = lines_;
  quotation.totals = totals_;
  return quotation;
}

void QuoteSheet::Numbered(const Quotation& sent) {
  sent_ = sent;
  number_ = sent.number;
  revision_ = sent.revision;
}

void QuoteSheet::Take(const Quotation& quotation) {
  lines_ = quotation.lines;
  totals_ = TotalsOf(lines_);
  customer_ = quotation.customer;
  reference_ = quotation.reference;
  date_ = quotation.date;
  validUntil_ = quotation.validUntil;
  if (!quotation.currency.empty()) currency_ = quotation.currency;
  number_ = quotation.number;
  revision_ = quotation.revision;
}

void QuoteSheet::Open(const Quotation& sent) {
  Take(sent);
  sent_ = sent;
  handedOn_ = true;
}

void QuoteSheet::OpenAsNew(const Quotation& quotation) {
  Take(quotation);
  number_.clear();
  revision_ = 1;
  Changed();
}

void QuoteSheet::Restore(const Quotation& draft) {
  if (draft.status != QuoteStatus::Draft && !draft.number.empty()) return Open(draft);
  Take(draft);
  Changed();
}

// The totals are worked out before anything is replaced, so a sum out of range leaves the sheet
// as it was.
void QuoteSheet::Replace(std::vector<QuoteLine> lines) {
  QuotationTotals totals = TotalsOf(lines);
  lines_ = std::move(lines);
  totals_ = std::move(totals);
  Changed();
}

void QuoteSheet::Changed() {
  sent_.reset();
  handedOn_ = false;
}

}  // namespace corvane
