#include "register/version1.h"

#include <array>
#include <charconv>
#include <string>

#include "quotation/amounts.h"

namespace corvane {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
static_assert(kMonths.size() == 12);

std::optional<int> Whole(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

}  // namespace

std::optional<VatRate> Version1Rate(std::string_view text) {
  if (text.empty() || text.back() != '%') return {};
  text.remove_suffix(1);
  const std::size_t dot = text.find('.');
  const std::optional<int> whole = Whole(text.substr(0, dot));
  if (!whole || *whole < 0 || *whole > 100) return {};
  int hundredths = *whole * 100;
  if (dot != std::string_view::npos) {
    const std::string_view fraction = text.substr(dot + 1);
    if (fraction.empty() || fraction.size() > 2) return {};
    const std::optional<int> digits = Whole(fraction);
    if (!digits || *digits < 0) return {};
    hundredths += fraction.size() == 1 ? *digits * 10 : *digits;
  }
  if (hundredths > kMaxVatHundredths) return {};
  return VatRate{hundredths};
}

std::optional<QuoteDate> Version1BookDate(std::string_view text) {
  if (const auto iso = ParseQuoteDate(text)) return iso;
  const std::size_t first = text.find(' ');
  const std::size_t second = text.rfind(' ');
  if (first == std::string_view::npos || second == first) return {};
  const std::optional<int> day = Whole(text.substr(0, first));
  const std::optional<int> year = Whole(text.substr(second + 1));
  const std::string_view month = text.substr(first + 1, second - first - 1);
  for (std::size_t m = 0; m < kMonths.size(); ++m) {
    if (kMonths[m] != month || !day || !year || *day < 1 || *day > 31) continue;
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(m + 1)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return {};
    return QuoteDate{date};
  }
  return {};
}

QuoteLine Version1Line(std::string description, int quantity, Money unitExcludingVat,
                       Money lineExcludingVat, Money lineIncludingVat, VatRate rate,
                       const BookIdentity& book) {
  QuoteLine line;
  line.description = std::move(description);
  line.book = book;
  line.vat = rate;
  line.listPrice = unitExcludingVat;
  const UnitPrice unit = QuotedUnitPrice(unitExcludingVat, rate);
  line.basis = unit.basis;
  line.unitPrice = unit.amount;
  line.quantity = static_cast<std::int16_t>(quantity);
  line.amounts =
      LineAmounts{lineExcludingVat, lineIncludingVat - lineExcludingVat, lineIncludingVat};
  return line;
}

}  // namespace corvane
