#include "sheet/quote_date.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::optional<int> Digits(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string DateText(QuoteDate date) {
  const std::chrono::year_month_day day(date);
  return std::to_string(static_cast<unsigned>(day.day())) + " " +
         std::string(kMonths[static_cast<unsigned>(day.month()) - 1]) + " " +
         std::to_string(static_cast<int>(day.year()));
}

std::string IsoDate(QuoteDate date) {
  const std::chrono::year_month_day day(date);
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text.data();
}

std::optional<QuoteDate> ParseQuoteDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Digits(text.substr(0, 4));
  const auto month = Digits(text.substr(5, 2));
  const auto day = Digits(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return QuoteDate(date);
}

}  // namespace corvane
