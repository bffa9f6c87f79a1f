#include "quote/present.h"

#include "quote/messages.h"

namespace corvane {

std::vector<std::string> Presentation::Warnings() const {
  std::vector<std::string> warnings;
  for (const RefusalStep& step : steps) {
    if (step.action == RefusalStep::Action::Warn) warnings.push_back(step.message);
  }
  return warnings;
}

std::string WarningText(Refusal reason, std::string_view vendorPhone) {
  switch (reason) {
    case Refusal::SamePackage:
      return std::string(kSamePackageMessage);
    case Refusal::ToPipwick:
      return std::string(kPipwickMessage);
    case Refusal::NotInDatabase:
      return NotInDatabaseMessage(vendorPhone);
    case Refusal::FewerTerminals:
      return ReductionMessage(vendorPhone);
    case Refusal::DiscountOutOfRange:
      return std::string(kDiscountRangeMessage);
  }
  return {};
}

Presentation Present(const Quote& quote, const Separators& separators,
                     std::string_view vendorPhone) {
  Presentation shown;
  shown.outcome = quote.outcome;
  if (quote.Priced()) {
    shown.price = PriceForDisplay(quote.excludingVat, quote.includingVat, separators, quote.vat);
    return shown;
  }
  for (Refusal reason : quote.reasons) {
    const RefusalStep clear{RefusalStep::Action::ClearBoxes, {}};
    const RefusalStep warn{RefusalStep::Action::Warn, WarningText(reason, vendorPhone)};
    if (reason == Refusal::FewerTerminals) {
      shown.steps.insert(shown.steps.end(), {warn, clear});
    } else {
      shown.steps.insert(shown.steps.end(), {clear, warn});
    }
  }
  return shown;
}

}  // namespace corvane
