// Shared by the quote engine's tests: the filled price book, requests written briefly, and the
// screen effects of an answer as presented, in order, one text each: "excl:" or "incl:" and the
// text written into that price box, or "warn:" and the warning's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "money_test_support.h"
#include "pricebook/price_book.h"
#include "quote/messages.h"
#include "quote/present.h"
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

//! What the window does with the answer, as the effect log of the two cross-grade boxes.
inline EffectLog LogOf(const Quote& quote, const Separators& separators = {}) {
  const Presentation shown = Present(quote, separators, VendorPhone());
  switch (shown.outcome) {
    case Quote::Outcome::Priced:
      return Shown(shown.price.excludingText, shown.price.includingText);
    case Quote::Outcome::Refused: {
      EffectLog log;
      for (const RefusalStep& step : shown.steps) {
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
inline QuoteRequest CrossGrade(int from, int to, int ageBand = 0, std::string discount = "0%") {
  QuoteRequest request;
  request.kind = QuoteKind::CrossGrade;
  request.from = from;
  request.to = to;
  request.discount = ReadDiscount(discount);
  request.ageBand = ageBand;
  return request;
}

}  // namespace corvane::testing
