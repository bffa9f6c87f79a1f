#include "quote/quote_cross_grade.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "quote/discount.h"
#include "quote/leading_number.h"
#include "quote/look_up_cross_grade.h"
#include "quote/messages.h"
#include "quote/package_name.h"
#include "quote/rounding.h"
#include "quote/show_price.h"

namespace corvane {
namespace {

void Refuse(QuoteView& view, std::string_view message) {
  ClearPriceBoxes(view);
  view.ShowWarning(message);
}

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// amount * percent / 100 in Money, divided in double and rounded to two decimals.
Money PercentageOf(Money amount, Money percent, std::string_view what) {
  const double share = CheckedResult((amount * percent).toDouble() / 100.0, what);
  return Money::fromDouble(RoundToCents(share));
}

Money WholeAmount(std::int16_t units) {
  return Money::fromInt16(units);
}

// The quote less the dealer discount, computed in Money; a discount of 0 leaves it untouched.
Money Discounted(Money quote, double discount) {
  if (discount == 0) return quote;
  const Money remaining = WholeAmount(100) - Money::fromDouble(discount);
  return PercentageOf(quote, remaining, "The discounted price");
}

}  // namespace

int AgeBand(const QuoteView& view) {
  if (view.AgeButtonSelected(2)) return 2;
  if (view.AgeButtonSelected(1)) return 1;
  return 0;
}

Money TradeInValue(const PriceBook& book, std::string_view fromText, std::int16_t fromIndex,
                   std::int16_t toIndex, int band) {
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

void QuoteCrossGrade(const PriceBook& book, QuoteView& view, std::int16_t fromIndex,
                     const std::int16_t& toIndex) {
  const std::string from = view.FromText();
  const std::string to = view.ToText();
  if (to == from) return Refuse(view, kSamePackageMessage);
  if (Contains(to, "PIPWICK")) return Refuse(view, kPipwickMessage);
  if (view.ToListIndex() <= 0) return;

  Money quote;
  std::int16_t status = kLookupNotApplicable;
  LookUpCrossGrade(book, view, quote, status);
  if (status == kLookupNotListed) return Refuse(view, NotInDatabaseMessage());
  if (status == kLookupRefusedShown) return;

  if (status == kLookupNotApplicable) {
    // A Strovane To package is exempt from the terminal check of the rules.
    if (LastSpacePosition(from) > 0 && LastSpacePosition(to) > 0 &&
        ReducesTerminals(TerminalCount(from), TerminalCount(to)) &&
        !Contains(UpperCase(to), "STROVANE")) {
      view.ShowWarning(ReductionMessage());
      ClearPriceBoxes(view);
      return;
    }
    quote =
        book.PackagePrice[toIndex] - TradeInValue(book, from, fromIndex, toIndex, AgeBand(view));
  }

  const std::string discountText = view.DiscountText();
  if (DiscountOutOfRange(discountText)) return Refuse(view, kDiscountRangeMessage);
  quote = Discounted(quote, LeadingNumber(discountText));
  ShowPrice(quote, view.ExclPriceBox(), view.InclPriceBox(), view.DisplaySeparators());
}

}  // namespace corvane
