#include "quotation/quote_date.h"

#include "pricebook/effective_date.h"

namespace corvane {
namespace {

// A quotation's days are counted (validity is a number of days); the price book's calendar date
// writes and reads them.
EffectiveDate CalendarDate(QuoteDate date) {
  const std::chrono::year_month_day day(date);
  return EffectiveDate{static_cast<int>(day.year()), static_cast<int>(unsigned{day.month()}),
                       static_cast<int>(unsigned{day.day()})};
}

}  // namespace

std::string DateText(QuoteDate date) {
  return LongDate(CalendarDate(date));
}

std::string IsoDate(QuoteDate date) {
  return IsoDate(CalendarDate(date));
}

std::optional<QuoteDate> ParseQuoteDate(std::string_view text) {
  const std::optional<EffectiveDate> date = ParseIsoDate(text);
  if (!date || date->year < kFirstYear) return std::nullopt;
  return QuoteDate(std::chrono::year_month_day(
      std::chrono::year(date->year), std::chrono::month(static_cast<unsigned>(date->month)),
      std::chrono::day(static_cast<unsigned>(date->day))));
}

}  // namespace corvane
