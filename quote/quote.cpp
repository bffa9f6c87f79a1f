#include "quote/quote.h"

#include "money/vat.h"
#include "quote/quote_cross_grade.h"

namespace corvane {
namespace {

Quote NewPackagePrice(const PriceBook& book, const QuoteRequest& request) {
  const Money listPrice = book.PackagePrice[request.from];
  if (!request.discount) return PricedAt(listPrice, book.vat);
  if (request.discount->OutOfRange()) return RefusedFor(Refusal::DiscountOutOfRange);
  return PricedAt(ApplyDiscount(listPrice, *request.discount), book.vat);
}

}  // namespace

Quote Price(const PriceBook& book, const QuoteRequest& request) {
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      return QuoteCrossGrade(book, request);
    case QuoteKind::NewPackage:
      return NewPackagePrice(book, request);
    case QuoteKind::Support:
      return PricedAt(book.SupportPrice[request.item], book.vat);
    case QuoteKind::Other:
      return PricedAt(book.OtherPrice[request.item], book.vat);
  }
  return Quote{};
}

Quote PricedAt(Money excludingVat, VatRate rate) {
  return Quote{Quote::Outcome::Priced, excludingVat, AddVat(excludingVat, rate), rate, {}};
}

Quote RefusedFor(Refusal reason) {
  return Quote{Quote::Outcome::Refused, Money(), 0, VatRate{}, {reason}};
}

}  // namespace corvane
