// A quotation's calendar dates: the day it is issued and the day it holds until.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

using QuoteDate = std::chrono::sys_days;

//! "9 December 2026", as the quotation prints it.
std::string DateText(QuoteDate date);

//! "2026-12-09", as the register keeps it.
std::string IsoDate(QuoteDate date);

//! The date an IsoDate text names; nothing for any other text, a day that does not exist or a
//! year before kFirstYear.
std::optional<QuoteDate> ParseQuoteDate(std::string_view text);

}  // namespace corvane
