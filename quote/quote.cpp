#include "quote/quote.h"

#include <utility>

#include "quote/discount.h"
#include "quote/messages.h"
#include "quote/quote_cross_grade.h"

namespace corvane {
namespace {

Quote Shown(const PriceBook& book, Money amount, const Separators& separators) {
  return Quote{Quote::Outcome::Priced, PriceForDisplay(amount, separators, book.vat), {}};
}

Quote NewPackagePrice(const PriceBook& book, const QuoteRequest& request) {
  const Money listPrice = book.PackagePrice[request.fromIndex];
  if (!request.discountText) return Shown(book, listPrice, request.separators);
  if (DiscountOutOfRange(*request.discountText)) {
    return ClearThenWarn(std::string(kDiscountRangeMessage));
  }
  return Shown(book, ApplyDiscount(listPrice, *request.discountText), request.separators);
}

}  // namespace

Quote Price(const PriceBook& book, const QuoteRequest& request) {
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      return QuoteCrossGrade(book, request);
    case QuoteKind::NewPackage:
      return NewPackagePrice(book, request);
    case QuoteKind::Support:
      return Shown(book, book.SupportPrice[request.item], request.separators);
    case QuoteKind::Other:
      return Shown(book, book.OtherPrice[request.item], request.separators);
  }
  return Quote{};
}

Quote ClearThenWarn(std::string message) {
  return Quote{
      Quote::Outcome::Refused,
      {},
      {{RefusalStep::Action::ClearBoxes, {}}, {RefusalStep::Action::Warn, std::move(message)}}};
}

Quote WarnThenClear(std::string message) {
  return Quote{
      Quote::Outcome::Refused,
      {},
      {{RefusalStep::Action::Warn, std::move(message)}, {RefusalStep::Action::ClearBoxes, {}}}};
}

}  // namespace corvane
