// The date from which the price book's prices apply, and the footnote that says so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

//! A calendar date; the built-in book's prices take effect on 28 May 2012.
struct EffectiveDate {
  int year = 2012;
  int month = 5;
  int day = 28;

  friend constexpr bool operator==(EffectiveDate, EffectiveDate) = default;
};

inline constexpr std::string_view kPricesEffective = "28 May 2012";

//! No price book or quotation is older; an earlier year is a typing slip or a damaged file.
inline constexpr int kFirstYear = 1900;

//! The footnote under every price the built-in book gives.
inline constexpr std::string_view kFootnoteText =
    "Prices are recommended retail prices and are subject to change without notice. Eff:  28 May "
    "2012";

//! "28 May 2012", as the footnote and the price list name the date.
std::string LongDate(EffectiveDate date);

//! "2012-05-28", as a price-book file holds it.
std::string IsoDate(EffectiveDate date);

//! The date an ISO 8601 calendar date "YYYY-MM-DD" names; nothing for any other text or a day
//! the calendar lacks.
std::optional<EffectiveDate> ParseIsoDate(std::string_view text);

//! The footnote under every price the program shows or prints, with the book's date.
std::string FootnoteText(EffectiveDate date);

}  // namespace corvane
