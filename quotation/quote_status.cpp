#include "quotation/quote_status.h"

#include <array>
#include <string>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 5> kStatusNames = {"Draft", "Sent", "Accepted", "Declined",
                                                          "Expired"};
static_assert(kStatusNames.size() == static_cast<std::size_t>(QuoteStatus::Expired) + 1);

}  // namespace

QuoteStatus ShownStatus(const Quotation& quotation, QuoteDate today) {
  const bool open = quotation.status == QuoteStatus::Draft || quotation.status == QuoteStatus::Sent;
  // A quotation without a validity date (none was ever set) holds until it is answered.
  const bool lapsed = quotation.validUntil != QuoteDate{} && quotation.validUntil < today;
  return open && lapsed ? QuoteStatus::Expired : quotation.status;
}

bool MaySetStatus(QuoteStatus from, QuoteStatus to) {
  switch (to) {
    case QuoteStatus::Sent:
      // Handed on from the sheet, or an answer set by mistake taken back.
      return from == QuoteStatus::Draft || from == QuoteStatus::Accepted ||
             from == QuoteStatus::Declined;
    case QuoteStatus::Accepted:
    case QuoteStatus::Declined:
      // A customer may answer after the validity date; the dealer decides whether it holds.
      return from != QuoteStatus::Draft && from != to;
    case QuoteStatus::Draft:
    case QuoteStatus::Expired:
      // Expired follows from the date and is never kept; nothing sent becomes a draft again.
      return false;
  }
  return false;
}

bool MayResend(QuoteStatus shown) {
  return shown != QuoteStatus::Declined && shown != QuoteStatus::Expired;
}

std::string_view StatusName(QuoteStatus status) {
  return kStatusNames.at(static_cast<std::size_t>(status));
}

std::string NumberWithRevision(const Quotation& quotation) {
  if (quotation.number.empty()) return {};
  if (quotation.revision <= 1) return quotation.number;
  return quotation.number + " rev. " + std::to_string(quotation.revision);
}

}  // namespace corvane
