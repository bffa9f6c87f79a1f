#include "quote/quote_cross_grade.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "quote/discount.h"
#include "quote/look_up_cross_grade.h"
#include "quote/package_name.h"
#include "quote/percentage.h"

namespace corvane {
namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

Money WholeAmount(std::int16_t units) {
  return Money::fromInt16(units);
}

// The terminal check of the rules, for pairs the tables do not serve. A Strovane To package is
// exempt from it.
bool RulesRefuseFewerTerminals(const std::string& from, const std::string& to) {
  return LastSpacePosition(from) > 0 && LastSpacePosition(to) > 0 &&
         ReducesTerminals(TerminalCount(from), TerminalCount(to)) &&
         !Contains(UpperCase(to), "STROVANE");
}

}  // namespace

Money TradeInValue(const PriceBook& book, int fromIndex, int toIndex, int band) {
  const std::string& fromText = book.PackageName[fromIndex];
  const Money newPrice = book.PackagePrice[fromIndex];
  const auto percentage = [&](Money percent) {
    return PercentageOf(newPrice, percent, "A trade-in value");
  };
  const auto amount = [&](int ageBand) { return book.TradeInAmount(fromIndex, ageBand); };
  const auto inRange = [&](int first, int last) { return toIndex >= first && toIndex <= last; };

  if (inRange(1, 11)) return percentage(book.TradeInPercentA(fromIndex, band));
  if (toIndex == 12) return amount(band) - WholeAmount(100);
  if (inRange(13, 17)) {
    if (Contains(fromText, "ZEPH")) return band != 0 ? amount(band) : amount(0) - WholeAmount(300);
    return percentage(book.TradeInPercentC(fromIndex, band));
  }
  if (inRange(18, 31)) {
    if (Contains(fromText, "ZEPH")) return band != 0 ? amount(band) : amount(0) - WholeAmount(250);
    if (Contains(fromText, "Hobbleda")) {
      return band != 0 ? percentage(book.TradeInPercentC(fromIndex, band) + WholeAmount(15))
                       : percentage(book.TradeInPercentC(fromIndex, 0) + WholeAmount(5));
    }
    if (Contains(fromText, "Tessa")) {
      return percentage(book.TradeInPercentD(fromIndex, band) + WholeAmount(5));
    }
    return percentage(book.TradeInPercentB(fromIndex, band));
  }
  if (toIndex == 32) {
    return Contains(fromText, "DOS Pro ZEPH") ? amount(band) - WholeAmount(300) : amount(band);
  }
  if (inRange(33, 37)) return percentage(book.TradeInPercentC(fromIndex, band));
  if (inRange(38, 50)) return percentage(book.TradeInPercentD(fromIndex, band));
  return newPrice;
}

Quote QuoteCrossGrade(const PriceBook& book, const QuoteRequest& request) {
  if (!request.to) return Quote{};
  const std::string& from = book.PackageName[request.from];
  const std::string& to = book.PackageName[*request.to];
  if (to == from) return RefusedFor(Refusal::SamePackage);
  if (Contains(to, "PIPWICK")) return RefusedFor(Refusal::ToPipwick);

  const Lookup listed = LookUpCrossGrade(book, from, to, request.ageBand);
  Money quote = listed.price;
  switch (listed.status) {
    case LookupStatus::Found:
      break;
    case LookupStatus::NotListed:
      return RefusedFor(Refusal::NotInDatabase);
    case LookupStatus::FewerTerminals:
      return RefusedFor(Refusal::FewerTerminals);
    case LookupStatus::NotApplicable:
      if (RulesRefuseFewerTerminals(from, to)) return RefusedFor(Refusal::FewerTerminals);
      quote = book.PackagePrice[*request.to] -
              TradeInValue(book, request.from, *request.to, request.ageBand);
      break;
  }

  const Discount discount = request.discount.value_or(Discount{});
  if (discount.OutOfRange()) return RefusedFor(Refusal::DiscountOutOfRange);
  return PricedAt(DiscountCrossGrade(quote, discount), book.vat);
}

}  // namespace corvane
