#include "sheet/describe.h"

#include <cmath>
#include <string_view>

#include "sheet/sheet_text.h"

namespace corvane {
namespace {

constexpr std::string_view kSupportPrefix = "Support Contract";

std::string DiscountClause(const QuoteRequest& request, const Separators& separators) {
  // Named when it takes something off: a discount out of range prices nothing, so is never named.
  if (!request.discount || request.discount->percent == 0 || request.discount->OutOfRange()) {
    return {};
  }
  std::string clause = ", discount ";
  clause += PercentText(std::llround(request.discount->percent * 10'000), separators);
  return clause;
}

}  // namespace

std::string Describe(const PriceBook& book, const QuoteRequest& request,
                     const Separators& separators) {
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      return "Cross-grade from " + book.PackageName[request.from] + " to " +
             book.PackageName[request.to.value_or(0)] + DiscountClause(request, separators);
    case QuoteKind::NewPackage:
      return "New package " + book.PackageName[request.from] + DiscountClause(request, separators);
    case QuoteKind::Support: {
      const std::string& text = book.SupportItem[request.item];
      return text.starts_with(kSupportPrefix) ? text : "Support contract " + text;
    }
    case QuoteKind::Other:
      return "Other item " + book.OtherItem[request.item];
  }
  return {};
}

}  // namespace corvane
