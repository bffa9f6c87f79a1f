// Shared by the quote engine's tests: short ways to write amounts, the filled price book, and a
// stand-in for the quote window that logs every screen effect in order, one text each: "excl:" or
// "incl:" and the text written into that price box, or "warn:" and the warning's text.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pricebook/price_book.h"
#include "quote/quote_view.h"

namespace corvane::testing {

inline constexpr std::int64_t kMaxRaw = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kMinRaw = std::numeric_limits<std::int64_t>::min();
inline constexpr auto Raw = [](std::int64_t raw) { return Money::fromTenThousandths(raw); };
inline constexpr auto Units = [](std::int32_t units) { return Money::fromInt32(units); };
consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

inline const PriceBook& FilledBook() {
  static const PriceBook book = FillPriceBook();
  return book;
}

using EffectLog = std::vector<std::string>;

class RecordingBox : public PriceBox {
 public:
  RecordingBox(EffectLog& log, std::string prefix) : log_(log), prefix_(std::move(prefix)) {}
  void SetText(std::string_view text) override { log_.push_back(prefix_ + std::string(text)); }

 private:
  EffectLog& log_;
  std::string prefix_;
};

class RecordingView : public QuoteView {
 public:
  RecordingView(std::string from, std::string to, int ageButton = 0, std::string discount = "0%")
      : from(std::move(from)), to(std::move(to)), discount(std::move(discount)), age(ageButton) {}

  std::string from, to, discount;
  int age;  // the selected age button: 0, 1 or 2
  int toListIndex = 1;
  EffectLog log;

  std::string FromText() const override { return from; }
  std::string ToText() const override { return to; }
  int ToListIndex() const override { return toListIndex; }
  std::string DiscountText() const override { return discount; }
  bool AgeButtonSelected(int index) const override { return index == age; }
  PriceBox& ExclPriceBox() override { return excl_; }
  PriceBox& InclPriceBox() override { return incl_; }
  void ShowWarning(std::string_view text) override { log.push_back("warn:" + std::string(text)); }
  const Separators& DisplaySeparators() const override { return separators_; }

 private:
  Separators separators_;
  RecordingBox excl_{log, "excl:"}, incl_{log, "incl:"};
};

inline EffectLog Shown(const std::string& excl, const std::string& incl) {
  return {"excl:" + excl, "incl:" + incl};
}
inline EffectLog ClearThenWarn(std::string_view text) {
  return {"excl:", "incl:", "warn:" + std::string(text)};
}
inline EffectLog WarnThenClear(std::string_view text) {
  return {"warn:" + std::string(text), "excl:", "incl:"};
}

}  // namespace corvane::testing
