#include "sheet/describe.h"

#include <string_view>

namespace corvane {
namespace {

constexpr std::string_view kSupportPrefix = "Support Contract";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string DiscountClause(const QuoteRequest& request) {
  if (!request.discount) return {};
  const std::string_view written = Trimmed(request.discount->written);
  // Named when it takes something off as the price reads it: "0,5%" takes half a percent.
  if (written.empty() || request.discount->percent == 0) return {};
  return ", discount " + std::string(written);
}

}  // namespace

std::string Describe(const PriceBook& book, const QuoteRequest& request) {
  switch (request.kind) {
    case QuoteKind::CrossGrade:
      return "Cross-grade from " + book.PackageName[request.from] + " to " +
             book.PackageName[request.to.value_or(0)] + DiscountClause(request);
    case QuoteKind::NewPackage:
      return "New package " + book.PackageName[request.from] + DiscountClause(request);
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
