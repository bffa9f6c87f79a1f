#include "sheet/describe.h"

#include <string_view>

#include "quote/discount.h"

namespace corvane {
namespace {

constexpr std::string_view kSupportPrefix = "Support Contract";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string DiscountClause(const QuoteRequest& request) {
  if (!request.discountText) return {};
  const std::string_view discount = Trimmed(*request.discountText);
  // Read as the price reads it: "0,5%" takes half a percent off, so it is named.
  if (discount.empty() || DiscountPercent(discount) == 0) return {};
  return ", discount " + std::string(discount);
}

}  // namespace

std::string Describe(const PriceBook& book, const QuoteRequest& request) {
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      return "Cross-grade from " + request.fromText + " to " + request.toText +
             DiscountClause(request);
    case QuoteKind::NewPackage:
      return "New package " + book.PackageName[request.fromIndex] + DiscountClause(request);
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
