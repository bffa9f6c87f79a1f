#include "pricebook/effective_date.h"

#include <array>
#include <chrono>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  return text;
}

}  // namespace

std::string LongDate(EffectiveDate date) {
  return std::to_string(date.day) + " " +
         std::string(kMonths.at(static_cast<std::size_t>(date.month - 1))) + " " +
         std::to_string(date.year);
}

std::string IsoDate(EffectiveDate date) {
  return Digits(date.year, 4) + "-" + Digits(date.month, 2) + "-" + Digits(date.day, 2);
}

std::optional<EffectiveDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto number = [&](std::size_t first, std::size_t count) -> std::optional<int> {
    int value = 0;
    for (char c : text.substr(first, count)) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    return value;
  };
  const auto year = number(0, 4);
  const auto month = number(5, 2);
  const auto day = number(8, 2);
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day calendar{std::chrono::year{*year},
                                             std::chrono::month{static_cast<unsigned>(*month)},
                                             std::chrono::day{static_cast<unsigned>(*day)}};
  if (!calendar.ok()) return std::nullopt;
  return EffectiveDate{*year, *month, *day};
}

std::string FootnoteText(EffectiveDate date) {
  return "Prices are recommended retail prices and are subject to change without notice. Eff:  " +
         LongDate(date);
}

}  // namespace corvane
