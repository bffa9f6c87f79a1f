// Shared by the quote engine's tests: the filled price book, requests written briefly, and the
// screen effects of a quote in order, one text each: "excl:" or "incl:" and the text written into
// that price box, or "warn:" and the warning's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money_test_support.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"

namespace corvane::testing {

inline const PriceBook& FilledBook() {
  static const PriceBook book = FillPriceBook();
  return book;
}

using EffectLog = std::vector<std::string>;

inline EffectLog Shown(const std::string& excl, const std::string& incl) {
  return {"excl:" + excl, "incl:" + incl};
}
inline EffectLog ClearThenWarn(std::string_view text) {
  return {"excl:", "incl:", "warn:" + std::string(text)};
}
inline EffectLog WarnThenClear(std::string_view text) {
  return {"warn:" + std::string(text), "excl:", "incl:"};
}

//! What the window does with the quote, as the effect log of the two cross-grade boxes.
inline EffectLog LogOf(const Quote& quote) {
  switch (quote.outcome) {
    case Quote::Outcome::Priced:
      return Shown(quote.price.excludingText, quote.price.includingText);
    case Quote::Outcome::Refused: {
      EffectLog log;
      for (const RefusalStep& step : quote.steps) {
        if (step.action == RefusalStep::Action::ClearBoxes) {
          log.insert(log.end(), {"excl:", "incl:"});
        } else {
          log.push_back("warn:" + step.message);
        }
      }
      return log;
    }
    case Quote::Outcome::Unchanged:
      break;
  }
  return {};
}

//! A cross-grade request as the window makes it once both entries are chosen.
inline QuoteRequest CrossGrade(std::string from, std::string to, std::int16_t fromIndex,
                               std::int16_t toIndex, int ageBand = 0, std::string discount = "0%") {
  QuoteRequest request;
  request.kind = QuoteKind::CrossGrade;
  request.fromText = std::move(from);
  request.toText = std::move(to);
  request.fromIndex = fromIndex;
  request.toIndex = toIndex;
  request.discountText = std::move(discount);
  request.ageBand = ageBand;
  return request;
}

}  // namespace corvane::testing
