// A quotation's life: Draft on the sheet, Sent once handed on, then Accepted or Declined; Expired
// when its validity has passed before it was accepted.
#pragma once

#include <string_view>

#include "quotation/quotation.h"

namespace corvane {

//! The status a quotation is shown with on the day: Sent or Draft past its validity date reads
//! Expired.
QuoteStatus ShownStatus(const Quotation& quotation, QuoteDate today);

//! Whether the dealer may set the status `to` on a quotation shown as `from` (a Sent or Expired
//! quote may be accepted or declined, and so on).
bool MaySetStatus(QuoteStatus from, QuoteStatus to);

//! Whether the quotation may be handed on again as it is: not once declined or expired (it can be
//! opened as a new quote).
bool MayResend(QuoteStatus shown);

//! "Draft", "Sent", "Accepted", "Declined", "Expired".
std::string_view StatusName(QuoteStatus status);

//! "Q-2026-0007" for the first revision, "Q-2026-0007 rev. 2" for later ones; empty without a
//! number.
std::string NumberWithRevision(const Quotation& quotation);

}  // namespace corvane
