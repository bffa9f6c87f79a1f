#include "sheet/priced_line.h"

#include <cmath>
#include <utility>

#include "money/errors.h"
#include "quotation/amounts.h"
#include "sheet/describe.h"

namespace corvane {
namespace {

//! The catalogue index of the entry of that name; nothing when the table holds none.
template <typename Table>
std::optional<int> IndexOf(const Table& table, const std::string& name, int first) {
  if (name.empty()) return std::nullopt;
  for (int i = first; i <= table.UpperBound(); ++i) {
    if (table[i] == name) return i;
  }
  return std::nullopt;
}

std::optional<DiscountPercent> DiscountOf(const QuoteRequest& request) {
  if (!request.discount || request.discount->percent == 0) return std::nullopt;
  return DiscountPercent{std::llround(request.discount->percent * 10'000)};
}

}  // namespace

BookIdentity IdentityOf(const PriceBook& book) {
  const EffectiveDate& d = book.effectiveDate;
  const std::chrono::year_month_day day{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  return {book.vendorName, QuoteDate{day}};
}

std::string BookName(const BookIdentity& book) {
  return book.vendor + " (" + DateText(book.effective) + ")";
}

std::string CurrencyOf(const PriceBook& book) {
  return book.currency.value_or("ZAR");
}

LineSubject SubjectOf(const PriceBook& book, const QuoteRequest& request) {
  LineSubject subject;
  subject.kind = request.kind;
  subject.ageBand = request.ageBand;
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      subject.from = book.PackageName[request.from];
      if (request.to) subject.to = book.PackageName[*request.to];
      break;
    case QuoteKind::NewPackage:
      subject.from = book.PackageName[request.from];
      break;
    case QuoteKind::Support:
      subject.item = book.SupportItem[request.item];
      break;
    case QuoteKind::Other:
      subject.item = book.OtherItem[request.item];
      break;
  }
  return subject;
}

std::optional<QuoteLine> PricedLine(const PriceBook& book, const QuoteRequest& request) {
  const Quote quote = Price(book, request);
  if (!quote.Priced()) return std::nullopt;
  QuoteRequest undiscounted = request;
  undiscounted.discount.reset();
  QuoteLine line;
  line.description = Describe(book, undiscounted, Separators{});
  line.subject = SubjectOf(book, request);
  line.book = IdentityOf(book);
  line.vat = book.vat;
  line.listPrice = Price(book, undiscounted).excludingVat;
  line.discount = DiscountOf(request);
  const UnitPrice unit = QuotedUnitPrice(quote.excludingVat, book.vat);
  line.basis = unit.basis;
  line.unitPrice = unit.amount;
  line.quantity = 1;
  line.amounts = LineAmountsOf(unit, 1, book.vat);
  return line;
}

std::optional<QuoteLine> PricedAgain(const PriceBook& book, const QuoteLine& line) {
  if (!line.subject) return std::nullopt;
  const LineSubject& subject = *line.subject;
  QuoteRequest request;
  request.kind = subject.kind;
  request.ageBand = subject.ageBand;
  if (line.discount) {
    request.discount = Discount{static_cast<double>(line.discount->tenThousandths) / 10'000, {}};
  }
  // Catalogue index 0 is never listed, as the window's lists skip it.
  switch (subject.kind) {
    case QuoteKind::CrossGrade: {
      const auto from = IndexOf(book.PackageName, subject.from, 1);
      const auto to = IndexOf(book.PackageName, subject.to, 1);
      if (!from || !to) return std::nullopt;
      request.from = *from;
      request.to = *to;
      break;
    }
    case QuoteKind::NewPackage: {
      const auto from = IndexOf(book.PackageName, subject.from, 1);
      if (!from) return std::nullopt;
      request.from = *from;
      break;
    }
    case QuoteKind::Support: {
      const auto item = IndexOf(book.SupportItem, subject.item, 1);
      if (!item) return std::nullopt;
      request.item = *item;
      break;
    }
    case QuoteKind::Other: {
      const auto item = IndexOf(book.OtherItem, subject.item, 1);
      if (!item) return std::nullopt;
      request.item = *item;
      break;
    }
  }
  std::optional<QuoteLine> priced = PricedLine(book, request);
  if (!priced) return std::nullopt;
  return AtQuantity(std::move(*priced), line.quantity);
}

QuoteLine AtQuantity(QuoteLine line, int quantity) {
  if (quantity < kMinQuantity || quantity > kMaxQuantity) {
    throw RangeError("a quantity must be between 1 and 999");
  }
  line.amounts = LineAmountsOf({line.basis, line.unitPrice}, quantity, line.vat);
  line.quantity = static_cast<std::int16_t>(quantity);
  return line;
}

}  // namespace corvane
