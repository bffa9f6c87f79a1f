// What a register of schema 1 kept as display text, read back as values for the upgrade: its one
// VAT rate per quote ("14%") and the price book's date ("28 May 2012").
#pragma once

#include <optional>
#include <string_view>

#include "money/money.h"
#include "money/vat.h"
#include "quotation/quotation.h"

namespace corvane {

//! "14%", "12.5%", "0%": the rate; nothing for any other text or a rate beyond 100 %.
std::optional<VatRate> Version1Rate(std::string_view text);

//! "28 May 2012" (the release's DateText) or "2012-05-28": the day; nothing for any other text.
std::optional<QuoteDate> Version1BookDate(std::string_view text);

//! A line as schema 1 kept it: the unit price excluding VAT, exactly as the window worked it
//! out, and the two amounts. Its amounts are kept as they were; the unit is quoted in the basis
//! the rounding rule gives it now, so that the line reads as the window read it.
QuoteLine Version1Line(std::string description, int quantity, Money unitExcludingVat,
                       Money lineExcludingVat, Money lineIncludingVat, VatRate rate,
                       const BookIdentity& book);

}  // namespace corvane
